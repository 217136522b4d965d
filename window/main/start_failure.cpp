#include "start_failure.h"

#include "printable_text.h"

namespace zentavo {
namespace {

constexpr std::string_view kCannotOpen = "zentavo: nu se poate deschide fereastra: ";
// Built when the program starts, while memory is still there.
const std::string kMemoryFailure = std::string(kCannotOpen) + "memoria nu ajunge\n";

}  // namespace

std::string PlatformFailure(std::string_view platform, bool displayNamed) {
  std::string line(kCannotOpen);
  if (!platform.empty()) {
    line.append("platforma grafică „").append(Printable(platform)).append("” nu pornește");
  } else if (displayNamed) {
    line += "nicio platformă grafică nu pornește pe ecranul dat";
  } else {
    line += "niciun ecran (nici DISPLAY, nici WAYLAND_DISPLAY nu este dat)";
  }
  return line + '\n';
}

std::string WindowFailure(std::string_view report) {
  std::string line(kCannotOpen);
  line.append("Qt raportează „").append(Printable(report.substr(0, report.find('\n'))));
  return line + "”\n";
}

std::string ThreadFailure(std::string_view reason) {
  std::string line(kCannotOpen);
  line.append("niciun fir de execuție nu pornește (").append(Printable(reason));
  return line + ")\n";
}

std::string_view MemoryFailure() {
  return kMemoryFailure;
}

}  // namespace zentavo
