#include "reference_number.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

#include "fuzz_check.h"

namespace zentavo::fuzz {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Far beyond any exponent a double can reach, yet safe from overflow while digits are added.
constexpr std::int64_t kExponentCap = 1'000'000'000'000;

}  // namespace

ReferenceNumber ReadInputSyntax(std::string_view text, std::string_view decimalSeparator) {
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && IsBlank(text[i])) ++i;
  };
  auto at = [&](std::string_view token) {
    return !token.empty() && text.substr(i).starts_with(token);
  };

  std::string normalised;
  skipBlanks();
  if (at("+") || at("-")) {
    if (text[i] == '-') normalised += '-';
    ++i;
  }

  // The power of ten of the first significant digit, before the exponent is applied; it tells an
  // overflow from an underflow when from_chars finds the value out of range.
  bool sawDigit = false, sawPoint = false, sawSignificant = false;
  std::int64_t integerDigits = 0, zerosAfterPoint = 0;
  while (i < text.size()) {
    char c = text[i];
    if (IsDigit(c)) {
      sawDigit = true;
      if (!sawPoint && (sawSignificant || c != '0')) ++integerDigits;
      if (sawPoint && !sawSignificant && c == '0') ++zerosAfterPoint;
      if (c != '0') sawSignificant = true;
      normalised += c;
      ++i;
    } else if (!sawPoint && (at(".") || at(decimalSeparator))) {
      sawPoint = true;
      normalised += '.';
      i += at(".") ? 1 : decimalSeparator.size();
    } else {
      break;
    }
  }
  if (!sawDigit) {
    if (sawPoint && i == text.size())
      return {Reading::Beginning, normalised.starts_with('-') ? -0.0 : 0.0};
    return {};
  }

  std::int64_t exponent = 0;
  bool beginning = false;
  if (at("E") || at("e")) {
    const std::size_t mantissaEnd = normalised.size();
    normalised += 'e';
    ++i;
    bool negative = false;
    if (at("+") || at("-")) {
      negative = text[i] == '-';
      if (negative) normalised += '-';
      ++i;
    }
    if (i == text.size()) {
      beginning = true;
      normalised.resize(mantissaEnd);
    } else if (!IsDigit(text[i])) {
      return {};
    }
    while (i < text.size() && IsDigit(text[i])) {
      exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentCap);
      normalised += text[i];
      ++i;
    }
    if (negative) exponent = -exponent;
  }
  skipBlanks();
  if (i != text.size()) return {};

  double value = 0;
  const char* end = normalised.data() + normalised.size();
  auto [stop, error] = std::from_chars(normalised.data(), end, value);
  if (stop != end) Fail("the reference reader left part of " + Quoted(normalised));
  if (error == std::errc::result_out_of_range) {
    std::int64_t magnitude = integerDigits > 0 ? integerDigits - 1 : -(zerosAfterPoint + 1);
    if (!sawSignificant || magnitude + exponent < 0) {
      return {beginning ? Reading::Beginning : Reading::Number,
              normalised.front() == '-' ? -0.0 : 0.0};
    }
    return {Reading::TooLarge, 0};
  }
  return {beginning ? Reading::Beginning : Reading::Number, value};
}

std::optional<double> InputValue(std::string_view text, std::string_view decimalSeparator) {
  ReferenceNumber number = ReadInputSyntax(text, decimalSeparator);
  if (number.reading != Reading::Number) return std::nullopt;
  return number.value;
}

std::optional<double> FieldValue(std::string_view text, std::string_view decimalSeparator) {
  ReferenceNumber number = ReadInputSyntax(text, decimalSeparator);
  if (number.reading != Reading::Number && number.reading != Reading::Beginning)
    return std::nullopt;
  return number.value;
}

}  // namespace zentavo::fuzz
