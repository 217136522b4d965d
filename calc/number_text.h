// Every conversion between a number and a control's text, in the user's number format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// How the entries of a value field's unit list are written after a number, learned from the list
// itself ("Ohm", "kOhm", "MOhm"): each prefix as a multiplier letter ("k", "M"; "u", "m"), with the
// letters printed for it on parts ("K" for "k", "µ" for "u"); the base unit by its name ("Ohm",
// "Ω", "A", in any case) and, for ohms, by the letter "R" that marks the decimal point in "R47".
class UnitSpelling {
 public:
  explicit UnitSpelling(const std::vector<std::string>& entries);

  struct Spelled {
    int entry = 0;
    std::size_t length = 0;           // bytes of the text it takes
    bool standsForPoint = false;      // may stand where the decimal point is: "4k7", "R47"
    bool leads = false;               // may stand before any digit: "R47"
    std::vector<std::string> rest{};  // unit names that may follow it: "Ohm" after "k"
  };
  // The longest spelling the text begins with.
  std::optional<Spelled> At(std::string_view text) const;
  // The letters that pick an entry, one for each entry in the list's order: "R", "k", "M".
  std::vector<std::string> Letters() const;

 private:
  std::vector<std::pair<std::string, Spelled>> spellings_;
  std::vector<std::string> letters_;
};

// A value field's text as the user wrote it: a number of the field's syntax or the beginning of
// one, perhaps followed by a unit ("4.7 kOhm", "12mA"), or with a multiplier letter where the
// decimal point is ("4k7", "R47").
struct TypedValue {
  std::string number;         // what the field keeps: the number, the unit taken out of it
  std::optional<int> unit{};  // the entry of the unit list the text names
  std::size_t caret = 0;      // bytes of `number` before where the letter stood
  // The letter ended the number: a decimal separator may follow it, so that typing on gives the
  // digits after the point ("4k" then "7").
  bool pointMayFollow = false;
  std::vector<std::string> rest{};  // what may still follow of the unit's name ("hm" after "4kO")
};
// Empty when the text is none of these.
std::optional<TypedValue> ReadTypedValue(std::string_view text, const UnitSpelling& units,
                                         const NumberFormat& format);
// What remains to be typed of the unit names once `typed` is written of them ("hm" of "Ohm" after
// "O", in any case); empty when `typed` begins none of them.
std::vector<std::string> UnitRestAfter(std::string_view typed,
                                       const std::vector<std::string>& names);

}  // namespace zentavo
