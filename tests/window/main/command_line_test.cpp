#include "command_line.h"
#include "utf8.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace zentavo {
namespace {

// What a command line makes the program do; `out` and `err` are the first line of each stream.
struct Row {
  const char* name;
  std::vector<const char*> arguments;
  bool openWindow;
  int exitStatus;
  std::string out;
  std::string err;
};

void PrintTo(const Row& row, std::ostream* out) {
  *out << row.name;
}

const std::string kUsageLine = "Utilizare: zentavo [OPȚIUNE]";
const std::string kVersionLine = "zentavo " ZENTAVO_VERSION;

std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find('\n'));
}

class CommandLineTest : public testing::TestWithParam<Row> {};

TEST_P(CommandLineTest, Answers) {
  const Row& row = GetParam();
  const CommandLineAnswer answer = AnswerCommandLine(row.arguments);
  ASSERT_EQ(answer.openWindow, row.openWindow);
  if (row.openWindow) return;
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
        Row{"Nothing", {}, true, 0, "", ""},
        Row{"Version", {"--version"}, false, 0, kVersionLine, ""},
        Row{"Help", {"--help"}, false, 0, kUsageLine, ""},
        Row{"ShortHelp", {"-h"}, false, 0, kUsageLine, ""},
        Row{"FirstOfHelpAndVersionWins", {"--help", "--version"}, false, 0, kUsageLine, ""},
        Row{"UnknownLongOption",
            {"--verbose"},
            false,
            2,
            "",
            "zentavo: opțiune necunoscută „--verbose”"},
        Row{"UnknownShortOption", {"-x"}, false, 2, "", "zentavo: opțiune necunoscută „-x”"},
        Row{"SingleDashVersionIsNotOurs",
            {"-version"},
            false,
            2,
            "",
            "zentavo: opțiune necunoscută „-version”"},
        Row{"LoneDash", {"-"}, false, 2, "", "zentavo: opțiune necunoscută „-”"},
        Row{"HelpAfterUnknownComesTooLate",
            {"--bogus", "--help"},
            false,
            2,
            "",
            "zentavo: opțiune necunoscută „--bogus”"},
        Row{"FileName", {"valori.txt"}, false, 2, "", "zentavo: argument neașteptat „valori.txt”"},
        Row{"QtPlatform", {"-platform", "offscreen"}, true, 0, "", ""},
        Row{"QtOptionWithTwoDashes", {"--platform", "offscreen"}, true, 0, "", ""},
        Row{"QtX11Options",
            {"-display", ":1", "-geometry", "700x400+0+0", "-name", "z"},
            true,
            0,
            "",
            ""},
        Row{"QtFlags", {"-reverse", "-widgetcount", "-sync"}, true, 0, "", ""},
        Row{"QtJoinedStyle", {"-style=fusion", "--stylesheet=a.qss"}, true, 0, "", ""},
        Row{"QtSessionRestart", {"-session", "10abc_1"}, true, 0, "", ""},
        Row{"JoinedValueOnlyWhereQtTakesOne",
            {"-platform=xcb"},
            false,
            2,
            "",
            "zentavo: opțiune necunoscută „-platform=xcb”"},
        Row{"QtOptionWithoutItsValue",
            {"-style"},
            false,
            2,
            "",
            "zentavo: lipsește valoarea opțiunii „-style”"},
        Row{"QtValueIsNotReadAsAnOption", {"-qwindowtitle", "--help"}, true, 0, "", ""},
        Row{"VersionAfterQtOption",
            {"-platform", "offscreen", "--version"},
            false,
            0,
            kVersionLine,
            ""},
        Row{"UnknownAfterQtOption",
            {"-reverse", "--verbose"},
            false,
            2,
            "",
            "zentavo: opțiune necunoscută „--verbose”"}),
    [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

TEST(CommandLineUsage, SaysWhatTheProgramDoesHowItEndsAndItsOptions) {
  const std::string usage = AnswerCommandLine(std::vector<const char*>{"--help"}).standardOutput;
  for (const char* part :
       {"rezistoare legate în paralel", "Esc", "--help", "--version", "-platform", "fișiere"}) {
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
