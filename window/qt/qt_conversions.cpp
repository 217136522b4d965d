#include "qt_conversions.h"

#include <QFontDatabase>
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

NumberFormat SystemNumberFormat() {
  const QLocale locale = QLocale::system();
  return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace zentavo
