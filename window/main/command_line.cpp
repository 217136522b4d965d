#include "command_line.h"

#include <algorithm>
#include <string_view>

namespace zentavo {
namespace {

constexpr std::string_view kUsage =
    "Utilizare: zentavo [OPȚIUNE]\n"
    "Calculează două, trei sau patru rezistoare legate în paralel și alimentate\n"
    "de un curent total: rezistența totală, căderea de tensiune și puterea și\n"
    "curentul fiecărei ramuri. Fereastra se închide cu Esc. Programul nu citește\n"
    "și nu scrie fișiere.\n"
    "\n"
    "Opțiuni:\n"
    "  -h, --help     afișează acest ajutor și iese\n"
    "      --version  afișează numele și versiunea programului și iese\n"
    "\n"
    "Opțiunile Qt (-platform, -style, -display, -geometry, -reverse ...) sunt\n"
    "lăsate bibliotecii Qt.\n";

struct QtOption {
  std::string_view name;
  bool takesValue;
};

// What QGuiApplication, QApplication and the X11 platform plugin take from the command line.
constexpr QtOption kQtOptions[] = {
    {"-platform", true},
    {"-platformpluginpath", true},
    {"-platformtheme", true},
    {"-plugin", true},
    {"-qwindowgeometry", true},
    {"-geometry", true},
    {"-qwindowtitle", true},
    {"-title", true},
    {"-qwindowicon", true},
    {"-icon", true},
    {"-session", true},
    {"-display", true},
    {"-name", true},
    {"-visual", true},
    {"-style", true},
    {"-stylesheet", true},
    {"-reverse", false},
    {"-widgetcount", false},
    {"-sync", false},
    {"-nograb", false},
    {"-dograb", false},
    {"-cmap", false},
    {"-testability", false},
};
constexpr std::string_view kQtOptionsWithJoinedValue[] = {
    "-style=", "-stylesheet=", "-qmljsdebugger="};

CommandLineAnswer Exit(int status, std::string_view out, std::string_view err = {}) {
  return {false, status, std::string(out), std::string(err)};
}

CommandLineAnswer Refuse(std::string_view complaint, std::string_view argument) {
  std::string err = "zentavo: ";
  err.append(complaint).append(" „").append(argument).append("”\n").append(kUsage);
  return Exit(2, {}, err);
}

}  // namespace

CommandLineAnswer AnswerCommandLine(std::span<const char* const> arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "-h" || argument == "--help") return Exit(0, kUsage);
    if (argument == "--version") return Exit(0, "zentavo " ZENTAVO_VERSION "\n");
    if (!argument.starts_with('-')) return Refuse("argument neașteptat", argument);

    // Qt reads "--name" as "-name".
    const std::string_view qtName = argument.starts_with("--") ? argument.substr(1) : argument;
    const auto joined = [&](std::string_view prefix) { return qtName.starts_with(prefix); };
    if (std::ranges::any_of(kQtOptionsWithJoinedValue, joined)) continue;
    const auto* option = std::ranges::find(kQtOptions, qtName, &QtOption::name);
    if (option == std::end(kQtOptions)) return Refuse("opțiune necunoscută", argument);
    if (option->takesValue && ++i == arguments.size()) {
      return Refuse("lipsește valoarea opțiunii", argument);
    }
  }
  return {};
}

}  // namespace zentavo
