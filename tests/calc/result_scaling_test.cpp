#include <gtest/gtest.h>

#include <string>

#include "calculator_fixture.h"

namespace zentavo {
namespace {

using testing_support::CalculatorFixture;
using testing_support::kComma;
using testing_support::kDot;

struct ScaleRow {
  const char* before;
  const char* after;
  const char* unit;
};

void PrintTo(const ScaleRow& row, std::ostream* out) {
  *out << row.before;
}

class ScalingTest : public testing::TestWithParam<std::tuple<ScaleRow, NumberFormat>> {
 protected:
  ScalingTest() : f(std::get<1>(GetParam())) {}
  const ScaleRow& Row() const { return std::get<0>(GetParam()); }
  std::string Before() const { return f.Local(Row().before); }
  std::string After() const { return f.Local(Row().after); }
  CalculatorFixture f;
};

auto InBothFormats(std::initializer_list<ScaleRow> rows) {
  return testing::Combine(testing::ValuesIn(std::vector<ScaleRow>(rows)),
                          testing::Values(kDot, kComma));
}

class TotalResistanceScaling : public ScalingTest {};

TEST_P(TotalResistanceScaling, PicksOhmKiloOhmOrMegaOhm) {
  f.controls.txtRpt.SetText(Before());
  f.calculator.ScaleTotalResistance();
  EXPECT_EQ(f.controls.txtRpt.Text(), After());
  EXPECT_EQ(f.controls.lblUMr.Caption(), Row().unit);
}

INSTANTIATE_TEST_SUITE_P(Bands, TotalResistanceScaling,
                         InBothFormats({{"0.5", "0.5", "Ohm"},
                                        {"0", "0", "Ohm"},
                                        {"-3", "-3", "Ohm"},
                                        {"999.999", "999.999", "Ohm"},
                                        {"1000", "1", "kOhm"},
                                        {"1234.568", "1.235", "kOhm"},
                                        {"999999.4", "999.999", "kOhm"},
                                        // the kilo stage gives 1000, which starts the mega stage
                                        {"999999.6", "1", "MOhm"},
                                        {"1234567.891", "1.235", "MOhm"},
                                        {"5000000000", "5000", "MOhm"}}));

class VoltageScaling : public ScalingTest {};

TEST_P(VoltageScaling, PicksItsUnitWithoutRounding) {
  f.controls.txtUMU.SetText("stale");
  f.controls.txtUpt.SetText(Before());
  f.calculator.ScaleVoltage();
  EXPECT_EQ(f.controls.txtUpt.Text(), After());
  EXPECT_EQ(f.controls.txtUMU.Text(), Row().unit);
}

INSTANTIATE_TEST_SUITE_P(Bands, VoltageScaling,
                         InBothFormats({{"0", "0", ""},
                                        {"0.0005", "500", "uV"},
                                        {"1E-12", "1E-06", "uV"},
                                        {"0.001", "1", "mV"},
                                        {"0.0123456", "12.3456", "mV"},
                                        {"1", "1", "V"},
                                        {"999.9", "999.9", "V"},
                                        {"12.3456789", "12.3456789", "V"},
                                        {"1000", "1", "kV"},
                                        {"2500000", "2.5", "MV"},
                                        {"-2", "-2000000", "uV"}}));

class PowerScaling : public ScalingTest {};

TEST_P(PowerScaling, PicksItsUnitAndRoundsInEveryBand) {
  f.controls.cboRezP.SetText("2");
  f.controls.txtPp(1).SetText(Before());
  f.controls.txtPp(0).SetText("1");
  f.calculator.ScalePowers();
  EXPECT_EQ(f.controls.txtPp(1).Text(), After());
  EXPECT_EQ(f.controls.txtUMW(1).Text(), Row().unit);
}

INSTANTIATE_TEST_SUITE_P(Bands, PowerScaling,
                         InBothFormats({{"0", "0", "uW"},
                                        {"0.00012345", "123.45", "uW"},
                                        {"2E-10", "0", "uW"},
                                        {"0.5", "500", "mW"},
                                        {"0.001", "1", "mW"},
                                        {"1.23456", "1.235", "W"},
                                        {"999.9996", "1000", "W"},
                                        {"2500", "2.5", "kW"},
                                        {"3000000", "3", "MW"},
                                        {"-1", "-1000000", "uW"}}));

class CurrentScaling : public ScalingTest {};

TEST_P(CurrentScaling, PicksItsUnitAndRoundsInEveryBand) {
  f.controls.cboRezP.SetText("3");
  for (int i = 0; i < 2; ++i) f.controls.txtIp(i).SetText("1");
  f.controls.txtIp(2).SetText(Before());
  f.calculator.ScaleCurrents();
  EXPECT_EQ(f.controls.txtIp(2).Text(), After());
  EXPECT_EQ(f.controls.txtUMI(2).Text(), Row().unit);
}

INSTANTIATE_TEST_SUITE_P(Bands, CurrentScaling,
                         InBothFormats({{"0", "0", "uA"},
                                        {"0.0005", "500", "uA"},
                                        {"0.0012345678", "1.235", "mA"},
                                        {"0.25", "250", "mA"},
                                        {"1", "1", "A"},
                                        {"2500", "2500", "A"}}));

TEST(RowScaling, OnlyRowsWithinTheCountAreScaled) {
  CalculatorFixture f(kDot);
  f.controls.cboRezP.SetText("3");
  for (int i = 0; i < 4; ++i) {
    f.controls.txtPp(i).SetText("0.5");
    f.controls.txtIp(i).SetText("0.5");
  }
  f.controls.txtUMW(3).SetText("kW");
  f.calculator.ScalePowers();
  f.calculator.ScaleCurrents();
  EXPECT_EQ(f.controls.txtPp(2).Text(), "500");
  EXPECT_EQ(f.controls.txtIp(2).Text(), "500");
  EXPECT_EQ(f.controls.txtPp(3).Text(), "0.5");
  EXPECT_EQ(f.controls.txtUMW(3).Text(), "kW");
  EXPECT_EQ(f.controls.txtIp(3).Text(), "0.5");
}

}  // namespace
}  // namespace zentavo
