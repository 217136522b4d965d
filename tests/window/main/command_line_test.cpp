#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "command_line.h"
#include "utf8.h"

namespace zentavo {
namespace {

// What a command line makes the program do; `out` and `err` are the first line of each stream,
// `platform` and `display` what a command line that opens the window names for Qt.
struct Row {
  const char* name;
  std::vector<const char*> arguments;
  bool openWindow;
  int exitStatus;
  std::string out;
  std::string err;
  std::string platform = {};
  std::string display = {};
};

void PrintTo(const Row& row, std::ostream* out) {
  *out << row.name;
}

const std::string kUsageLine = "Utilizare: zentavo [OPȚIUNE]";
const std::string kVersionLine = "zentavo " ZENTAVO_VERSION;

std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find('\n'));
}

Row Refused(const char* name, std::vector<const char*> arguments, const std::string& err) {
  return {name, std::move(arguments), false, 2, "", "zentavo: " + err};
}

Row Opens(const char* name, std::vector<const char*> arguments, std::string platform = {},
          std::string display = {}) {
  return {name, std::move(arguments), true, 0, "", "", std::move(platform), std::move(display)};
}

class CommandLineTest : public testing::TestWithParam<Row> {};

TEST_P(CommandLineTest, Answers) {
  const Row& row = GetParam();
  const CommandLineAnswer answer = AnswerCommandLine(row.arguments);
  ASSERT_EQ(answer.openWindow, row.openWindow);
  if (row.openWindow) {
    EXPECT_EQ(answer.platform, row.platform);
    EXPECT_EQ(answer.display, row.display);
    return;
  }
  EXPECT_EQ(answer.exitStatus, row.exitStatus);
  EXPECT_EQ(FirstLine(answer.standardOutput), row.out);
  EXPECT_EQ(FirstLine(answer.standardError), row.err);
  // A refusal is one line of complaint followed by the whole usage.
  if (!row.err.empty()) {
    EXPECT_EQ(answer.standardError.substr(answer.standardError.find('\n') + 1),
              AnswerCommandLine(std::vector<const char*>{"--help"}).standardOutput);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandLineTest,
    testing::Values(
        Opens("Nothing", {}), Row{"Version", {"--version"}, false, 0, kVersionLine, ""},
        Row{"Help", {"--help"}, false, 0, kUsageLine, ""},
        Row{"ShortHelp", {"-h"}, false, 0, kUsageLine, ""},
        Row{"FirstOfHelpAndVersionWins", {"--help", "--version"}, false, 0, kUsageLine, ""},
        Refused("UnknownLongOption", {"--verbose"}, "opțiune necunoscută „--verbose”"),
        Refused("UnknownShortOption", {"-x"}, "opțiune necunoscută „-x”"),
        Refused("SingleDashVersionIsNotOurs", {"-version"}, "opțiune necunoscută „-version”"),
        Refused("LoneDash", {"-"}, "opțiune necunoscută „-”"),
        Refused("HelpAfterUnknownComesTooLate", {"--bogus", "--help"},
                "opțiune necunoscută „--bogus”"),
        Refused("FileName", {"valori.txt"}, "argument neașteptat „valori.txt”"),
        // The Qt options the window takes.
        Opens("QtPlatform", {"-platform", "offscreen"}, "offscreen"),
        Opens("QtOptionWithTwoDashes", {"--platform", "offscreen"}, "offscreen"),
        Opens("LastPlatformWins", {"-platform", "xcb", "-platform", "wayland"}, "wayland"),
        Opens("QtXDisplay", {"-display", ":1", "-platform", "xcb"}, "xcb", ":1"),
        Opens("QtRightToLeft", {"-reverse"}), Opens("QtSessionRestart", {"-session", "10abc_1"}),
        Opens("QtValueIsNotReadAsAnOption", {"-display", "--help"}, "", "--help"),
        Refused("JoinedValueOnlyWhereQtTakesOne", {"-platform=xcb"},
                "opțiune necunoscută „-platform=xcb”"),
        Refused("QtOptionWithoutItsValue", {"-platform"}, "lipsește valoarea opțiunii „-platform”"),
        Row{"VersionAfterQtOption",
            {"-platform", "offscreen", "--version"},
            false,
            0,
            kVersionLine,
            ""},
        Refused("UnknownAfterQtOption", {"-reverse", "--verbose"},
                "opțiune necunoscută „--verbose”"),
        // Qt's other options: a crash in the X plugin, a style sheet read without end, and the
        // look, size, place, title and icon the window fixes.
        Refused("QtVisual", {"-visual", "0x0"},
                "opțiune Qt refuzată de această fereastră „-visual”"),
        Refused("QtStyleSheet", {"-stylesheet", "/dev/zero"},
                "opțiune Qt refuzată de această fereastră „-stylesheet”"),
        Refused("QtJoinedStyleSheet", {"--stylesheet=a.qss"},
                "opțiune Qt refuzată de această fereastră „--stylesheet=a.qss”"),
        Refused("QtStyle", {"-style", "windows"},
                "opțiune Qt refuzată de această fereastră „-style”"),
        Refused("QtJoinedStyle", {"-style=fusion"},
                "opțiune Qt refuzată de această fereastră „-style=fusion”"),
        Refused("QtGeometry", {"-reverse", "-geometry", "300x100+0+0"},
                "opțiune Qt refuzată de această fereastră „-geometry”"),
        Refused("QtTitle", {"-title", "x"}, "opțiune Qt refuzată de această fereastră „-title”"),
        Refused("QtIconFile", {"-icon", "x.png"},
                "opțiune Qt refuzată de această fereastră „-icon”"),
        Refused("QtPluginPath", {"-platformpluginpath", "/tmp"},
                "opțiune Qt refuzată de această fereastră „-platformpluginpath”"),
        Refused("QtDebugging", {"-sync"}, "opțiune Qt refuzată de această fereastră „-sync”"),
        // An argument is echoed with what a terminal would act on written as escapes.
        Refused("TerminalTitleSequence", {"\x1b]0;owned\a"},
                "argument neașteptat „\\e]0;owned\\a”"),
        Refused("ControlCharactersAndDelete", {"-\t\r\x01\x7f"},
                "opțiune necunoscută „-\\t\\r\\x01\\x7F”"),
        Refused("C1AndBidirectionalControls",
                {"a\xc2\x9b"
                 "b\xe2\x80\xae"
                 "c\xe2\x81\xa6"},
                "argument neașteptat „a\\u009Bb\\u202Ec\\u2066”"),
        Refused("BytesThatAreNotUtf8", {"\xff\xc3(\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80\xe2\x82"},
                "argument neașteptat „\\xFF\\xC3(\\xC0\\xAF\\xED\\xA0\\x80\\xF4\\x90\\x80\\x80"
                "\\xE2\\x82”"),
        Refused("LettersKeptAndBackslashDoubled", {"rezistență\\e"},
                "argument neașteptat „rezistență\\\\e”")),
    [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

TEST(CommandLineUsage, SaysWhatTheProgramDoesHowItEndsAndItsOptions) {
  const std::string usage = AnswerCommandLine(std::vector<const char*>{"--help"}).standardOutput;
  for (const char* part :
       {"rezistoare legate în paralel", "Esc", "--help", "--version", "-platform", "-display",
        "-reverse", "-session", "refuzate", "fișiere", "Starea de ieșire"}) {
    EXPECT_NE(usage.find(part), std::string::npos) << part;
  }
  std::size_t begin = 0;
  for (std::size_t end; (end = usage.find('\n', begin)) != std::string::npos; begin = end + 1) {
    const std::string_view line = std::string_view(usage).substr(begin, end - begin);
    EXPECT_LE(CharacterCount(line), 79u) << line;
  }
  EXPECT_EQ(begin, usage.size()) << "the usage ends with a newline";
}

// How the real program ends when its window cannot open, or when it refuses a Qt option before
// any display is looked for. Run on an X display (the test command gives one), which a row's
// environment takes away where it needs none.
struct ProgramRow {
  const char* name;
  std::vector<const char*> arguments;
  // Variables to set, or to unset where the value is null.
  std::vector<std::pair<const char*, const char*>> environment;
  int exitStatus;
  std::string err;              // the whole of standard error, or its first line for a refusal
  bool withoutThreads = false;  // no thread can start: each would need a stack beyond memory
};

void PrintTo(const ProgramRow& row, std::ostream* out) {
  *out << row.name;
}

struct Ending {
  bool ended;  // within the time a start that fails may take
  int exitStatus;
  int signal;
  std::string out;
  std::string err;
};

Ending RunProgram(const ProgramRow& row) {
  int out[2], err[2];
  if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], STDOUT_FILENO);
    dup2(err[1], STDERR_FILENO);
    for (const auto& [name, value] : row.environment) {
      if (value == nullptr) {
        unsetenv(name);
      } else {
        setenv(name, value, 1);
      }
    }
    if (row.withoutThreads) {
      rlimit stack{};
      getrlimit(RLIMIT_STACK, &stack);
      stack.rlim_cur = stack.rlim_max == RLIM_INFINITY ? rlim_t{1} << 50 : stack.rlim_max;
      setrlimit(RLIMIT_STACK, &stack);
    }
    std::vector<char*> argv{const_cast<char*>(ZENTAVO_PROGRAM)};
    for (const char* argument : row.arguments) argv.push_back(const_cast<char*>(argument));
    argv.push_back(nullptr);
    execv(ZENTAVO_PROGRAM, argv.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
  Ending ending{true, -1, 0, "", ""};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  pollfd streams[] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* texts[] = {&ending.out, &ending.err};
  while (streams[0].fd >= 0 || streams[1].fd >= 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      ending.ended = false;
      kill(pid, SIGKILL);
      break;
    }
    if (poll(streams, 2, static_cast<int>(left.count())) <= 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (streams[i].fd < 0 || streams[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t read = ::read(streams[i].fd, buffer, sizeof buffer);
      if (read > 0) {
        texts[i]->append(buffer, static_cast<std::size_t>(read));
      } else {
        close(streams[i].fd);
        streams[i].fd = -1;
      }
    }
  }
  for (const pollfd& stream : streams) {
    if (stream.fd >= 0) close(stream.fd);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (WIFEXITED(status)) ending.exitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) ending.signal = WTERMSIG(status);
  return ending;
}

class ProgramRunTest : public testing::TestWithParam<ProgramRow> {};

TEST_P(ProgramRunTest, Ends) {
  const ProgramRow& row = GetParam();
  const Ending ending = RunProgram(row);
  ASSERT_TRUE(ending.ended) << "still running after 30 s; standard error: " << ending.err;
  EXPECT_EQ(ending.signal, 0);
  EXPECT_EQ(ending.exitStatus, row.exitStatus) << ending.err;
  EXPECT_EQ(ending.out, "");
  EXPECT_EQ(row.exitStatus == 2 ? FirstLine(ending.err) + '\n' : ending.err, row.err + '\n');
}

using Environment = std::vector<std::pair<const char*, const char*>>;
const Environment kNoDisplay{
    {"DISPLAY", nullptr}, {"WAYLAND_DISPLAY", nullptr}, {"QT_QPA_PLATFORM", nullptr}};
const std::string kCannotOpen = "zentavo: nu se poate deschide fereastra: ";
const std::string kNonsense = kCannotOpen + "platforma grafică „nonsense” nu pornește";

INSTANTIATE_TEST_SUITE_P(
    Rows, ProgramRunTest,
    testing::Values(
        ProgramRow{"NoDisplay",
                   {},
                   kNoDisplay,
                   1,
                   kCannotOpen + "niciun ecran (nici DISPLAY, nici WAYLAND_DISPLAY nu este dat)"},
        ProgramRow{"NoXServerOnTheDisplayGiven",
                   {"-display", ":9999"},
                   kNoDisplay,
                   1,
                   kCannotOpen + "nicio platformă grafică nu pornește pe ecranul dat"},
        ProgramRow{"UnknownPlatform", {"-platform", "nonsense"}, {}, 1, kNonsense},
        ProgramRow{
            "UnknownPlatformInTheEnvironment", {}, {{"QT_QPA_PLATFORM", "nonsense"}}, 1, kNonsense},
        ProgramRow{"PlatformNameEscaped",
                   {"-platform", "\x1b]0;owned\a"},
                   {},
                   1,
                   kCannotOpen + "platforma grafică „\\e]0;owned\\a” nu pornește"},
        ProgramRow{"WaylandWithoutCompositor",
                   {"-platform", "wayland"},
                   {{"WAYLAND_DISPLAY", "zentavo-no-compositor"}, {"XDG_RUNTIME_DIR", "/tmp"}},
                   1,
                   kCannotOpen + "platforma grafică „wayland” nu pornește"},
        // Qt reports a thread it could not start, and then waits for it for ever.
        ProgramRow{
            "NoThreads",
            {},
            {},
            1,
            kCannotOpen + "niciun fir de execuție nu pornește (Resource temporarily unavailable)",
            true},
        ProgramRow{"QtOptionRefusedBeforeAnyDisplay",
                   {"-visual", "0x0"},
                   kNoDisplay,
                   2,
                   "zentavo: opțiune Qt refuzată de această fereastră „-visual”"}),
    [](const testing::TestParamInfo<ProgramRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zentavo
