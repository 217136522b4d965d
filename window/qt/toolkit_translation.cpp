#include "toolkit_translation.h"

#include <QCoreApplication>
#include <QTranslator>

// Q_INIT_RESOURCE cannot stand inside a namespace.
static void RegisterCatalogue() {
  Q_INIT_RESOURCE(toolkit_translation);
}

namespace zentavo {

void InstallToolkitTranslation(QCoreApplication& app) {
  RegisterCatalogue();
  auto* translator = new QTranslator(&app);
  if (translator->load(QStringLiteral(":/translations/toolkit_ro.qm"))) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace zentavo
