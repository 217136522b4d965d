#include "qt_conversions.h"

#include <QLocale>

namespace zentavo {

QRect PixelRect(const Control& control) {
  return {Pixels(control.Left()), Pixels(control.Top()), Pixels(control.Width()),
          Pixels(control.Height())};
}

NumberFormat SystemNumberFormat() {
  const QLocale locale = QLocale::system();
  return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace zentavo
