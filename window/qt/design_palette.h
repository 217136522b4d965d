// The window's own palette. The design fixes the boxes' backgrounds, so everything drawn on them
// is fixed too: dark text, wires and borders, and a light look around them, whatever the
// desktop's theme, colour scheme or style would give a widget of its class. When the desktop asks
// for high contrast the design is drawn black on white instead, or white on black for an inverse
// theme, with the same layout and drawings.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include "control_model.h"

class QWidget;

namespace zentavo {

enum class Contrast { Design, High, HighInverse };

// What the desktop asks for: a high-contrast GTK theme by name ("HighContrast",
// "HighContrastInverse", before any ":variant"), or a palette of pure black and white as a
// high-contrast colour scheme gives it.
Contrast AskedContrast(const QString& gtkTheme, const QPalette& desktop);

// The contrast the application draws in, chosen once as it starts.
Contrast UsedContrast();
void UseContrast(Contrast contrast);

// The palette in the contrast used.
QPalette DesignPalette();
// A design background, and a wire's design colour, as drawn in the contrast used.
QColor ShownBackground(Colour design);
QColor ShownWire(Colour design);
// In high contrast a control's outline is drawn in the ink: the style draws it from the control's
// window colour, which otherwise is the window's own.
void OutlineInInk(QWidget& control);

}  // namespace zentavo
