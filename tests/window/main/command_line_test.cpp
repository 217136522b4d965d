#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zentavo
