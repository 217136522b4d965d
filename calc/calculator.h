// The computation from the input controls to the result controls, and the scaling of each result
// to a readable unit. Intermediate values travel through the result fields' texts, as displayed.
#pragma once

#include "circuit_controls.h"
#include "number_text.h"

namespace zentavo {

struct Band;

class Calculator {
 public:
  Calculator(CircuitControls& controls, const NumberFormat& format)
      : c_(controls), format_(format) {}

  void Recalculate();
  void ClearResults();

  void ScaleTotalResistance();
  void ScaleVoltage();
  void ScalePowers();
  void ScaleCurrents();

 private:
  double Number(const TextBox& box) const { return TextToDouble(box.Text(), format_); }
  std::uint8_t Count() const { return TextToByte(c_.cboRezP.Text(), format_); }
  std::string Text(double x) const { return DoubleToText(x, format_); }
  std::string Rounded(double x) const { return Text(RoundHalfEven(x, 3)); }
  void ShowTotalRow(bool visible);
  // Scales rows 0 to count - 1 of a value column with the band ladder, rounding every number.
  template <std::size_t N>
  void ScaleRows(ControlArray<TextBox, kResistorRows>& values,
                 ControlArray<TextBox, kResistorRows>& units, const Band (&bands)[N]);

  CircuitControls& c_;
  const NumberFormat& format_;
};

}  // namespace zentavo
