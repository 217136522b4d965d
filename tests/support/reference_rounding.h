// The fuzz targets' own decimal rounding, done by hand on the exact decimal expansion of a double
// so that it shares nothing with the calculator's.
#pragma once

namespace zentavo::fuzz_reference {

// x rounded half to even to `places` decimals (0 or more), as the double nearest that decimal.
double ExactRoundHalfEven(double x, int places);

// x rounded to 15 significant digits, as the double nearest that decimal; an infinity of x's sign
// when that decimal is beyond the largest double (x within 5E+293 of it).
double RoundToFifteenDigits(double x);

}  // namespace zentavo::fuzz_reference
