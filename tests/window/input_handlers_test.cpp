#include <gtest/gtest.h>

#include <string>

#include "form_fixture.h"

namespace zentavo {
namespace {

using testing_support::FormFixture;
using testing_support::kComma;
using testing_support::kDot;

struct CorrectionRow {
  NumberFormat format;
  const char* typed;
  const char* kept;
};

void PrintTo(const CorrectionRow& row, std::ostream* out) {
  *out << '"' << row.typed << "\" in " << row.format.decimalSeparator;
}

class ResistorCorrectionTest : public testing::TestWithParam<CorrectionRow> {};

// The field holds 47 before the edit: a refused edit leaves it there.
TEST_P(ResistorCorrectionTest, LeavesANonNegativeNumberInTheFieldOrRefusesTheEdit) {
  FormFixture f(GetParam().format);
  f.Type(f->txtRp(0), "47");
  f.Type(f->txtRp(0), GetParam().typed);
  EXPECT_EQ(f->txtRp(0).Text(), GetParam().kept);
  EXPECT_EQ(f.refusals.size(), std::string_view(GetParam().kept) == "47" ? 1U : 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ResistorCorrectionTest,
    testing::Values(CorrectionRow{kDot, "-5", "5"}, CorrectionRow{kDot, "", "0"},
                    CorrectionRow{kDot, "12a", "47"}, CorrectionRow{kDot, "0", "0"},
                    CorrectionRow{kDot, "-", "47"}, CorrectionRow{kDot, "  ", "47"},
                    CorrectionRow{kDot, "1e999", "47"}, CorrectionRow{kDot, "-0", "-0"},
                    CorrectionRow{kDot, "-1.50", "1.5"}, CorrectionRow{kDot, "-1e3", "1000"},
                    // DoubleToText gives 1000000, one character too many for the field
                    CorrectionRow{kDot, "-1e6", "1e6"}, CorrectionRow{kDot, "-12e8", "12e8"},
                    CorrectionRow{kDot, "1,5", "47"}, CorrectionRow{kDot, "10,000", "47"},
                    CorrectionRow{kComma, "1,5", "1,5"}, CorrectionRow{kComma, "1.5", "1.5"},
                    CorrectionRow{kComma, "-1,5", "1,5"}, CorrectionRow{kComma, "-1.5", "1,5"},
                    CorrectionRow{kDot, "1234567", "47"}, CorrectionRow{kDot, "4.7 kOhm", "4.7"},
                    CorrectionRow{kDot, "-9e-99", "9E-99"}, CorrectionRow{kDot, "+7", "+7"},
                    CorrectionRow{kDot,
                                  "\u2212"
                                  "5",
                                  "47"}));

TEST(ResistorCorrection, PastingANegativeValueRecalculatesWithItsMagnitude) {
  FormFixture f;
  f.Type(f->txtRp(0), "100");
  f.Type(f->txtIpt, "1");
  f.Type(f->txtRp(1), "-100");
  EXPECT_EQ(f->txtRp(1).Text(), "100");
  EXPECT_EQ(f->txtRpt.Text(), "50");
  EXPECT_EQ(f->txtUpt.Text(), "50");
}

TEST(ResistorCorrection, ASignTooLongToRewriteKeepsTheTypedValue) {
  FormFixture f;
  f.Enter({"-12e8", "-12e8"}, "1");
  f.Pick(f->cboIpt, "uA");
  EXPECT_EQ(f->txtRp(0).Text(), "12e8");
  EXPECT_EQ(f->txtRpt.Text(), "600");
  EXPECT_EQ(f->lblUMr.Caption(), "MOhm");
  EXPECT_EQ(f->txtUpt.Text(), "600");
  EXPECT_EQ(f->txtUMU.Text(), "V");
}

TEST(ResistorCorrection, ANegativeSignIsCorrectedWithTwoRecalculations) {
  FormFixture f;
  f.Type(f->txtRp(0), "1");
  f.Type(f->txtRp(1), "1");
  int totalsStarted = 0;
  f->txtRpt.Watch([&](Property p) {
    if (p == Property::Text && f->txtRpt.Text() == "0") ++totalsStarted;
  });
  f.Type(f->txtRp(1), "-2");
  EXPECT_EQ(totalsStarted, 2) << "the nested change and the outer handler both recalculate";
}

TEST(CurrentCorrection, KeepsTheExactValueWhenFifteenDigitsWouldChangeIt) {
  FormFixture f;
  f.Type(f->txtIpt, "-0.12345678901234567");
  EXPECT_EQ(f->txtIpt.Text(), "0.12345678901234567");
  f.Type(f->txtIpt, "-0.5");
  EXPECT_EQ(f->txtIpt.Text(), "0.5");
  f.Type(f->txtIpt, "-123456789012");
  EXPECT_EQ(f->txtIpt.Text(), "123456789012") << "twelve digits are far within the current's limit";
}

// A value typed key by key, each key one edit of the field; every step on the way must stay.
struct KeyByKeyRow {
  NumberFormat format;
  const char* keys;
  const char* kept;
  const char* voltage;  // 100 Ohm and 100 Ohm, the current typed in A
};
void PrintTo(const KeyByKeyRow& row, std::ostream* out) {
  *out << '"' << row.keys << "\" in " << row.format.decimalSeparator;
}

class KeyByKeyTest : public testing::TestWithParam<KeyByKeyRow> {};

TEST_P(KeyByKeyTest, TheCurrentEndsAsTyped) {
  const KeyByKeyRow& row = GetParam();
  FormFixture f(row.format);
  f.Enter({"100", "100"}, "0");
  std::string typed;
  for (const char* key = row.keys; *key != '\0'; ++key) {
    typed += *key;
    f.Type(f->txtIpt, typed);
    ASSERT_EQ(f->txtIpt.Text(), typed) << "after typing \"" << typed << '"';
  }
  EXPECT_EQ(f->txtIpt.Text(), row.kept);
  EXPECT_EQ(f->txtUpt.Text() + " " + f->txtUMU.Text(), row.voltage);
  EXPECT_TRUE(f.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, KeyByKeyTest,
                         testing::Values(KeyByKeyRow{kDot, "1e-5", "1e-5", "500 uV"},
                                         KeyByKeyRow{kDot, "1e5", "1e5", "5 MV"},
                                         KeyByKeyRow{kDot, "2E+3", "2E+3", "100 kV"},
                                         KeyByKeyRow{kDot, ".25", ".25", "12.5 V"},
                                         KeyByKeyRow{kDot, "1e-99", "1e-99", "5E-92 uV"},
                                         KeyByKeyRow{kComma, "2,5E+3", "2,5E+3", "125 kV"},
                                         KeyByKeyRow{kComma, ",25", ",25", "12,5 V"},
                                         KeyByKeyRow{kComma, ".25", ".25", "12,5 V"}));

TEST(ValueFields, EveryStepOfTypingCountsAsTheNumberWrittenSoFar) {
  FormFixture f;
  f.Enter({"100", "100"}, "3");
  f.Type(f->txtIpt, "3e");
  EXPECT_EQ(f->txtIpt.Text(), "3e");
  EXPECT_EQ(f->txtUpt.Text(), "150");
  f.Type(f->txtIpt, "-3e");
  EXPECT_EQ(f->txtIpt.Text(), "3e") << "a beginning loses its minus sign, not its exponent letter";
  f.Type(f->txtRp(1), ".");
  EXPECT_EQ(f->txtRp(1).Text(), ".");
  EXPECT_EQ(f->txtRpt.Text(), "0") << "a lone decimal point counts as 0";
  EXPECT_EQ(f->txtIp(0).Text(), "");
  for (const char* notABeginning : {"-", "e", "1e5x", ",", "1e "}) {
    f.Type(f->txtRp(1), notABeginning);
    EXPECT_EQ(f->txtRp(1).Text(), ".") << notABeginning;
  }
}

TEST(ValueFields, CommaLocaleComputesWhatTheFieldShows) {
  FormFixture f(kComma);
  f.Enter({"1,5", "1,5"}, "2");
  EXPECT_EQ(f->txtRpt.Text(), "0,75");
  EXPECT_EQ(f->txtUpt.Text(), "1,5");
}

TEST(ValueFields, ARefusedEditLeavesEveryTextAndSaysWhatTheBoxTakes) {
  FormFixture f(kComma);
  f.Enter({"1", "1"}, "1");
  const std::vector<std::string> before = {f->txtRp(1).Text(), f->txtIp(0).Text(), f->txtRpt.Text(),
                                           f->txtUpt.Text()};
  EXPECT_TRUE(f->UserEditsText(f->txtRp(1), "1x").refused);
  EXPECT_TRUE(f->UserEditsText(f->txtIpt, "1k").refused);
  EXPECT_TRUE(f->UserEditsText(f->txtRp(1), "1234567").refused);
  EXPECT_EQ(before, (std::vector<std::string>{f->txtRp(1).Text(), f->txtIp(0).Text(),
                                              f->txtRpt.Text(), f->txtUpt.Text()}));
  EXPECT_EQ(f.refusals,
            (std::vector<std::string>{
                "Se acceptă cifre, separatorul zecimal „,”, exponentul e și literele R, k, M.",
                "Se acceptă cifre, separatorul zecimal „,”, exponentul e și literele u, m, A.",
                "Se acceptă cel mult 6 caractere."}));
}

TEST(ValueFields, ResultBoxesIgnoreTheUser) {
  FormFixture f;
  f.Type(f->txtUpt, "12");
  f.Type(f->txtRpt, "12");
  EXPECT_EQ(f->txtUpt.Text(), "0");
  EXPECT_EQ(f->txtRpt.Text(), "0");
}

TEST(UnitPicks, KiloOhmMultipliesThatResistorByAThousand) {
  FormFixture f;
  f.Enter({"1", "1"}, "1");
  ASSERT_EQ(f->txtRpt.Text(), "0.5");
  f.Pick(f->cboRp(1), "kOhm");
  EXPECT_EQ(f->txtRpt.Text(), "0.999");
  f.Pick(f->cboIpt, "mA");
  EXPECT_EQ(f->txtUpt.Text(), "999");
  EXPECT_EQ(f->txtUMU.Text(), "uV");
}

TEST(CountPicks, AThirdRowHoldingZeroClearsTheResults) {
  FormFixture f;
  f.Enter({"4", "4"}, "1");
  ASSERT_EQ(f->txtRpt.Text(), "2");
  f.Pick(f->cboRezP, "3");
  EXPECT_TRUE(f->txtRp(2).Visible());
  EXPECT_EQ(f->txtRpt.Text(), "0");
  EXPECT_EQ(f->txtIp(0).Text(), "");
  f.Type(f->txtRp(2), "2");
  EXPECT_EQ(f->txtRpt.Text(), "1");
}

TEST(ClearButton, ResetsTheInputsAndKeepsTheCount) {
  FormFixture f;
  f.Pick(f->cboRezP, "4");
  for (int i = 0; i < 4; ++i) {
    f.Type(f->txtRp(i), "5");
    f.Pick(f->cboRp(i), "MOhm");
  }
  f.Type(f->txtIpt, "3");
  f.Pick(f->cboIpt, "mA");
  f->UserClicks(f->cmdClear);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(f->txtRp(i).Text(), "0");
    EXPECT_EQ(f->cboRp(i).Text(), "Ohm");
    EXPECT_EQ(f->txtPp(i).Text(), "");
    EXPECT_EQ(f->txtUMI(i).Text(), "");
  }
  EXPECT_EQ(f->txtIpt.Text(), "0");
  EXPECT_EQ(f->cboIpt.Text(), "A");
  EXPECT_EQ(f->txtUpt.Text(), "0");
  EXPECT_EQ(f->txtUMU.Text(), "V");
  EXPECT_FALSE(f->txtRpt.Visible());
  EXPECT_EQ(f->cboRezP.Text(), "4");
}

// Ctrl+Z steps back through what each action did to a value and its unit, corrections and the
// clear button included, and redo steps forward again.
TEST(Undo, BringsBackEachValueAndUnitAsBeforeTheActionThatChangedThem) {
  FormFixture f;
  TextBox& box = f->txtRp(0);
  auto state = [&] { return box.Text() + " " + f->cboRp(0).Text(); };
  f.Type(box, "4700");
  f.Type(box, "");
  ASSERT_EQ(state(), "0 Ohm");
  f.Type(box, "2k2");
  ASSERT_EQ(state(), "2.2 kOhm");
  f->UserClicks(f->cmdClear);
  const std::vector<std::string> steps = {"2.2 kOhm", "0 Ohm", "4700 Ohm", "0 Ohm"};
  for (const std::string& step : steps) {
    f->UserUndoes(box);
    EXPECT_EQ(state(), step);
  }
  EXPECT_FALSE(f->CanUndo(box));
  f->UserRedoes(box);
  f->UserRedoes(box);
  EXPECT_EQ(state(), "0 Ohm") << "the value the box was emptied to";
  f.Type(box, "1");
  EXPECT_FALSE(f->CanRedo(box)) << "a new edit ends the redo history";
  EXPECT_EQ(f->txtRpt.Text(), "0") << "the second resistor is still 0";
}

// Leaving a box takes away a separator that a unit letter left at its end, and only that one.
TEST(UnitLetters, LeavingTheBoxDropsOnlyTheSeparatorALetterLeft) {
  FormFixture f(kComma);
  f.Type(f->txtRp(0), "47");
  f.Type(f->txtRp(0), "47k");
  ASSERT_EQ(f->txtRp(0).Text(), "47,");
  f->UserLeaves(f->txtRp(0));
  EXPECT_EQ(f->txtRp(0).Text(), "47");
  EXPECT_EQ(f->cboRp(0).Text(), "kOhm");
  f.Type(f->txtRp(1), "5,");
  f->UserLeaves(f->txtRp(1));
  EXPECT_EQ(f->txtRp(1).Text(), "5,") << "a separator the user typed stays";
}

}  // namespace
}  // namespace zentavo
