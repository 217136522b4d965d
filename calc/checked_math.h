// Double arithmetic that fails the way the calculator reports it instead of yielding inf or NaN.
#pragma once

#include <cmath>

#include "failure.h"

namespace zentavo {

inline double Checked(double result) {
  if (!std::isfinite(result)) throw Failure(FailureKind::Overflow);
  return result;
}

inline double Add(double a, double b) {
  return Checked(a + b);
}
inline double Mul(double a, double b) {
  return Checked(a * b);
}
inline double Div(double a, double b) {
  if (b == 0) throw Failure(FailureKind::DivisionByZero);
  return Checked(a / b);
}

}  // namespace zentavo
