#include "application_setup.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>

#include "design_palette.h"
#include "language_and_accessibility.h"

// Q_INIT_RESOURCE cannot stand inside a namespace.
static void RegisterResources() {
  Q_INIT_RESOURCE(zentavo);
}

namespace zentavo {

void SetUpApplication(QApplication& app) {
  RegisterResources();
  // Lets the desktop match the window to its menu entry and icon (the Wayland app id).
  QGuiApplication::setDesktopFileName("ro.tarvik.Zentavo");
  if (QStyle* fusion = QStyleFactory::create("Fusion")) app.setStyle(fusion);
  // The windows set it on themselves too, where it outweighs the theme's palette for a class.
  app.setPalette(DesignPalette());
  QToolTip::setPalette(DesignPalette());
  QFont::insertSubstitution("Verdana", "DejaVu Sans");
  SetUpLanguageAndAccessibility(app);
}

}  // namespace zentavo
