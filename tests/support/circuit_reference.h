// What the window may show for given inputs, computed from the circuit's formulas alone:
// R = 1 / (1/R1 + ... + 1/Rn), U = R x I, Pk = U² / Rk, Ik = U / Rk. Each result is a range that
// holds every value the calculator's roundings can lead to, in base units (Ohm, V, W, A).
#pragma once

#include <array>

#include "circuit_controls.h"

namespace zentavo::form_checks {

// All quantities are non-negative.
struct Range {
  long double lo = 0, hi = 0;
  bool Contains(long double x) const { return lo <= x && x <= hi; }
};

// Whether some step of the calculation exceeds the largest double.
enum class Overflow { Never, Possible, Certain };

struct CircuitInputs {
  int count = 2;
  std::array<long double, kResistorRows> ohms{};  // every resistor in use is non-zero
  long double amperes = 0;
};

struct CircuitReference {
  Overflow overflow = Overflow::Never;
  Range totalOhms;  // after the total's rounding to 3 decimals
  Range volts;
  std::array<Range, kResistorRows> watts, amperes;  // before the display's rounding
};

CircuitReference ReferenceFor(const CircuitInputs& inputs);

// The relative error that showing a value in its unit adds: the shift by 1000 or 1000000, the
// 3-decimal rounding's own conversion to a double, the 15-digit text, and reading that text.
long double DisplayError();

}  // namespace zentavo::form_checks
