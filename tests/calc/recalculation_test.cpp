#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "calculator_fixture.h"
#include "expect_failure.h"

namespace zentavo {
namespace {

using testing_support::CalculatorFixture;
using testing_support::ExpectFailure;
using testing_support::kComma;
using testing_support::kDot;

struct WholeRun {
  std::string name;
  std::string count;
  std::vector<std::string> resistors, units;
  std::string current, currentUnit;
  std::string total, totalUnit, voltage, voltageUnit;
  std::vector<std::string> powers, powerUnits, currents, currentUnits;
};

void PrintTo(const WholeRun& run, std::ostream* out) {
  *out << run.name;
}

class WholeRunTest : public testing::TestWithParam<std::tuple<WholeRun, NumberFormat>> {};

TEST_P(WholeRunTest, ShowsEveryResultToTheCharacter) {
  const auto& [run, format] = GetParam();
  CalculatorFixture f(format);
  f.Enter(run.count, run.resistors, run.units, run.current, run.currentUnit);
  f.calculator.Recalculate();
  const CircuitControls& c = f.controls;
  EXPECT_TRUE(c.txtRpt.Visible());
  EXPECT_EQ(c.txtRpt.Text(), f.Local(run.total));
  EXPECT_EQ(c.lblUMr.Caption(), run.totalUnit);
  EXPECT_EQ(c.txtUpt.Text(), f.Local(run.voltage));
  EXPECT_EQ(c.txtUMU.Text(), run.voltageUnit);
  for (std::size_t k = 0; k < run.powers.size(); ++k) {
    const int i = static_cast<int>(k);
    EXPECT_EQ(c.txtPp(i).Text(), f.Local(run.powers[k])) << "row " << k;
    EXPECT_EQ(c.txtUMW(i).Text(), run.powerUnits[k]) << "row " << k;
    EXPECT_EQ(c.txtIp(i).Text(), f.Local(run.currents[k])) << "row " << k;
    EXPECT_EQ(c.txtUMI(i).Text(), run.currentUnits[k]) << "row " << k;
  }
}

// clang-format off
const WholeRun kRuns[] = {
    {"ThreeOneOhmResistorsAtOneAmpere", "3", {"1", "1", "1"}, {}, "1", "A",
     "0.333", "Ohm", "333", "mV",
     {"110.889", "110.889", "110.889"}, {"mW", "mW", "mW"}, {"333", "333", "333"}, {"mA", "mA", "mA"}},
    // The voltage comes from the total as shown, 666.667, not from 2000/3.
    {"OneAndTwoKiloOhmAtThreeMilliampere", "2", {"1", "2"}, {"kOhm", "kOhm"}, "3", "mA",
     "666.667", "Ohm", "2.000001", "V",
     {"4", "2"}, {"mW", "mW"}, {"2", "1"}, {"mA", "mA"}},
    {"TwoMegaOhmAtFiveMicroampere", "2", {"1", "1"}, {"MOhm", "MOhm"}, "5", "uA",
     "500", "kOhm", "2.5", "V",
     {"6.25", "6.25"}, {"uW", "uW"}, {"2.5", "2.5"}, {"uA", "uA"}},
    // 0.0002 Ohm rounds to a total of 0, and everything computed from it is 0.
    {"TinyResistorsRoundToAZeroTotal", "2", {"0.0004", "0.0004"}, {}, "5", "A",
     "0", "Ohm", "0", "",
     {"0", "0"}, {"uW", "uW"}, {"0", "0"}, {"uA", "uA"}},
    {"ZeroCurrent", "2", {"10", "10"}, {}, "0", "A",
     "5", "Ohm", "0", "",
     {"0", "0"}, {"uW", "uW"}, {"0", "0"}, {"uA", "uA"}},
    // One resistor counts alone; an empty unit counts as Ohm and as A.
    {"CountOfOneAndEmptyUnits", "1", {"1500"}, {""}, "2", "",
     "1.5", "kOhm", "3", "kV",
     {"6"}, {"kW"}, {"2"}, {"A"}},
    {"LargeTotalBecomesMegaOhm", "2", {"999", "999"}, {"MOhm", "MOhm"}, "1", "uA",
     "499.5", "MOhm", "499.5", "V",
     {"249.75", "249.75"}, {"uW", "uW"}, {"0.5", "0.5"}, {"uA", "uA"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Examples, WholeRunTest,
                         testing::Combine(testing::ValuesIn(kRuns), testing::Values(kDot, kComma)),
                         [](const auto& info) {
                           return std::get<0>(info.param).name + "_" +
                                  testing_support::FormatName(std::get<1>(info.param));
                         });

// Every text written into a box from its creation on.
struct TextLog {
  explicit TextLog(TextBox& box) {
    box.Watch([this, &box](Property p) {
      if (p == Property::Text) texts.push_back(box.Text());
    });
  }
  std::vector<std::string> texts;
};

TEST(Recalculate, AccumulatesTheReciprocalsInTheTotalField) {
  CalculatorFixture f(kDot);
  f.Enter("3", {"1", "1", "1"}, {}, "1", "A");
  f.controls.txtRpt.SetText("stale");
  TextLog log(f.controls.txtRpt);
  std::vector<std::string>& written = log.texts;
  f.calculator.Recalculate();
  EXPECT_EQ(written, (std::vector<std::string>{"0", "1", "2", "3", "0.333"}));
}

TEST(Recalculate, CutsEachPartialSumToFifteenDigits) {
  CalculatorFixture f(kDot);
  f.Enter("3", {"3", "3", "3"}, {}, "1", "A");
  TextLog log(f.controls.txtRpt);
  std::vector<std::string>& written = log.texts;
  f.calculator.Recalculate();
  ASSERT_GE(written.size(), 4u);
  EXPECT_EQ(written[1], "0.333333333333333");
  EXPECT_EQ(written[2], "0.666666666666666");
  EXPECT_EQ(written[3], "0.999999999999999");
}

TEST(Recalculate, EveryResistorZeroTakesTheNoResultPath) {
  CalculatorFixture f(kDot);
  f.Enter("2", {"0", "0", "7", "7"}, {}, "3", "A");
  f.controls.txtPp(0).SetText("stale");
  f.calculator.Recalculate();
  const CircuitControls& c = f.controls;
  EXPECT_FALSE(c.txtRpt.Visible());
  EXPECT_FALSE(c.lblUMr.Visible());
  EXPECT_FALSE(c.lblEticheteP(3).Visible());
  EXPECT_EQ(c.txtRpt.Text(), "0");
  EXPECT_EQ(c.lblUMr.Caption(), "Ohm");
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(c.txtPp(i).Text(), "");
    EXPECT_EQ(c.txtUMW(i).Text(), "");
    EXPECT_EQ(c.txtIp(i).Text(), "");
    EXPECT_EQ(c.txtUMI(i).Text(), "");
  }
  EXPECT_EQ(c.txtUpt.Text(), "0");
  EXPECT_EQ(c.txtUMU.Text(), "");  // the voltage scaling empties the unit of a zero voltage
}

struct IncompleteRow {
  std::string count;
  std::vector<std::string> resistors;
};
void PrintTo(const IncompleteRow& row, std::ostream* out) {
  *out << row.count << " of";
  for (const std::string& resistor : row.resistors) *out << ' ' << resistor;
}

class IncompleteTest : public testing::TestWithParam<IncompleteRow> {};

TEST_P(IncompleteTest, ClearsTheResultsButKeepsTheTotalRowShown) {
  CalculatorFixture f(kDot);
  f.Enter(GetParam().count, GetParam().resistors, {}, "1", "A");
  f.calculator.Recalculate();
  const CircuitControls& c = f.controls;
  EXPECT_TRUE(c.txtRpt.Visible());
  EXPECT_TRUE(c.lblEticheteP(3).Visible());
  EXPECT_EQ(c.txtRpt.Text(), "0");
  EXPECT_EQ(c.lblUMr.Caption(), "Ohm");
  EXPECT_EQ(c.txtUpt.Text(), "0");
  EXPECT_EQ(c.txtUMU.Text(), "V");  // no voltage scaling on this path
  for (int i = 0; i < 4; ++i) EXPECT_EQ(c.txtIp(i).Text(), "");
}

INSTANTIATE_TEST_SUITE_P(Rows, IncompleteTest,
                         testing::Values(IncompleteRow{"3", {"1", "0", "5"}},
                                         IncompleteRow{"2", {"10", "0", "5", "5"}},
                                         IncompleteRow{"4", {"1", "2", "3", "0"}},
                                         IncompleteRow{"2.5", {"1", "2", "0", "0"}}));

TEST(Recalculate, RowsBeyondTheCountKeepTheirEarlierResults) {
  CalculatorFixture f(kDot);
  f.Enter("4", {"1", "1", "1", "1"}, {}, "1", "A");
  f.calculator.Recalculate();
  const std::string rowFour = f.controls.txtIp(3).Text();
  f.controls.cboRezP.SetText("2");
  f.calculator.Recalculate();
  EXPECT_EQ(f.controls.txtIp(3).Text(), rowFour);
  EXPECT_EQ(f.controls.txtUMI(3).Text(), "mA");
  EXPECT_EQ(f.controls.txtIp(0).Text(), "500");
}

TEST(Recalculate, ReadsTheLocalesDecimalSeparatorInValueFields) {
  CalculatorFixture f(kComma);
  f.Enter("2", {"1,5", "1.5"}, {}, "1", "A");
  f.calculator.Recalculate();
  EXPECT_EQ(f.controls.txtRpt.Text(), "0,75");
}

struct FailingRow {
  std::string name;
  std::string count;
  std::vector<std::string> resistors;
  std::vector<std::string> units;
  std::string current;
  FailureKind kind;
};

void PrintTo(const FailingRow& row, std::ostream* out) {
  *out << row.name;
}

class FailingRunTest : public testing::TestWithParam<FailingRow> {};

TEST_P(FailingRunTest, FailsWithItsKind) {
  CalculatorFixture f(kDot);
  f.Enter(GetParam().count, GetParam().resistors, GetParam().units, GetParam().current, "A");
  f.controls.txtRpt.SetVisible(false);
  ExpectFailure(GetParam().kind, [&f] { f.calculator.Recalculate(); });
  EXPECT_TRUE(f.controls.txtRpt.Visible()) << "the total row is shown before anything is read";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FailingRunTest,
    testing::Values(
        FailingRow{"EmptyCount", "", {"1", "1"}, {}, "1", FailureKind::TypeMismatch},
        FailingRow{"CountOfFive", "5", {"1", "1", "1", "1"}, {}, "1", FailureKind::IndexOutOfRange},
        FailingRow{"CountBeyondAByte", "300", {"1"}, {}, "1", FailureKind::Overflow},
        FailingRow{"HugeCurrent", "2", {"1", "1"}, {}, "1e300", FailureKind::Overflow},
        FailingRow{"SubnormalResistor", "2", {"1e-320", "1"}, {}, "1", FailureKind::Overflow},
        FailingRow{"HugeMegaOhm", "2", {"1e306", "1"}, {"MOhm"}, "1", FailureKind::Overflow},
        FailingRow{
            "OppositeResistorsCancel", "2", {"1", "-1"}, {}, "1", FailureKind::DivisionByZero}),
    [](const auto& info) { return info.param.name; });

TEST(Recalculate, CountOfZeroHasNoResult) {
  CalculatorFixture f(kDot);
  f.Enter("0", {"1", "1"}, {}, "1", "A");
  f.calculator.Recalculate();
  EXPECT_FALSE(f.controls.txtRpt.Visible());
}

TEST(ClearResults, EmptiesAllFourRowsWhateverTheCount) {
  CalculatorFixture f(kDot);
  f.Enter("4", {"1", "1", "1", "1"}, {}, "1", "A");
  f.calculator.Recalculate();
  f.controls.cboRezP.SetText("2");
  f.calculator.ClearResults();
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(f.controls.txtPp(i).Text(), "");
    EXPECT_EQ(f.controls.txtUMI(i).Text(), "");
  }
  EXPECT_EQ(f.controls.txtUMU.Text(), "V");
}

}  // namespace
}  // namespace zentavo
