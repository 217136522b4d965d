// Turns the control model's twips, colours, fonts and UTF-8 texts into Qt's, and reads the
// user's number format from the system locale.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "control_model.h"
#include "number_text.h"

namespace zentavo {

// Qt's device-independent pixels stand for the 96-dpi pixels the layout was designed in; Qt's
// own high-DPI scaling takes it from there.
constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel (15 is odd, so there is no tie).
constexpr int Pixels(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

QRect PixelRect(const Control& control);
QColor ToQColor(Colour colour);
// Sized in pixels through the same twips (20 to a point), so text keeps its proportion to the
// boxes whatever logical DPI the screen reports; a substitute for a missing family is condensed
// slightly to keep the captions within their design extents.
QFont ToQFont(const Font& font);
inline QString ToQString(const std::string& text) {
  return QString::fromStdString(text);
}

NumberFormat SystemNumberFormat();

}  // namespace zentavo
