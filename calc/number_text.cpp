#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

#include "failure.h"

namespace zentavo {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// What a number text says, before it becomes a double: its sign, its significant digits and the
// power of ten that the last of them stands for.
struct ScannedNumber {
  bool negative = false;
  std::string digits;
  std::int64_t exponent = 0;
};

struct Syntax {
  std::string_view decimalPoint;
  std::string_view otherDecimalPoint;  // empty when only one is accepted
  std::string_view groupSeparator;     // empty when grouping is not accepted
};

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void Skip(std::size_t n) { pos_ += n; }
  bool Take(std::string_view token) {
    if (token.empty() || text_.substr(pos_).substr(0, token.size()) != token) return false;
    pos_ += token.size();
    return true;
  }
  bool DigitAfter(std::string_view token) const {
    std::size_t next = pos_ + token.size();
    return text_.substr(pos_).starts_with(token) && next < text_.size() && IsDigit(text_[next]);
  }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(Peek())) ++pos_;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

constexpr std::int64_t kExponentLimit = 1'000'000'000;

std::optional<ScannedNumber> Scan(std::string_view text, const Syntax& syntax) {
  Scanner in(text);
  ScannedNumber number;
  in.SkipBlanks();
  if (in.Peek() == '+' || in.Peek() == '-') {
    number.negative = in.Peek() == '-';
    in.Skip(1);
  }
  bool sawDigit = false;
  bool sawPoint = false;
  std::int64_t fractionDigits = 0;
  while (!in.AtEnd()) {
    char c = in.Peek();
    if (IsDigit(c)) {
      if (!number.digits.empty() || c != '0') number.digits += c;
      if (sawPoint) ++fractionDigits;
      sawDigit = true;
      in.Skip(1);
    } else if (!sawPoint && (in.Take(syntax.decimalPoint) || in.Take(syntax.otherDecimalPoint))) {
      sawPoint = true;
    } else if (!sawPoint && sawDigit && in.DigitAfter(syntax.groupSeparator) &&
               !syntax.groupSeparator.empty()) {
      in.Take(syntax.groupSeparator);
    } else {
      break;
    }
  }
  if (!sawDigit) return std::nullopt;
  std::int64_t exponent = 0;
  if (in.Peek() == 'E' || in.Peek() == 'e') {
    in.Skip(1);
    bool negativeExponent = false;
    if (in.Peek() == '+' || in.Peek() == '-') {
      negativeExponent = in.Peek() == '-';
      in.Skip(1);
    }
    if (!IsDigit(in.Peek())) return std::nullopt;
    while (IsDigit(in.Peek())) {
      exponent = std::min(exponent * 10 + (in.Peek() - '0'), kExponentLimit);
      in.Skip(1);
    }
    if (negativeExponent) exponent = -exponent;
  }
  in.SkipBlanks();
  if (!in.AtEnd()) return std::nullopt;
  // Trailing zeros only move the exponent; dropping them keeps the digit string short.
  std::size_t significant = number.digits.find_last_not_of('0');
  std::int64_t dropped = 0;
  if (significant != std::string::npos) {
    dropped = static_cast<std::int64_t>(number.digits.size() - significant - 1);
    number.digits.resize(significant + 1);
  }
  number.exponent = exponent - fractionDigits + dropped;
  return number;
}

struct Converted {
  double value = 0;
  bool tooLarge = false;
};

Converted ToDouble(const ScannedNumber& number) {
  double zero = number.negative ? -0.0 : 0.0;
  if (number.digits.empty()) return {zero};
  std::int64_t magnitude = number.exponent + static_cast<std::int64_t>(number.digits.size()) - 1;
  if (magnitude < -400) return {zero};
  if (magnitude > 400) return {0, true};
  std::string ascii = number.digits + "e" + std::to_string(number.exponent);
  double value = 0;
  auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  // from_chars says "out of range" alike for a value that rounds to zero and one past the largest
  // double; only the second is an overflow.
  if (error == std::errc::result_out_of_range) {
    if (magnitude < 0) return {zero};
    return {0, true};
  }
  return {number.negative ? -value : value};
}

}  // namespace

double TextToDouble(std::string_view text, const NumberFormat& format) {
  auto scanned = Scan(text, {format.decimalSeparator, {}, format.groupSeparator});
  if (!scanned) throw Failure(FailureKind::TypeMismatch);
  Converted result = ToDouble(*scanned);
  if (result.tooLarge) throw Failure(FailureKind::Overflow);
  return result.value;
}

std::uint8_t TextToByte(std::string_view text, const NumberFormat& format) {
  double rounded = RoundHalfEven(TextToDouble(text, format), 0);
  if (rounded < 0 || rounded > 255) throw Failure(FailureKind::Overflow);
  return static_cast<std::uint8_t>(rounded);
}

std::optional<double> ReadInputNumber(std::string_view text, const NumberFormat& format) {
  std::string_view localPoint = format.decimalSeparator == "." ? "" : format.decimalSeparator;
  auto scanned = Scan(text, {".", localPoint, {}});
  if (!scanned) return std::nullopt;
  Converted result = ToDouble(*scanned);
  if (result.tooLarge) return std::nullopt;
  return result.value;
}

std::string DoubleToText(double x, const NumberFormat& format) {
  if (!std::isfinite(x)) throw Failure(FailureKind::Overflow);
  if (x == 0) return "0";
  std::array<char, 64> buffer{};
  auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                           std::chars_format::scientific, 14)
                 .ptr;
  std::string_view written(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
  bool negative = written.front() == '-';
  if (negative) written.remove_prefix(1);
  std::size_t e = written.find('e');
  int exponent = 0;
  std::from_chars(written.data() + e + (written[e + 1] == '+' ? 2 : 1), written.end(), exponent);
  std::string digits;
  for (char c : written.substr(0, e))
    if (IsDigit(c)) digits += c;
  digits.erase(digits.find_last_not_of('0') + 1);

  std::string text = negative ? "-" : "";
  if (exponent < -4 || exponent > 14) {
    text += digits[0];
    if (digits.size() > 1) text += format.decimalSeparator + digits.substr(1);
    std::string power = std::to_string(std::abs(exponent));
    if (power.size() < 2) power.insert(0, "0");
    text += (exponent < 0 ? "E-" : "E+") + power;
  } else if (exponent >= 0) {
    auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      text += digits + std::string(whole - digits.size(), '0');
    } else {
      text += digits.substr(0, whole) + format.decimalSeparator + digits.substr(whole);
    }
  } else {
    text += "0" + format.decimalSeparator +
            std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  return text;
}

double RoundHalfEven(double x, int places) {
  if (!std::isfinite(x)) return x;
  // The fixed notation of to_chars is exact: it rounds the binary value itself, ties to even.
  std::string buffer(330 + static_cast<std::size_t>(std::max(places, 0)), '\0');
  auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                           std::chars_format::fixed, std::max(places, 0))
                 .ptr;
  double rounded = 0;
  std::from_chars(buffer.data(), end, rounded);
  return rounded;
}

std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((text[i] & 0xC0) != 0x80 && seen++ == count) return std::string(text.substr(0, i));
  }
  return std::string(text);
}

}  // namespace zentavo
