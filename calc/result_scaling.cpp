#include <string>

#include "calculator.h"
#include "checked_math.h"

namespace zentavo {

// One rung of a band ladder: a value below `below` is shifted by `steps` powers of 1000, each
// step one operation on doubles, and shown with `unit`.
struct Band {
  double below;
  int steps;  // powers of 1000: positive multiplies, negative divides
  const char* unit;
};

namespace {

constexpr double kUnbounded = 0;  // marks the top band, which has no upper threshold

double Shift(double v, int steps) {
  for (; steps > 0; --steps) v = Mul(v, 1000);
  for (; steps < 0; ++steps) v = Div(v, 1000);
  return v;
}

template <std::size_t N>
const Band& PickBand(const Band (&bands)[N], double v) {
  for (const Band& band : bands)
    if (band.below == kUnbounded || v < band.below) return band;
  return bands[N - 1];
}

constexpr Band kVoltageBands[] = {
    {0.001, 2, "uV"}, {1, 1, "mV"}, {1000, 0, "V"}, {1000000, -1, "kV"}, {kUnbounded, -2, "MV"}};
constexpr Band kPowerBands[] = {
    {0.001, 2, "uW"}, {1, 1, "mW"}, {1000, 0, "W"}, {1000000, -1, "kW"}, {kUnbounded, -2, "MW"}};
constexpr Band kCurrentBands[] = {{0.001, 2, "uA"}, {1, 1, "mA"}, {kUnbounded, 0, "A"}};

}  // namespace

void Calculator::ScaleTotalResistance() {
  double v = Number(c_.txtRpt);
  if (v < 1000) {
    c_.lblUMr.SetCaption("Ohm");
    return;
  }
  c_.txtRpt.SetText(Rounded(Div(v, 1000)));
  double w = Number(c_.txtRpt);
  if (w < 1000) {
    c_.lblUMr.SetCaption("kOhm");
    return;
  }
  c_.txtRpt.SetText(Rounded(Div(w, 1000)));
  c_.lblUMr.SetCaption("MOhm");
}

void Calculator::ScaleVoltage() {
  double v = Number(c_.txtUpt);
  const Band& band = PickBand(kVoltageBands, v);
  if (band.steps != 0) c_.txtUpt.SetText(Text(Shift(v, band.steps)));
  c_.txtUMU.SetText(band.unit);
  if (Number(c_.txtUpt) == 0) c_.txtUMU.SetText("");
}

void Calculator::ScalePowers() {
  ScaleRows(c_.txtPp, c_.txtUMW, kPowerBands);
}

void Calculator::ScaleCurrents() {
  ScaleRows(c_.txtIp, c_.txtUMI, kCurrentBands);
}

template <std::size_t N>
void Calculator::ScaleRows(ControlArray<TextBox, kResistorRows>& values,
                           ControlArray<TextBox, kResistorRows>& units, const Band (&bands)[N]) {
  int count = Count();
  for (int i = 1; i <= count; ++i) {
    TextBox& value = values(i - 1);
    double v = Number(value);
    const Band& band = PickBand(bands, v);
    value.SetText(Rounded(Shift(v, band.steps)));
    units(i - 1).SetText(band.unit);
  }
}

}  // namespace zentavo
