#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>
#include <utility>

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
  bool beginning = false;  // more typing is needed before it is a number
};

struct Syntax {
  std::string_view decimalPoint;
  std::string_view otherDecimalPoint;  // empty when only one is accepted
  std::string_view groupSeparator;     // empty when grouping is not accepted
  bool beginnings = false;             // accept the beginning of a number at the end of the text
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
  if (!sawDigit) {
    // A decimal point alone, as typed on the way to ".5".
    if (!(syntax.beginnings && sawPoint && in.AtEnd())) return std::nullopt;
    number.beginning = true;
    return number;
  }
  std::int64_t exponent = 0;
  if (in.Peek() == 'E' || in.Peek() == 'e') {
    in.Skip(1);
    bool negativeExponent = false;
    if (in.Peek() == '+' || in.Peek() == '-') {
      negativeExponent = in.Peek() == '-';
      in.Skip(1);
    }
    if (syntax.beginnings && in.AtEnd()) {
      // An exponent still without digits, as typed on the way to "1e-5": the number so far.
      number.beginning = true;
    } else if (!IsDigit(in.Peek())) {
      return std::nullopt;
    }
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

// Up to 15 digits and a power of ten up to 22 are both exact doubles, so one multiplication or
// division rounds correctly; everything else goes to from_chars.
std::optional<double> ExactlyComputed(const ScannedNumber& number) {
  constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (number.digits.size() > 15 || number.exponent < -22 || number.exponent > 22)
    return std::nullopt;
  std::int64_t whole = 0;
  for (char c : number.digits) whole = whole * 10 + (c - '0');
  double value = static_cast<double>(whole);
  auto power = kPowers[std::abs(number.exponent)];
  return number.exponent < 0 ? value / power : value * power;
}

Converted ToDouble(const ScannedNumber& number) {
  double zero = number.negative ? -0.0 : 0.0;
  if (number.digits.empty()) return {zero};
  std::int64_t magnitude = number.exponent + static_cast<std::int64_t>(number.digits.size()) - 1;
  if (magnitude < -400) return {zero};
  if (magnitude > 400) return {0, true};
  if (auto exact = ExactlyComputed(number)) return {number.negative ? -*exact : *exact};
  std::string ascii;
  ascii.reserve(number.digits.size() + 24);
  ascii += number.digits;
  ascii += 'e';
  std::array<char, 24> power{};
  ascii.append(power.data(),
               std::to_chars(power.data(), power.data() + power.size(), number.exponent).ptr);
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
  if (text.size() == 1 && IsDigit(text[0])) return static_cast<std::uint8_t>(text[0] - '0');
  double rounded = RoundHalfEven(TextToDouble(text, format), 0);
  if (rounded < 0 || rounded > 255) throw Failure(FailureKind::Overflow);
  return static_cast<std::uint8_t>(rounded);
}

FieldReading ReadValueField(std::string_view text, const NumberFormat& format) {
  std::string_view localPoint = format.decimalSeparator;
  if (localPoint == ".") localPoint = {};
  auto scanned = Scan(text, {".", localPoint, {}, true});
  if (!scanned) return {};
  Converted result = ToDouble(*scanned);
  if (result.tooLarge) return {};
  return {scanned->beginning ? FieldReading::Kind::Beginning : FieldReading::Kind::Number,
          result.value};
}

std::optional<double> ReadInputNumber(std::string_view text, const NumberFormat& format) {
  FieldReading reading = ReadValueField(text, format);
  if (reading.kind != FieldReading::Kind::Number) return std::nullopt;
  return reading.value;
}

namespace {

// What the lists' own texts do not say: the other letters printed on parts for a prefix, and how
// a base unit is marked where it stands for the decimal point ("R47", "4R7") or written as a
// symbol.
constexpr std::pair<std::string_view, std::string_view> kPrefixAliases[] = {
    {"k", "K"}, {"u", "\u00b5"}, {"u", "\u03bc"}};
struct BaseUnitMarks {
  std::string_view name;
  std::string_view pointLetters[2];
  std::string_view symbols[2];
};
constexpr BaseUnitMarks kBaseUnitMarks[] = {{"Ohm", {"R", "r"}, {"\u03a9", "\u2126"}}};

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Lower(x) == Lower(y); });
}
std::string_view TrimmedRight(std::string_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}
// A sign and digits only, after blanks: what may stand before a letter that marks the point.
bool IsSignAndDigits(std::string_view text, bool& hasDigits) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  hasDigits = i < text.size();
  return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(i), text.end(), IsDigit);
}

}  // namespace

UnitSpelling::UnitSpelling(const std::vector<std::string>& entries) {
  // The base unit is the entry that every entry ends with.
  const auto base = std::find_if(entries.begin(), entries.end(), [&](const std::string& unit) {
    return std::all_of(entries.begin(), entries.end(),
                       [&](const std::string& entry) { return entry.ends_with(unit); });
  });
  if (base == entries.end()) return;
  const auto baseEntry = static_cast<int>(base - entries.begin());
  std::vector<std::string> names{*base};
  const BaseUnitMarks* marks = nullptr;
  for (const BaseUnitMarks& known : kBaseUnitMarks)
    if (known.name == *base) marks = &known;
  if (marks)
    for (std::string_view symbol : marks->symbols) names.emplace_back(symbol);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto entry = static_cast<int>(i);
    if (entry == baseEntry) {
      letters_.push_back(marks ? std::string(marks->pointLetters[0]) : *base);
      continue;
    }
    const std::string prefix = entries[i].substr(0, entries[i].size() - base->size());
    letters_.push_back(prefix);
    const Spelled spelled{.entry = entry, .standsForPoint = true, .rest = names};
    spellings_.emplace_back(prefix, spelled);
    for (auto [letter, alias] : kPrefixAliases)
      if (letter == prefix) spellings_.emplace_back(std::string(alias), spelled);
  }
  for (const std::string& name : names) spellings_.emplace_back(name, Spelled{.entry = baseEntry});
  if (marks)
    for (std::string_view letter : marks->pointLetters)
      spellings_.emplace_back(std::string(letter),
                              Spelled{.entry = baseEntry, .standsForPoint = true, .leads = true});
}

std::vector<std::string> UnitRestAfter(std::string_view typed,
                                       const std::vector<std::string>& names) {
  std::vector<std::string> rest;
  for (const std::string& name : names)
    if (typed.size() <= name.size() && SameIgnoringCase(typed, name.substr(0, typed.size())))
      rest.push_back(name.substr(typed.size()));
  return rest;
}

std::vector<std::string> UnitSpelling::Letters() const {
  return letters_;
}

std::optional<UnitSpelling::Spelled> UnitSpelling::At(std::string_view text) const {
  const std::string_view typed = TrimmedRight(text);
  std::optional<Spelled> found;
  for (const auto& [spelling, spelled] : spellings_) {
    // A base unit's name may be written in any case, and only begun at the end of the text.
    const bool isName = !spelled.standsForPoint;
    const std::string_view start = text.substr(0, spelling.size());
    std::optional<Spelled> match;
    if (start == spelling || (isName && SameIgnoringCase(start, spelling))) {
      match = spelled;
      match->length = spelling.size();
    } else if (isName && !typed.empty() && typed.size() < spelling.size() &&
               SameIgnoringCase(typed, std::string_view(spelling).substr(0, typed.size()))) {
      match = spelled;
      match->length = typed.size();
      match->rest = {spelling.substr(typed.size())};
    }
    if (match && (!found || match->length > found->length)) found = std::move(match);
  }
  return found;
}

namespace {

// A number followed by its unit: "4.7 kOhm", "12mA", "47k".
std::optional<TypedValue> NumberAndUnit(std::string_view head, std::string_view tail,
                                        const UnitSpelling::Spelled& unit,
                                        const NumberFormat& format) {
  const std::string_view number = TrimmedRight(head);
  if (ReadValueField(number, format).kind != FieldReading::Kind::Number) return std::nullopt;
  std::vector<std::string> rest = unit.rest;
  if (!TrimmedRight(tail).empty()) {
    rest = UnitRestAfter(TrimmedRight(tail), unit.rest);
    if (rest.empty()) return std::nullopt;
  }
  bool hasDigits = false;
  return TypedValue{
      .number = std::string(number),
      .unit = unit.entry,
      .caret = number.size(),
      .pointMayFollow = unit.standsForPoint && tail.empty() && IsSignAndDigits(number, hasDigits),
      .rest = std::move(rest)};
}

// A letter where the decimal point is ("4k7", "2M2", "R47"), or one that begins a number ("R").
std::optional<TypedValue> LetterForPoint(std::string_view head, std::string_view tail,
                                         const UnitSpelling::Spelled& unit,
                                         const NumberFormat& format) {
  bool hasDigits = false;
  if (!unit.standsForPoint || !IsSignAndDigits(head, hasDigits) || (!hasDigits && !unit.leads))
    return std::nullopt;
  const std::string whole = std::string(head) + (hasDigits ? "" : "0");
  if (tail.empty())
    return TypedValue{
        .number = whole, .unit = unit.entry, .caret = whole.size(), .pointMayFollow = true};
  std::size_t digits = 0;
  while (digits < tail.size() && IsDigit(tail[digits])) ++digits;
  const std::string_view after = TrimmedRight(tail.substr(digits));
  std::vector<std::string> rest = after.empty() ? unit.rest : UnitRestAfter(after, unit.rest);
  if (digits == 0 || (rest.empty() && !after.empty())) return std::nullopt;
  std::string number = whole + format.decimalSeparator + std::string(tail.substr(0, digits));
  if (ReadValueField(number, format).kind != FieldReading::Kind::Number) return std::nullopt;
  return TypedValue{.number = std::move(number),
                    .unit = unit.entry,
                    .caret = whole.size() + format.decimalSeparator.size(),
                    .rest = std::move(rest)};
}

}  // namespace

std::optional<TypedValue> ReadTypedValue(std::string_view text, const UnitSpelling& units,
                                         const NumberFormat& format) {
  if (ReadValueField(text, format).kind != FieldReading::Kind::NotANumber)
    return TypedValue{.number = std::string(text), .caret = text.size()};
  for (std::size_t at = 0; at < text.size(); ++at) {
    const std::optional<UnitSpelling::Spelled> unit = units.At(text.substr(at));
    if (!unit) continue;
    const std::string_view head = text.substr(0, at);
    const std::string_view tail = text.substr(at + unit->length);
    if (auto typed = NumberAndUnit(head, tail, *unit, format)) return typed;
    return LetterForPoint(head, tail, *unit, format);
  }
  return std::nullopt;
}

std::string DoubleToText(double x, const NumberFormat& format) {
  if (!std::isfinite(x)) throw Failure(FailureKind::Overflow);
  if (x == 0) return "0";
  // d.dddde±XX: the exact value rounded to 15 significant digits. For a normal double the
  // shortest text that reads back as x is that rounding whenever it has 15 digits or fewer (x is
  // then within half a unit in its last place of it, far less than half a 15-digit step), and it
  // is much faster to get; a subnormal double has too few bits for that.
  std::array<char, 32> written{};
  char* end = std::to_chars(written.data(), written.data() + written.size(), std::fabs(x),
                            std::chars_format::scientific)
                  .ptr;
  char* e = std::find(written.data(), end, 'e');
  if (e - written.data() > 16 || std::fabs(x) < std::numeric_limits<double>::min()) {
    end = std::to_chars(written.data(), written.data() + written.size(), std::fabs(x),
                        std::chars_format::scientific, 14)
              .ptr;
    e = std::find(written.data(), end, 'e');
  }
  int exponent = 0;
  std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
  std::array<char, 15> digits{};
  digits.fill('0');
  digits[0] = written[0];
  if (e - written.data() > 2) std::copy(written.data() + 2, e, digits.data() + 1);
  std::size_t count = 15;
  while (count > 1 && digits[count - 1] == '0') --count;
  std::string_view significant(digits.data(), count);

  std::string text;
  text.reserve(40);
  if (x < 0) text += '-';
  if (exponent < -4 || exponent > 14) {
    text += significant[0];
    if (count > 1) (text += format.decimalSeparator) += significant.substr(1);
    text += exponent < 0 ? "E-" : "E+";
    if (std::abs(exponent) < 10) text += '0';
    std::array<char, 8> power{};
    text.append(power.data(),
                std::to_chars(power.data(), power.data() + power.size(), std::abs(exponent)).ptr);
  } else if (exponent >= 0) {
    auto whole = static_cast<std::size_t>(exponent) + 1;
    if (count <= whole) {
      (text += significant).append(whole - count, '0');
    } else {
      (text += significant.substr(0, whole)) += format.decimalSeparator;
      text += significant.substr(whole);
    }
  } else {
    (text += '0') += format.decimalSeparator;
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    text += significant;
  }
  return text;
}

double RoundHalfEven(double x, int places) {
  if (!std::isfinite(x)) return x;
  // A double of 2^52 or more is a whole number already.
  if (std::fabs(x) >= 4503599627370496.0 || x == std::trunc(x)) return x;
  // The fixed notation of to_chars is exact: it rounds the binary value itself, ties to even.
  // Below 2^52 the integer part has at most 16 digits.
  std::array<char, 64> buffer{};
  places = std::clamp(places, 0, 40);
  auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                           std::chars_format::fixed, places)
                 .ptr;
  double rounded = 0;
  std::from_chars(buffer.data(), end, rounded);
  return rounded;
}

}  // namespace zentavo
