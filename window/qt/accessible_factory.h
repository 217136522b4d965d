// Chooses what a screen reader is told about each of the window's widgets where Qt's own choice
// misleads it: the window is a titled window (Qt reports a plain widget as a nameless filler), the
// frame is a grouping (Qt reports it as a frame, which readers take for the window), the boxes and
// lists report their unit, value and editability, and the announcer is a status bar holding a
// notification. A field reached with Tab is told focused before its text is selected.
#pragma once

class QApplication;

namespace zentavo {

void InstallAccessibleInterfaces(QApplication& app);

}  // namespace zentavo
