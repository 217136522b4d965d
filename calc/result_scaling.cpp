#include <limits>
#include <span>
#include <string>

#include "calculator.h"
#include "checked_math.h"

namespace zentavo {

namespace {

// One rung of a band ladder: a value below `below` is shifted by `steps` powers of 1000, each
// step one operation on doubles, and shown with `unit`. The top rung has no upper threshold.
struct Band {
  double below;
  int steps;  // powers of 1000: positive multiplies, negative divides
  const char* unit;
};

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

constexpr Band kVoltageBands[] = {
    {0.001, 2, "uV"}, {1, 1, "mV"}, {1000, 0, "V"}, {1000000, -1, "kV"}, {kNoLimit, -2, "MV"}};
constexpr Band kPowerBands[] = {
    {0.001, 2, "uW"}, {1, 1, "mW"}, {1000, 0, "W"}, {1000000, -1, "kW"}, {kNoLimit, -2, "MW"}};
constexpr Band kCurrentBands[] = {{0.001, 2, "uA"}, {1, 1, "mA"}, {kNoLimit, 0, "A"}};

double Shift(double v, int steps) {
  for (; steps > 0; --steps) v = Mul(v, 1000);
  for (; steps < 0; ++steps) v = Div(v, 1000);
  return v;
}

const Band& PickBand(std::span<const Band> bands, double v) {
  for (const Band& band : bands)
    if (v < band.below) return band;
  return bands.back();
}

// Scales rows 0 to count - 1 of a value column with the band ladder, rounding every number.
void ScaleRows(int count, ControlArray<TextBox, kResistorRows>& values,
               ControlArray<TextBox, kResistorRows>& units, std::span<const Band> bands,
               const NumberFormat& format) {
  for (int i = 1; i <= count; ++i) {
    TextBox& value = values(i - 1);
    double v = TextToDouble(value.Text(), format);
    const Band& band = PickBand(bands, v);
    value.SetText(DoubleToText(RoundHalfEven(Shift(v, band.steps), 3), format));
    units(i - 1).SetText(band.unit);
  }
}

}  // namespace

void Calculator::ScaleTotalResistance() {
  double v = ReadBack(c_.txtRpt);
  if (v < 1000) {
    c_.lblUMr.SetCaption("Ohm");
    return;
  }
  c_.txtRpt.SetText(WrittenRounded(Div(v, 1000)));
  double w = ReadBack(c_.txtRpt);
  if (w < 1000) {
    c_.lblUMr.SetCaption("kOhm");
    return;
  }
  c_.txtRpt.SetText(WrittenRounded(Div(w, 1000)));
  c_.lblUMr.SetCaption("MOhm");
}

void Calculator::ScaleVoltage() {
  double v = ReadBack(c_.txtUpt);
  const Band& band = PickBand(kVoltageBands, v);
  if (band.steps != 0) c_.txtUpt.SetText(Written(Shift(v, band.steps)));
  c_.txtUMU.SetText(band.unit);
  if (ReadBack(c_.txtUpt) == 0) c_.txtUMU.SetText("");
}

void Calculator::ScalePowers() {
  ScaleRows(Count(), c_.txtPp, c_.txtUMW, kPowerBands, format_);
}

void Calculator::ScaleCurrents() {
  ScaleRows(Count(), c_.txtIp, c_.txtUMI, kCurrentBands, format_);
}

}  // namespace zentavo
