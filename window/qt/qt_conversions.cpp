#include "qt_conversions.h"

#include <QFontInfo>
#include <QLocale>
#include <cmath>

namespace zentavo {

QRect PixelRect(const Control& control) {
  return {Pixels(control.Left()), Pixels(control.Top()), Pixels(control.Width()),
          Pixels(control.Height())};
}

QColor ToQColor(Colour colour) {
  return {colour.red, colour.green, colour.blue};
}

QFont ToQFont(const Font& font) {
  constexpr double kTwipsPerPoint = 20;
  QFont qfont(ToQString(font.family));
  qfont.setPixelSize(static_cast<int>(std::lround(font.points * kTwipsPerPoint / kTwipsPerPixel)));
  qfont.setBold(font.bold);
  // DejaVu Sans, which stands in for a missing Verdana, runs about 1 % wider in the longest
  // caption, whose colon would then reach under the list beside it.
  constexpr int kSubstituteStretch = 98;
  if (QFontInfo(qfont).family() != qfont.family()) qfont.setStretch(kSubstituteStretch);
  return qfont;
}

NumberFormat SystemNumberFormat() {
  const QLocale locale = QLocale::system();
  return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace zentavo
