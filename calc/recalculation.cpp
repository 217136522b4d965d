#include <array>
#include <cstdint>

#include "calculator.h"
#include "checked_math.h"

namespace zentavo {
namespace {

// Working tables of one run: slot k belongs to resistor k; slot 0 is never used.
class Slots {
 public:
  double& operator()(int k) {
    if (k < 0 || k >= static_cast<int>(values_.size())) throw Failure(FailureKind::IndexOutOfRange);
    return values_[static_cast<std::size_t>(k)];
  }

 private:
  std::array<double, kResistorRows + 1> values_{};
};

// A value field holds a number, or the beginning of one, once corrected; anything else counts as
// zero.
double FieldValue(const TextBox& box, const NumberFormat& format) {
  return ReadValueField(box.Text(), format).value;
}

}  // namespace

void Calculator::ShowTotalRow(bool visible) {
  c_.txtRpt.SetVisible(visible);
  c_.lblUMr.SetVisible(visible);
  c_.lblEticheteP(kTotalResistanceCaption).SetVisible(visible);
}

void Calculator::ClearResults() {
  c_.txtRpt.SetText("0");
  c_.lblUMr.SetCaption("Ohm");
  for (int k = 1; k <= kResistorRows; ++k) {
    c_.txtPp(k - 1).SetText("");
    c_.txtUMW(k - 1).SetText("");
    c_.txtIp(k - 1).SetText("");
    c_.txtUMI(k - 1).SetText("");
  }
  c_.txtUpt.SetText("0");
  c_.txtUMU.SetText("V");
}

void Calculator::Recalculate() {
  ShowTotalRow(true);

  Slots R, P, I;
  std::uint8_t count = 0;
  for (int k = 1; k <= Count(); ++k) {
    double v = FieldValue(c_.txtRp(k - 1), format_);
    if (v != 0) {
      ++count;
      R(count) = v;
    }
  }

  if (count == 0) {
    ClearResults();
    ShowTotalRow(false);
    ScaleVoltage();
    return;
  }
  if (TextToDouble(c_.cboRezP.Text(), format_) > count) {
    ClearResults();
    return;
  }

  for (int k = 1; k <= Count(); ++k) {
    const std::string& unit = c_.cboRp(k - 1).Text();
    if (unit == "kOhm") {
      R(k) = Mul(R(k), 1000);
    } else if (unit == "MOhm") {
      R(k) = Mul(Mul(R(k), 1000), 1000);
    }
  }

  c_.txtRpt.SetText("0");
  for (int k = 1; k <= Count(); ++k)
    c_.txtRpt.SetText(Written(Add(ReadBack(c_.txtRpt), Div(1, R(k)))));
  c_.txtRpt.SetText(WrittenRounded(Div(1, ReadBack(c_.txtRpt))));
  const std::string totalText = c_.txtRpt.Text();
  ScaleTotalResistance();

  double current = FieldValue(c_.txtIpt, format_);
  if (c_.cboIpt.Text() == "uA") {
    current = Div(Div(current, 1000), 1000);
  } else if (c_.cboIpt.Text() == "mA") {
    current = Div(current, 1000);
  }

  c_.txtUpt.SetText(Written(Mul(TextToDouble(totalText, format_), current)));
  const std::string voltageText = c_.txtUpt.Text();
  ScaleVoltage();

  for (int k = 1; k <= Count(); ++k) {
    double u = TextToDouble(voltageText, format_);
    P(k) = Div(Mul(u, u), R(k));
    c_.txtPp(k - 1).SetText(Written(P(k)));
  }
  ScalePowers();

  for (int k = 1; k <= Count(); ++k) {
    I(k) = Div(TextToDouble(voltageText, format_), R(k));
    c_.txtIp(k - 1).SetText(Written(I(k)));
  }
  ScaleCurrents();
}

}  // namespace zentavo
