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

TEST_P(ResistorCorrectionTest, LeavesANonNegativeNumberInTheField) {
  FormFixture f(GetParam().format);
  f.Type(f->txtRp(0), GetParam().typed);
  EXPECT_EQ(f->txtRp(0).Text(), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ResistorCorrectionTest,
    testing::Values(CorrectionRow{kDot, "-5", "5"}, CorrectionRow{kDot, "", "0"},
                    CorrectionRow{kDot, "12a", "0"}, CorrectionRow{kDot, "0", "0"},
                    CorrectionRow{kDot, "-", "0"}, CorrectionRow{kDot, "  ", "0"},
                    CorrectionRow{kDot, "1e999", "0"}, CorrectionRow{kDot, "-0", "-0"},
                    CorrectionRow{kDot, "-1.50", "1.5"}, CorrectionRow{kDot, "-1e3", "1000"},
                    // DoubleToText gives 1000000, one character too many for the field
                    CorrectionRow{kDot, "-1e6", "1e6"}, CorrectionRow{kDot, "-12e8", "12e8"},
                    CorrectionRow{kDot, "1,5", "0"}, CorrectionRow{kDot, "10,000", "0"},
                    CorrectionRow{kComma, "1,5", "1,5"}, CorrectionRow{kComma, "1.5", "1.5"},
                    CorrectionRow{kComma, "-1,5", "1,5"}, CorrectionRow{kComma, "-1.5", "1,5"},
                    CorrectionRow{kDot, "1234567", "123456"},
                    CorrectionRow{kDot, "-9e-99", "9E-99"}, CorrectionRow{kDot, "+7", "+7"},
                    CorrectionRow{kDot,
                                  "\u2212"
                                  "5",
                                  "0"}));

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
    EXPECT_EQ(f->txtRp(1).Text(), "0") << notABeginning;
  }
}

TEST(ValueFields, CommaLocaleComputesWhatTheFieldShows) {
  FormFixture f(kComma);
  f.Enter({"1,5", "1,5"}, "2");
  EXPECT_EQ(f->txtRpt.Text(), "0,75");
  EXPECT_EQ(f->txtUpt.Text(), "1,5");
}

TEST(ValueFields, ALetterInAResistorInUseClearsTheResults) {
  FormFixture f;
  f.Enter({"1", "1"}, "1");
  ASSERT_EQ(f->txtIp(0).Text(), "500");
  f.Type(f->txtRp(1), "1x");
  EXPECT_EQ(f->txtRp(1).Text(), "0");
  EXPECT_EQ(f->txtIp(0).Text(), "");
  EXPECT_EQ(f->txtRpt.Text(), "0");
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

}  // namespace
}  // namespace zentavo
