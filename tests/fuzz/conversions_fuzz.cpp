// Fuzzes the conversions between text and numbers. The input is used whole as a text, and its
// bytes also give the doubles and decimal places that the writing and rounding properties use.
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "failure.h"
#include "fuzz_check.h"
#include "number_formats.h"
#include "number_text.h"
#include "reference_number.h"
#include "reference_rounding.h"
#include "utf8.h"

namespace zentavo::fuzz_reference {
namespace {

using testing_support::kFormats;

bool SameNumber(double a, double b) {
  return a == b && std::signbit(a) == std::signbit(b);
}

std::string Described(double x) {
  std::array<char, 32> shortest{};
  auto end = std::to_chars(shortest.data(), shortest.data() + shortest.size(), x).ptr;
  return std::string(shortest.data(), end) + " (bits " +
         std::to_string(std::bit_cast<std::uint64_t>(x)) + ")";
}

std::string Described(const std::string& text, const NumberFormat& format) {
  return Quoted(text) + " with decimal separator " + Quoted(format.decimalSeparator);
}

// What TextToDouble or TextToByte makes of a text: a number, or the kind of failure.
template <typename T>
struct Outcome {
  std::optional<T> value;
  FailureKind failure = FailureKind::TypeMismatch;
};

template <typename Conversion>
auto Attempt(Conversion conversion) -> Outcome<decltype(conversion())> {
  try {
    return {conversion()};
  } catch (const Failure& failure) {
    return {std::nullopt, failure.Kind()};
  }
}

Outcome<double> ReadLocale(const std::string& text, const NumberFormat& format) {
  return Attempt([&] { return TextToDouble(text, format); });
}

std::string Without(std::string text, const std::string& part) {
  for (std::size_t at; (at = text.find(part)) != std::string::npos;) text.erase(at, part.size());
  return text;
}

// The input syntax accepts a text exactly when the reference grammar does, with the same value,
// and a value field tells a number from the beginning of one as the reference does.
void CheckInputSyntax(const std::string& text, const NumberFormat& format) {
  std::optional<double> read = ReadInputNumber(text, format);
  ReferenceNumber expected = ReadInputSyntax(text, format.decimalSeparator);
  bool accepted = expected.reading == Reading::Number;
  if (read.has_value() != accepted || (read && !SameNumber(*read, expected.value)))
    Fail("ReadInputNumber reads the input syntax and nothing else: " + Described(text, format));

  FieldReading field = ReadValueField(text, format);
  bool beginning = expected.reading == Reading::Beginning;
  bool agrees = field.kind == FieldReading::Kind::Number      ? accepted
                : field.kind == FieldReading::Kind::Beginning ? beginning
                                                              : !accepted && !beginning;
  if (!agrees || ((accepted || beginning) && !SameNumber(field.value, expected.value)))
    Fail("ReadValueField tells numbers and their beginnings apart: " + Described(text, format));
}

// Group separators are optional. Without them, and with the locale's decimal separator as the
// only one, the locale syntax is the input syntax, and the readings must agree.
void CheckLocaleSyntax(const std::string& text, const NumberFormat& format) {
  Outcome<double> outcome = ReadLocale(text, format);
  if (outcome.value) {
    Outcome<double> ungrouped = ReadLocale(Without(text, format.groupSeparator), format);
    if (!ungrouped.value || !SameNumber(*ungrouped.value, *outcome.value))
      Fail("group separators change what TextToDouble reads: " + Described(text, format));
  }
  bool sameSyntax = text.find(format.groupSeparator) == std::string::npos &&
                    (format.decimalSeparator == "." || text.find('.') == std::string::npos);
  if (!sameSyntax) return;
  ReferenceNumber expected = ReadInputSyntax(text, format.decimalSeparator);
  bool agrees = false;
  switch (expected.reading) {
    case Reading::Number:
      agrees = outcome.value && SameNumber(*outcome.value, expected.value);
      break;
    case Reading::TooLarge:
      agrees = !outcome.value && outcome.failure == FailureKind::Overflow;
      break;
    case Reading::NotANumber:
    case Reading::Beginning:
      agrees = !outcome.value && outcome.failure == FailureKind::TypeMismatch;
      break;
  }
  if (!agrees) Fail("TextToDouble disagrees with the input syntax: " + Described(text, format));
}

void CheckByte(const std::string& text, const NumberFormat& format) {
  Outcome<double> number = ReadLocale(text, format);
  Outcome<std::uint8_t> byte = Attempt([&] { return TextToByte(text, format); });
  bool agrees = false;
  if (!number.value) {
    agrees = !byte.value && byte.failure == number.failure;
  } else if (double whole = std::nearbyint(*number.value); whole >= 0 && whole <= 255) {
    agrees = byte.value && *byte.value == whole;  // nearbyint's default mode: ties to even
  } else {
    agrees = !byte.value && byte.failure == FailureKind::Overflow;
  }
  if (!agrees) Fail("TextToByte is TextToDouble rounded half to even: " + Described(text, format));
}

void CheckCharacters(const std::string& text, std::size_t count) {
  std::string first = FirstCharacters(text, count);
  bool prefix = text.starts_with(first);
  bool boundary = first.size() == text.size() || (text[first.size()] & 0xC0) != 0x80;
  bool counted = CharacterCount(first) == std::min(count, CharacterCount(text));
  if (!prefix || !boundary || !counted)
    Fail("FirstCharacters keeps whole characters: " + std::to_string(count) + " of " +
         Quoted(text));
}

// A written number taken apart: sign, digits before and after the separator, exponent digits.
struct WrittenShape {
  bool valid = false;
  bool negative = false;
  bool exponentNotation = false;
  std::string wholeDigits, fractionDigits, exponentDigits;
};

WrittenShape ShapeOf(std::string_view text, const NumberFormat& format) {
  WrittenShape shape;
  auto takeDigits = [&](std::string& into) {
    while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
      into += text.front();
      text.remove_prefix(1);
    }
  };
  if (text.starts_with("-")) {
    shape.negative = true;
    text.remove_prefix(1);
  }
  takeDigits(shape.wholeDigits);
  if (text.starts_with(format.decimalSeparator)) {
    text.remove_prefix(format.decimalSeparator.size());
    takeDigits(shape.fractionDigits);
    if (shape.fractionDigits.empty()) return shape;
  }
  if (text.starts_with("E+") || text.starts_with("E-")) {
    shape.exponentNotation = true;
    text.remove_prefix(2);
    takeDigits(shape.exponentDigits);
    if (shape.exponentDigits.empty()) return shape;
  }
  shape.valid = text.empty() && !shape.wholeDigits.empty();
  return shape;
}

// The decimal exponent of x once rounded to 15 significant digits.
int DecimalExponent(double x) {
  std::array<char, 64> buffer{};
  auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                           std::chars_format::scientific, 14)
                 .ptr;
  std::string_view written(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
  std::size_t e = written.find('e');
  const char* from = written.data() + e + (written[e + 1] == '+' ? 2 : 1);
  int exponent = 0;
  std::from_chars(from, written.data() + written.size(), exponent);
  return exponent;
}

void CheckShape(const std::string& text, double x, const NumberFormat& format,
                const std::string& subject) {
  WrittenShape shape = ShapeOf(text, format);
  Require(shape.valid, "DoubleToText writes digits, a separator and an exponent only", subject);
  Require(shape.negative == (RoundToFifteenDigits(x) < 0), "minus sign exactly when negative",
          subject);
  if (x == 0) {
    Require(text == "0", "zero is written 0", subject);
    return;
  }
  int exponent = DecimalExponent(x);
  Require(shape.exponentNotation == (exponent < -4 || exponent > 14),
          "exponent notation exactly below 1E-04 and from 1E+15", subject);
  Require(!shape.fractionDigits.ends_with("0"), "no trailing zero after the separator", subject);
  if (shape.exponentNotation) {
    Require(shape.wholeDigits.size() == 1 && shape.wholeDigits != "0",
            "one non-zero digit before the separator in exponent notation", subject);
    Require(shape.exponentDigits.size() >= 2, "at least two exponent digits", subject);
  }
  std::string digits = shape.wholeDigits + shape.fractionDigits;
  digits.erase(0, digits.find_first_not_of('0'));
  if (shape.fractionDigits.empty()) digits.erase(digits.find_last_not_of('0') + 1);
  Require(digits.size() <= 15, "at most 15 significant digits", subject);
}

// DoubleToText keeps 15 significant digits: reading its text back in the same format, in the
// locale syntax or in the input syntax, gives x rounded to 15 digits.
void CheckWriting(double x, const NumberFormat& format) {
  if (!std::isfinite(x)) {
    Outcome<std::string> written = Attempt([&] { return DoubleToText(x, format); });
    Require(!written.value && written.failure == FailureKind::Overflow,
            "DoubleToText fails with an overflow on inf and NaN", Described(x));
    return;
  }
  std::string text = DoubleToText(x, format);
  std::string subject = Described(x) + " written " + Described(text, format);
  double expected = RoundToFifteenDigits(x);
  Outcome<double> back = ReadLocale(text, format);
  std::optional<double> typed = ReadInputNumber(text, format);
  if (std::isinf(expected)) {
    // Within 5E+293 of the largest double, 15 digits round beyond it: the text reads as too large.
    Require(!back.value && back.failure == FailureKind::Overflow,
            "TextToDouble overflows on x rounded past the largest double", subject);
    Require(!typed, "ReadInputNumber rejects x rounded past the largest double", subject);
  } else {
    Require(back.value && *back.value == expected, "TextToDouble reads x to 15 digits", subject);
    Require(typed && *typed == expected, "ReadInputNumber reads x to 15 digits", subject);
  }
  CheckShape(text, x, format, subject);
}

// RoundHalfEven rounds the exact binary value, ties to even; it is idempotent and moves x by at
// most half a unit of the last decimal kept, plus the rounding of that decimal to a double.
void CheckRounding(double x, int places) {
  if (!std::isfinite(x)) return;
  double rounded = RoundHalfEven(x, places);
  bool exact = rounded == ExactRoundHalfEven(x, places);
  bool idempotent = RoundHalfEven(rounded, places) == rounded;
  // Unless it is 0, the rounded value lies within a factor of about two of x, so their
  // difference is exact in long double.
  long double moved = std::fabs(static_cast<long double>(rounded) - x);
  long double halfUnit = 0.5L * std::pow(10.0L, -places);
  double magnitude = std::fabs(rounded);
  long double spacing =
      std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude;
  bool close = moved <= halfUnit * (1 + 1e-15L) + spacing / 2;
  if (!exact || !idempotent || !close)
    Fail("RoundHalfEven rounds half to even, idempotent, by at most half a unit: " + Described(x) +
         " to " + std::to_string(places) + " places gives " + Described(rounded));
}

std::vector<double> DoublesOf(const std::uint8_t* data, std::size_t size) {
  std::vector<double> doubles;
  for (std::size_t from : {std::size_t{0}, size > 8 ? size - 8 : 0}) {
    std::uint64_t bits = 0;
    if (size > 0) std::memcpy(&bits, data + from, std::min<std::size_t>(8, size - from));
    doubles.push_back(std::bit_cast<double>(bits));
  }
  if (std::optional<double> typed = InputValue(std::string(data, data + size), "."))
    doubles.push_back(*typed);
  return doubles;
}

}  // namespace
}  // namespace zentavo::fuzz_reference

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zentavo;
  using namespace zentavo::fuzz_reference;
  std::string text(data, data + size);
  for (const NumberFormat& format : kFormats) {
    CheckInputSyntax(text, format);
    CheckLocaleSyntax(text, format);
    CheckByte(text, format);
  }
  CheckCharacters(text, size == 0 ? 0 : data[0] % 10);
  int places = size == 0 ? 0 : data[size - 1] % 25;
  for (double x : DoublesOf(data, size)) {
    for (const NumberFormat& format : kFormats) CheckWriting(x, format);
    CheckRounding(x, 3);
    CheckRounding(x, places);
  }
  return 0;
}
