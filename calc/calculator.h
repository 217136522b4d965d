// The computation from the input controls to the result controls, and the scaling of each result
// to a readable unit. Intermediate values travel through the result fields' texts, as displayed.
#pragma once

#include "circuit_controls.h"
#include "number_text.h"

namespace zentavo {

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
  // A number as a result field shows it, and the number a field's text reads back as.
  std::string Written(double x) const { return DoubleToText(x, format_); }
  std::string WrittenRounded(double x) const { return Written(RoundHalfEven(x, 3)); }
  double ReadBack(const TextBox& box) const { return TextToDouble(box.Text(), format_); }
  std::uint8_t Count() const { return TextToByte(c_.cboRezP.Text(), format_); }
  void ShowTotalRow(bool visible);

  CircuitControls& c_;
  const NumberFormat& format_;
};

}  // namespace zentavo
