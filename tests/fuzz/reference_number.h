// The fuzz targets' own reading of the value-field syntax, written apart from the calculator's so
// that each can check the other: a small grammar check, then std::from_chars on a copy that has
// "." as its only decimal point, no blanks and no "+".
#pragma once

#include <optional>
#include <string_view>

namespace zentavo::fuzz {

enum class Reading { NotANumber, TooLarge, Number };

struct ReferenceNumber {
  Reading reading = Reading::NotANumber;
  double value = 0;  // for Reading::Number; a value too small for a double reads as a signed 0
};

// Optional blanks (space, tab), an optional sign, digits with at most one decimal point ("." or
// decimalSeparator) and at least one digit, an optional exponent ("E" or "e", optional sign,
// digits), optional blanks.
ReferenceNumber ReadInputSyntax(std::string_view text, std::string_view decimalSeparator);

// The value of an input-syntax text, or empty when it is not one or is too large.
std::optional<double> InputValue(std::string_view text, std::string_view decimalSeparator);

}  // namespace zentavo::fuzz
