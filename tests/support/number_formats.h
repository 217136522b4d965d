// The number formats every test runs the calculator in: a decimal point, a decimal comma, and a
// decimal comma with a narrow no-break space grouping the thousands (a multi-byte separator).
#pragma once

#include <ostream>
#include <string>

#include "number_text.h"

namespace zentavo {

// Test names and failure messages show a format by its separators.
inline void PrintTo(const NumberFormat& format, std::ostream* out) {
  *out << '"' << format.decimalSeparator << "\" and \"" << format.groupSeparator << '"';
}

namespace testing_support {

inline const NumberFormat kDot{".", ","};
inline const NumberFormat kComma{",", "."};
inline const NumberFormat kFrench{",", "\u202f"};

// In this order: a fuzz input's first byte picks one by its index.
inline const NumberFormat kFormats[] = {kDot, kComma, kFrench};

// A format's name in a parameterised test's name, which takes letters and digits only.
inline std::string FormatName(const NumberFormat& format) {
  if (format.decimalSeparator == ".") return "Dot";
  return format.groupSeparator == "." ? "Comma" : "French";
}

}  // namespace testing_support
}  // namespace zentavo
