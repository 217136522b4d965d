#include "application_setup.h"

#include <QApplication>
#include <QFont>
#include <QStyle>
#include <QStyleFactory>

// Q_INIT_RESOURCE cannot stand inside a namespace.
static void RegisterResources() {
  Q_INIT_RESOURCE(zentavo);
}

namespace zentavo {

void SetUpApplication(QApplication& app) {
  RegisterResources();
  if (QStyle* fusion = QStyleFactory::create("Fusion")) {
    app.setStyle(fusion);
    app.setPalette(fusion->standardPalette());
  }
  QFont::insertSubstitution("Verdana", "DejaVu Sans");
}

}  // namespace zentavo
