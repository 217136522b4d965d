// Starts the calculator: one window, opened centred, until Esc or its close box ends it. The
// command line is answered first, before Qt looks for a display; a start that cannot open the
// window ends with one line saying why and status 1.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <optional>
#include <string_view>

#include "application_setup.h"
#include "command_line.h"
#include "start_failure.h"
#include "start_watch.h"
#include "zentavo_window.h"

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? "" : value;
}

// What to say if the platform does not start: the one the user named, on the command line or
// else in the environment, and whether a display was named.
std::string PlatformFailure(const zentavo::CommandLineAnswer& answer) {
  const std::string platform =
      answer.platform.empty() ? Environment("QT_QPA_PLATFORM") : answer.platform;
  const bool displayNamed = !answer.display.empty() || !Environment("DISPLAY").empty() ||
                            !Environment("WAYLAND_DISPLAY").empty();
  return zentavo::PlatformFailure(platform, displayNamed);
}

}  // namespace

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
  zentavo::StartWatch watch(PlatformFailure(answer));
  std::optional<QApplication> app;
  std::optional<zentavo::ZentavoWindow> window;
  try {
    app.emplace(argc, argv);
    watch.PlatformStarted();
    zentavo::SetUpApplication(*app);
    window.emplace();
    window->show();
  } catch (const std::bad_alloc&) {
    const std::string_view line = zentavo::MemoryFailure();
    std::fprintf(stderr, "%.*s", static_cast<int>(line.size()), line.data());
    return 1;
  }
  watch.End();
  return QApplication::exec();
}
