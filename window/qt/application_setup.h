// Prepares the application for the calculator's window: style, palette, fonts, resources, the
// desktop entry it belongs to, Qt's own texts in Romanian and what screen readers are told.
#pragma once

class QApplication;

namespace zentavo {

// The layout is pixel-exact, so the look must not depend on the desktop's theme; Verdana is
// replaced by DejaVu Sans where it is missing.
void SetUpApplication(QApplication& app);

}  // namespace zentavo
