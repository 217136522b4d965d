// Every conversion between a number and a control's text, in the user's number format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zentavo {

// The user's number format. Both separators are UTF-8 strings ("," and "." for Romanian, "," and
// U+202F for French); they come from the platform, never from the C library's locale.
struct NumberFormat {
  std::string decimalSeparator = ".";
  std::string groupSeparator = ",";
};

// Reads the locale's number syntax: optional blanks, an optional sign, digits that may carry group
// separators, the decimal separator, an optional exponent, optional blanks. Throws Failure:
// TypeMismatch for a text that is not a number, Overflow for one too large for a double.
double TextToDouble(std::string_view text, const NumberFormat& format);

// TextToDouble rounded half to even to a whole number in 0..255; Overflow outside that range.
std::uint8_t TextToByte(std::string_view text, const NumberFormat& format);

// The shortest text with at most 15 significant digits; exponent notation (1E-05, 1,5E+20) when
// the decimal exponent is below -4 or above 14. Throws Overflow for inf or NaN.
std::string DoubleToText(double x, const NumberFormat& format);

// Rounds the exact binary value of x to the given decimal places; exact ties go to even.
double RoundHalfEven(double x, int places);

// The syntax of the value fields the user types into: optional blanks, an optional sign, digits
// with at most one decimal point ("." or the locale's), an optional exponent, optional blanks; no
// group separators. Empty when the text is not such a number or is too large for a double.
std::optional<double> ReadInputNumber(std::string_view text, const NumberFormat& format);

// What a value field holds: a number of the input syntax, or the beginning of one that typing on
// at its end completes, so that a number can be typed key by key: a number followed by an
// exponent letter and perhaps its sign ("1e", "2,5E-"), or a decimal point alone, perhaps signed
// (".", "-."). A beginning counts as the number written so far: 1 for "1e", 0 for ".".
struct FieldReading {
  enum class Kind { NotANumber, Number, Beginning };
  Kind kind = Kind::NotANumber;
  double value = 0;
};
FieldReading ReadValueField(std::string_view text, const NumberFormat& format);

}  // namespace zentavo
