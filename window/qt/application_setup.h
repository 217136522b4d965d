// Prepares the application for the calculator's window: style, palette, font, the desktop entry
// it belongs to, Qt's own texts in Romanian and what screen readers are told.
#pragma once

class QApplication;

namespace zentavo {

// The layout is pixel-exact, so the look must not depend on the desktop's theme; the
// application's font is the window's, so that no widget is laid out in another font first.
void SetUpApplication(QApplication& app);

}  // namespace zentavo
