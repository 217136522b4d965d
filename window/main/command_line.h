// Decides what the command line asks for before any window or display exists: the window, the
// version, the usage, or a refusal of an option the program does not take.
#pragma once

#include <span>
#include <string>

namespace zentavo {

struct CommandLineAnswer {
  bool openWindow = true;  // when true, exitStatus and the two texts are unused
  int exitStatus = 0;
  std::string standardOutput;
  std::string standardError;
  // The values of the last -platform and -display, empty when Qt is left to choose.
  std::string platform;
  std::string display;
};

// `arguments` excludes the program's name. The few Qt options the window honours are let
// through, with their values, for QApplication to take; every other one is refused.
CommandLineAnswer AnswerCommandLine(std::span<const char* const> arguments);

}  // namespace zentavo
