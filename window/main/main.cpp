// Starts the calculator: one window, opened centred, until Esc or its close box ends it.
#include <QApplication>

#include "application_setup.h"
#include "zentavo_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  zentavo::SetUpApplication(app);
  zentavo::ZentavoWindow window;
  window.show();
  return QApplication::exec();
}
