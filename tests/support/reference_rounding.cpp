#include "reference_rounding.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>

#include "fuzz_check.h"

namespace zentavo::fuzz_reference {
namespace {

// 2^-1074, the smallest double, has 1074 decimals: with that many every double is written exactly.
constexpr int kExactDecimals = 1074;

double Parse(const std::string& text) {
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    Fail("the reference cannot read back " + Quoted(text));
  return value;
}

bool AnyNonZero(const std::string& digits, std::size_t from) {
  return digits.find_first_not_of('0', from) != std::string::npos;
}

// Adds one to the last digit of a string of decimal digits.
void Increment(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(0, "1");
}

}  // namespace

double ExactRoundHalfEven(double x, int places) {
  std::array<char, 400 + kExactDecimals> buffer{};
  auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                           std::chars_format::fixed, kExactDecimals)
                 .ptr;
  std::string exact(buffer.data(), end);
  std::string sign;
  if (exact.front() == '-') {
    sign = "-";
    exact.erase(0, 1);
  }
  std::size_t point = exact.find('.');
  std::string whole = exact.substr(0, point);
  std::string decimals = exact.substr(point + 1);

  auto kept = static_cast<std::size_t>(places);
  std::string digits = whole + decimals.substr(0, kept);
  char next = decimals[kept];
  bool above = next > '5' || (next == '5' && AnyNonZero(decimals, kept + 1));
  bool tie = next == '5' && !AnyNonZero(decimals, kept + 1);
  if (above || (tie && (digits.back() - '0') % 2 == 1)) Increment(digits);

  std::size_t wholeDigits = digits.size() - kept;
  return Parse(sign + digits.substr(0, wholeDigits) + "." + digits.substr(wholeDigits) + "0");
}

double RoundToFifteenDigits(double x) {
  std::array<char, 64> buffer{};
  auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                           std::chars_format::scientific, 14)
                 .ptr;
  double rounded = 0;
  if (std::from_chars(buffer.data(), end, rounded).ec == std::errc::result_out_of_range)
    return std::copysign(std::numeric_limits<double>::infinity(), x);
  return rounded;
}

}  // namespace zentavo::fuzz_reference
