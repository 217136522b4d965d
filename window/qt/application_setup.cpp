#include "application_setup.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QToolTip>

#include "accessible_factory.h"
#include "design_palette.h"
#include "frm_zentavo.h"
#include "plain_frame_style.h"
#include "qt_conversions.h"
#include "toolkit_translation.h"

namespace zentavo {

void SetUpApplication(QApplication& app) {
  // Lets the desktop match the window to its menu entry and icon (the Wayland app id).
  QGuiApplication::setDesktopFileName(ZENTAVO_APP_ID);
  app.setStyle(new PlainFrameStyle);
  // The desktop's palette, read before the design's replaces it.
  UseContrast(AskedContrast(qEnvironmentVariable("GTK_THEME"), QGuiApplication::palette()));
  // The windows set it on themselves too, where it outweighs the theme's palette for a class.
  app.setPalette(DesignPalette());
  QToolTip::setPalette(DesignPalette());
  // Every widget is then built in the window's font, instead of laying out its text in the
  // desktop's font first.
  QApplication::setFont(ToQFont(design::kWindowFont));
  InstallToolkitTranslation(app);
  InstallAccessibleInterfaces(app);
}

}  // namespace zentavo
