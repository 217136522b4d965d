// Turns the control model's twips, colours, fonts and UTF-8 texts into Qt's, and reads the
// user's number format from the system locale.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QRect>
#include <QString>
#include <cmath>
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

// The colour, alignment and font conversions are inline, so that the build's own drawing tool
// shares them without the window library.
inline QColor ToQColor(Colour colour) {
  return {colour.red, colour.green, colour.blue};
}

inline Qt::Alignment ToQtAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Centre:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

inline QString ToQString(const std::string& text) {
  return QString::fromStdString(text);
}

// Sized in pixels through the same twips (20 to a point), so text keeps its proportion to the
// boxes whatever logical DPI the screen reports; a substitute for a missing family is condensed
// slightly to keep the captions within their design extents.
inline QFont ToQFont(const Font& font) {
  // DejaVu Sans stands in for a missing Verdana, named directly so that no search for the missing
  // family runs. It runs about 1 % wider in the longest caption, whose colon would then reach
  // under the list beside it, so it is condensed slightly. Whether Verdana is installed is asked
  // once, of the installed families alone: hasFamily would also ask fontconfig for aliases.
  static const bool designFamilyInstalled =
      !QFontDatabase::styles(QStringLiteral("Verdana")).isEmpty();
  constexpr int kSubstituteStretch = 98;
  constexpr double kTwipsPerPoint = 20;
  QFont qfont;
  if (font.family == "Verdana" && !designFamilyInstalled) {
    qfont.setFamily(QStringLiteral("DejaVu Sans"));
    qfont.setStretch(kSubstituteStretch);
  } else {
    qfont.setFamily(ToQString(font.family));
  }
  qfont.setPixelSize(static_cast<int>(std::lround(font.points * kTwipsPerPoint / kTwipsPerPixel)));
  qfont.setBold(font.bold);
  return qfont;
}

NumberFormat SystemNumberFormat();

}  // namespace zentavo
