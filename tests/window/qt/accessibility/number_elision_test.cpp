#include "number_elision.h"

#include <gtest/gtest.h>

#include <ostream>

#include "utf8.h"

namespace zentavo {
namespace {

struct ElisionRow {
  const char* text;
  const char* separator;
  std::size_t room;  // characters that fit
  const char* shown;
};
void PrintTo(const ElisionRow& row, std::ostream* out) {
  *out << '"' << row.text << "\" in " << row.room << " characters";
}

class ElideNumberTest : public testing::TestWithParam<ElisionRow> {};

TEST_P(ElideNumberTest, KeepsTheFirstDigitTheSeparatorAndTheExponent) {
  const ElisionRow& row = GetParam();
  auto fits = [&](std::string_view text) { return CharacterCount(text) <= row.room; };
  EXPECT_EQ(ElideNumber(row.text, row.separator, fits), row.shown);
  // Told how many characters at most can fit, it tries no longer shortening and finds the same.
  EXPECT_EQ(ElideNumber(row.text, row.separator, fits, row.room), row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ElideNumberTest,
    testing::Values(ElisionRow{"17.982612", ".", 12, "17.982612"},
                    ElisionRow{"3.81039087715294E+21", ".", 11, "3.8103…E+21"},
                    ElisionRow{"3,81039087715294E+21", ",", 11, "3,8103…E+21"},
                    ElisionRow{"-1.23456789012345E+308", ".", 10, "-1.2…E+308"},
                    ElisionRow{"1.5E-05", ".", 6, "1.…E-05"},
                    ElisionRow{"12\u066b5E+30", "\u066b", 7, "12\u066b…E+30"},
                    ElisionRow{"3.81039087715294E+21", ".", 3, "3.…E+21"},
                    // A number without an exponent is cut in its exponent form, digit for digit.
                    ElisionRow{"30864166385802,8", ",", 12, "3,08641…E+13"},
                    ElisionRow{"61728332771605.5", ".", 10, "6.172…E+13"},
                    ElisionRow{"-61728332771605.5", ".", 10, "-6.17…E+13"},
                    ElisionRow{"123456789012345", ".", 8, "1.2…E+14"},
                    ElisionRow{"99999999999999999999", ".", 9, "9.99…E+19"},
                    ElisionRow{"0.000123456789012345", ".", 9, "1.23…E-04"},
                    ElisionRow{"1234\u066b5678", "\u066b", 8, "1\u066b2…E+03"},
                    ElisionRow{"0.000000000001", ".", 6, "1E-12"},
                    ElisionRow{"47.", ".", 2, "4.…E+01"},
                    ElisionRow{"0.000000000000", ".", 5, "0.00…"},
                    ElisionRow{"1 234 567", ".", 5, "1 23…"}, ElisionRow{"MW", ".", 1, "MW"},
                    ElisionRow{"", ".", 0, ""}));

// The longest current a box takes, shortened without trying a shortening longer than the room.
TEST(ElideNumber, ShortensTheLongestNumbersByTheRoomAlone) {
  const std::string small = "0." + std::string(32764, '0') + "1";
  const std::string large = std::string(32767, '7');
  int asked = 0;
  auto fits = [&](std::string_view text) {
    ++asked;
    return CharacterCount(text) <= 12;
  };
  EXPECT_EQ(ElideNumber(small, ".", fits, 12), "1E-32765");
  EXPECT_EQ(ElideNumber(large, ".", fits, 12), "7.77…E+32766");
  EXPECT_LT(asked, 100);
}

TEST(ElideNumber, NeverDropsWhatMustStayWhateverTheRoom) {
  const std::string text = "-9.87654321098765E-123";
  for (std::size_t room = 0; room <= text.size(); ++room) {
    SCOPED_TRACE(room);
    const std::string shown =
        ElideNumber(text, ".", [&](std::string_view t) { return CharacterCount(t) <= room; });
    EXPECT_TRUE(shown.starts_with("-9.")) << shown;
    EXPECT_TRUE(shown.ends_with("E-123")) << shown;
    if (shown != text) {
      EXPECT_NE(shown.find(kEllipsis), std::string::npos) << shown;
    }
    if (room >= 9) {
      EXPECT_LE(CharacterCount(shown), room) << shown;
    }
  }
}

}  // namespace
}  // namespace zentavo
