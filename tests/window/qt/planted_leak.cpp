// The calculator as the program starts it, except that its Esc ending first allocates memory and
// never frees it: the leak of the program's own code that the sanitizer run must report whatever
// its suppressions hide of the desktop's libraries. planted_leak_test.sh runs it.
#include <QApplication>

#include "application_setup.h"
#include "qt_conversions.h"
#include "zentavo_window.h"

namespace {

// Kept out of line, so that the report names it.
[[gnu::noinline]] void PlantedLeak() {
  char* volatile leaked = new char[48];
  leaked[0] = 1;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zentavo::SetUpApplication(app);
  const auto leakAndEnd = [] {
    PlantedLeak();
    QCoreApplication::exit(0);
  };
  zentavo::ZentavoWindow window(zentavo::Platform{zentavo::SystemNumberFormat(), {}, leakAndEnd});
  window.show();
  return QApplication::exec();
}
