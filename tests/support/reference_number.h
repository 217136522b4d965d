// The fuzz targets' own reading of the value-field syntax, written apart from the calculator's so
// that each can check the other: a small grammar check, then std::from_chars on a copy that has
// "." as its only decimal point, no blanks and no "+".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentavo::fuzz_reference {

enum class Reading { NotANumber, TooLarge, Number, Beginning };

struct ReferenceNumber {
  Reading reading = Reading::NotANumber;
  // For Number and Beginning; a value too small for a double reads as a signed 0.
  double value = 0;
};

// Optional blanks (space, tab), an optional sign, digits with at most one decimal point ("." or
// decimalSeparator) and at least one digit, an optional exponent ("E" or "e", optional sign,
// digits), optional blanks. A text that stops right after the exponent letter or its sign, or
// after a decimal point that no digit preceded, is a Beginning: the value written before the
// exponent letter, or 0.
ReferenceNumber ReadInputSyntax(std::string_view text, std::string_view decimalSeparator);

// The value of an input-syntax text, or empty when it is not a whole number or is too large.
std::optional<double> InputValue(std::string_view text, std::string_view decimalSeparator);

// The value a value field counts with: that of a number or of a beginning of one.
std::optional<double> FieldValue(std::string_view text, std::string_view decimalSeparator);

// A value written with its unit, as on parts and schematics, in a resistor field ("4.7 kOhm",
// "4k7", "R47") or the current's ("12mA", "1m5"): the number the field keeps, with the decimal
// separator standing where a letter did, and the index of the unit in the field's list.
struct ReferenceTyped {
  std::string number;
  int unit = 0;
  bool letterEnds = false;  // the text ends with a letter that may stand for the decimal point
  // What may still be typed of the unit's name after the text ("hm" after "4kO"); empty when
  // nothing may follow.
  std::vector<std::string> nameRest;
};
enum class UnitList { Resistor, Current };
std::optional<ReferenceTyped> ReadWithUnit(std::string_view text, std::string_view decimalSeparator,
                                           UnitList list);

}  // namespace zentavo::fuzz_reference
