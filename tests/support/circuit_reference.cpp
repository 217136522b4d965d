// The calculator passes its intermediate values through texts and rounds at every step. The
// reference does not repeat those steps; it bounds each one, so that a Range holds every value
// the calculator can have there:
// - kStep: one double operation rounds by at most half an ulp, 2^-53 relative. The bound takes a
//   whole ulp, which also covers the reference's own long double rounding (2^-64 per step) and
//   the second-order terms that multiplying bounds leaves out.
// - kText: writing a double with 15 significant digits moves it by at most half a unit of the
//   15th digit, 5E-15 relative; reading the text back rounds once more (kStep).
// - kTiny: near zero, doubles are 2^-1074 apart whatever their size, so every step may also be
//   off by that much absolutely.
// - The total resistance is rounded to 3 decimals before the voltage is computed from it: that
//   moves it by at most 0.0005 Ohm. The voltage inherits this as up to 0.0005 x I, and the
//   powers and currents as the spread of U over that range. A total below 0.0005 Ohm may round
//   to 0: the lower ends of U, P and I are then 0, as the calculator shows.
#include "circuit_reference.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zentavo::form_checks {

namespace {

static_assert(std::numeric_limits<long double>::max_exponent >
                  std::numeric_limits<double>::max_exponent,
              "the reference needs a long double that goes past the largest double");

constexpr long double kStep = 0x1p-52L;
constexpr long double kText = 5e-15L + kStep;
constexpr long double kTiny = 0x1p-1074L;
constexpr long double kTotalRounding = 0.0005L;
constexpr long double kLargestDouble = std::numeric_limits<double>::max();

Range Exactly(long double x) {
  return {x, x};
}

Range Widen(Range r, long double relative, long double absolute = kTiny) {
  return {std::max(0.0L, r.lo * (1 - relative) - absolute), r.hi * (1 + relative) + absolute};
}

Range operator+(Range a, Range b) {
  return {a.lo + b.lo, a.hi + b.hi};
}
Range operator*(Range a, Range b) {
  return {a.lo * b.lo, a.hi * b.hi};
}
Range operator/(Range a, Range b) {
  long double infinity = std::numeric_limits<long double>::infinity();
  return {a.lo / b.hi, b.lo > 0 ? a.hi / b.lo : infinity};
}

// Every value the calculator holds as a double along the way, for the overflow verdict.
class Steps {
 public:
  Range operator()(Range r) {
    if (r.lo > kLargestDouble) overflow_ = Overflow::Certain;
    if (r.hi > kLargestDouble && overflow_ == Overflow::Never) overflow_ = Overflow::Possible;
    return r;
  }
  Overflow Verdict() const { return overflow_; }

 private:
  Overflow overflow_ = Overflow::Never;
};

}  // namespace

long double DisplayError() {
  return 2 * kText + 6 * kStep;
}

CircuitReference ReferenceFor(const CircuitInputs& inputs) {
  CircuitReference reference;
  Steps step;
  std::array<Range, kResistorRows> ohms;
  Range sum = Exactly(0);
  for (int k = 0; k < inputs.count; ++k) {
    auto row = static_cast<std::size_t>(k);
    ohms[row] = step(Widen(Exactly(inputs.ohms[row]), 2 * kStep));  // up to two factors of 1000
    Range reciprocal = step(Widen(Exactly(1) / ohms[row], kStep));
    sum = step(Widen(sum + reciprocal, kStep));
    sum = step(Widen(sum, kText));  // each partial sum is kept as text
  }
  Range total = Widen(Exactly(1) / sum, kStep);
  total = {std::max(0.0L, total.lo - kTotalRounding), total.hi + kTotalRounding};
  reference.totalOhms = step(Widen(total, kStep + kText));

  Range current = Widen(Exactly(inputs.amperes), 2 * kStep, 2 * kTiny);  // up to two divisions
  Range volts = step(Widen(reference.totalOhms * current, kStep));
  reference.volts = step(Widen(volts, kText));
  Range square = step(Widen(reference.volts * reference.volts, kStep));
  for (int k = 0; k < inputs.count; ++k) {
    auto row = static_cast<std::size_t>(k);
    Range watts = step(Widen(square / ohms[row], kStep));
    reference.watts[row] = step(Widen(watts, kText));
    Range amperes = step(Widen(reference.volts / ohms[row], kStep));
    reference.amperes[row] = step(Widen(amperes, kText));
  }
  reference.overflow = step.Verdict();
  return reference;
}

}  // namespace zentavo::form_checks
