#include "command_line.h"

#include <algorithm>
#include <string_view>

#include "printable_text.h"

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
    "  -h, --help         afișează acest ajutor și iese\n"
    "      --version      afișează numele și versiunea programului și iese\n"
    "\n"
    "Opțiunile Qt pe care le primește fereastra:\n"
    "  -platform NUME     platforma grafică: xcb, wayland ...\n"
    "  -display ECRAN     ecranul X pe care se deschide\n"
    "  -reverse           direcția de la dreapta la stânga\n"
    "  -session ID        sesiunea din care o repornește gestionarul de sesiuni\n"
    "Celelalte opțiuni Qt sunt refuzate: fereastra își fixează aspectul, mărimea,\n"
    "locul, titlul și pictograma.\n"
    "\n"
    "Starea de ieșire: 0 la închiderea ferestrei, 1 dacă fereastra nu se poate\n"
    "deschide, 2 dacă linia de comandă este refuzată.\n";

struct QtOption {
  std::string_view name;
  bool takesValue;
};

// Where the window opens, which way its text runs, and the session it is restored into.
constexpr QtOption kQtOptions[] = {
    {"-platform", true},
    {"-display", true},
    {"-session", true},
    {"-reverse", false},
};
// What the rest of Qt's options would do here: change the look, size, place, title or icon the
// window fixes, read a file, load code, or serve debugging (-visual even crashes the X plugin).
constexpr std::string_view kRefusedQtOptions[] = {"-style",
                                                  "-stylesheet",
                                                  "-platformtheme",
                                                  "-platformpluginpath",
                                                  "-plugin",
                                                  "-geometry",
                                                  "-qwindowgeometry",
                                                  "-title",
                                                  "-qwindowtitle",
                                                  "-icon",
                                                  "-qwindowicon",
                                                  "-name",
                                                  "-visual",
                                                  "-cmap",
                                                  "-sync",
                                                  "-nograb",
                                                  "-dograb",
                                                  "-widgetcount",
                                                  "-testability",
                                                  "-qmljsdebugger"};

CommandLineAnswer Exit(int status, std::string_view out, std::string_view err = {}) {
  return {false, status, std::string(out), std::string(err), {}, {}};
}

CommandLineAnswer Refuse(std::string_view complaint, std::string_view argument) {
  std::string err = "zentavo: ";
  err.append(complaint).append(" „").append(Printable(argument)).append("”\n").append(kUsage);
  return Exit(2, {}, err);
}

}  // namespace

CommandLineAnswer AnswerCommandLine(std::span<const char* const> arguments) {
  CommandLineAnswer answer;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (argument == "-h" || argument == "--help") return Exit(0, kUsage);
    if (argument == "--version") return Exit(0, "zentavo " ZENTAVO_VERSION "\n");
    if (!argument.starts_with('-')) return Refuse("argument neașteptat", argument);

    // Qt reads "--name" as "-name", and a few of its options as "-name=value".
    const std::string_view oneDash = argument.starts_with("--") ? argument.substr(1) : argument;
    const std::size_t equals = oneDash.find('=');
    const std::string_view qtName = oneDash.substr(0, equals);
    if (std::ranges::find(kRefusedQtOptions, qtName) != std::end(kRefusedQtOptions)) {
      return Refuse("opțiune Qt refuzată de această fereastră", argument);
    }
    const auto* option = std::ranges::find(kQtOptions, qtName, &QtOption::name);
    if (option == std::end(kQtOptions) || equals != std::string_view::npos) {
      return Refuse("opțiune necunoscută", argument);
    }
    if (!option->takesValue) continue;
    if (++i == arguments.size()) return Refuse("lipsește valoarea opțiunii", argument);
    if (option->name == "-platform") answer.platform = arguments[i];
    if (option->name == "-display") answer.display = arguments[i];
  }
  return answer;
}

}  // namespace zentavo
