#include "application_setup.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QStyle>
#include <QStyleFactory>

#include "accessible_list.h"
#include "frm_zentavo.h"
#include "qt_conversions.h"

namespace zentavo {

void SetUpApplication(QApplication& app) {
  // Lets the desktop match the window to its menu entry and icon (the Wayland app id).
  QGuiApplication::setDesktopFileName("ro.tarvik.Zentavo");
  if (QStyle* fusion = QStyleFactory::create("Fusion")) {
    app.setStyle(fusion);
    app.setPalette(fusion->standardPalette());
  }
  // Every widget is then built in the window's font, instead of laying out its text in the
  // desktop's font first.
  QApplication::setFont(ToQFont(design::kWindowFont));
  AccessibleList::InstallFactory();
}

}  // namespace zentavo
