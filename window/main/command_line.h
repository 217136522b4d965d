// Decides what the command line asks for before any window or display exists: the window, the
// version, the usage, or a refusal of an option the program does not know.
#pragma once

#include <span>
#include <string>

namespace zentavo {

struct CommandLineAnswer {
  bool openWindow = true;  // when true, the fields below are unused
  int exitStatus = 0;
  std::string standardOutput;
  std::string standardError;
};

// `arguments` excludes the program's name. Qt's own options, with their values, are let through
// for QApplication to take.
CommandLineAnswer AnswerCommandLine(std::span<const char* const> arguments);

}  // namespace zentavo
