// A circuit's controls with a calculator over them, in a "." or a "," number format.
#pragma once

#include <string>
#include <vector>

#include "calculator.h"
#include "circuit_controls.h"
#include "number_formats.h"

namespace zentavo::testing_support {

struct CalculatorFixture {
  explicit CalculatorFixture(const NumberFormat& f) : format(f) {}

  // A text written with "." as it reads in this format.
  std::string Local(std::string text) const {
    for (std::size_t at = text.find('.'); at != std::string::npos; at = text.find('.', at + 1))
      text.replace(at, 1, format.decimalSeparator);
    return text;
  }

  void Enter(const std::string& count, const std::vector<std::string>& resistors,
             const std::vector<std::string>& units, const std::string& current,
             const std::string& currentUnit) {
    controls.cboRezP.SetText(count);
    for (std::size_t i = 0; i < resistors.size(); ++i) {
      controls.txtRp(static_cast<int>(i)).SetText(Local(resistors[i]));
      controls.cboRp(static_cast<int>(i)).SetText(i < units.size() ? units[i] : "Ohm");
    }
    controls.txtIpt.SetText(Local(current));
    controls.cboIpt.SetText(currentUnit);
  }

  NumberFormat format;
  CircuitControls controls;
  Calculator calculator{controls, format};
};

}  // namespace zentavo::testing_support
