#include "reference_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <map>
#include <regex>
#include <string>
#include <system_error>
#include <vector>

#include "fuzz_check.h"

namespace zentavo::fuzz_reference {
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

namespace {

// Each list's units as patterns: the prefix letters of its entries, its base unit's name (any of
// its beginnings, in any case) and the letter that marks the point for the base unit.
struct UnitPatterns {
  std::array<const char*, 3> prefixes;  // of entries 0 to 2; null for the base unit
  int baseEntry;
  const char* name;
  std::vector<std::string> names;  // the whole names, to tell what remains of one begun
  const char* pointLetter;         // null where the base unit has none
};
const UnitPatterns kResistorPatterns{{nullptr, "k|K", "M"},
                                     0,
                                     "[Oo](?:[Hh][Mm]?)?|\u03a9|\u2126",
                                     {"ohm", "\u03a9", "\u2126"},
                                     "R|r"};
const UnitPatterns kCurrentPatterns{{"u|\u00b5|\u03bc", "m", nullptr}, 2, "[Aa]", {"a"}, nullptr};

std::string LowerCase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// What remains of each name that `typed` begins.
std::vector<std::string> Remaining(const std::vector<std::string>& names,
                                   const std::string& typed) {
  std::vector<std::string> rest;
  for (const std::string& name : names)
    if (name.starts_with(LowerCase(typed))) rest.push_back(name.substr(typed.size()));
  return rest;
}

std::string Escaped(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    if (std::string_view(".,+*?()[]{}|^$\\").find(c) != std::string_view::npos) escaped += '\\';
    escaped += c;
  }
  return escaped;
}

// Each pattern is compiled once: the random tests read hundreds of thousands of texts.
bool Matches(const std::string& text, const std::string& pattern, std::smatch& match) {
  static std::map<std::string, std::regex> compiled;
  auto found = compiled.find(pattern);
  if (found == compiled.end()) found = compiled.emplace(pattern, std::regex(pattern)).first;
  return std::regex_match(text, match, found->second);
}

}  // namespace

std::optional<ReferenceTyped> ReadWithUnit(std::string_view text, std::string_view decimalSeparator,
                                           UnitList list) {
  const UnitPatterns& units = list == UnitList::Resistor ? kResistorPatterns : kCurrentPatterns;
  const std::string blanks = "[ \t]*";
  const std::string sign = "[ \t]*[+-]?";
  const std::string point = "(?:\\.|" + Escaped(decimalSeparator) + ")";
  const std::string number =
      "(" + sign + "(?:[0-9]+(?:" + point + "[0-9]*)?|" + point + "[0-9]+)(?:[eE][+-]?[0-9]+)?)";
  const std::string name = "(?:" + std::string(units.name) + ")";
  const std::string whole(text);
  std::smatch m;
  for (int entry = 0; entry < 3; ++entry) {
    const bool base = entry == units.baseEntry;
    const char* letter = base ? units.pointLetter : units.prefixes[static_cast<std::size_t>(entry)];
    // A number, then its unit: (letter)(name)(blanks), with a name only where one may follow.
    struct Form {
      std::string unit;
      bool nameFollows;
    };
    std::vector<Form> forms;
    if (!base) forms.push_back({"(" + std::string(letter) + ")(" + name + "?)", true});
    if (base) forms.push_back({"()(" + name + ")", true});
    if (base && letter) forms.push_back({"(" + std::string(letter) + ")()", false});
    for (const Form& form : forms) {
      if (!Matches(whole, number + blanks + form.unit + "(" + blanks + ")", m)) continue;
      const std::string kept = m[1].str();
      if (ReadInputSyntax(kept, decimalSeparator).reading != Reading::Number) return std::nullopt;
      const bool letterAlone = m[2].length() > 0 && m[3].length() == 0 && m[4].length() == 0;
      const std::string typedName = m[3].str();
      std::smatch unused;
      return ReferenceTyped{
          kept, entry, letterAlone && Matches(kept, sign + "[0-9]+", unused),
          form.nameFollows ? Remaining(units.names, typedName) : std::vector<std::string>{}};
    }
    if (!letter) continue;
    // The letter where the decimal point is; the base unit's may stand before any digit.
    if (Matches(whole,
                "(" + sign + ")([0-9]*)(?:" + letter + ")([0-9]+)(" + (base ? "" : name + "?") +
                    ")" + blanks,
                m)) {
      if (m[2].length() == 0 && !base) return std::nullopt;
      const std::string kept = m[1].str() + (m[2].length() == 0 ? "0" : m[2].str()) +
                               std::string(decimalSeparator) + m[3].str();
      if (ReadInputSyntax(kept, decimalSeparator).reading != Reading::Number) return std::nullopt;
      return ReferenceTyped{kept, entry, false,
                            base ? std::vector<std::string>{} : Remaining(units.names, m[4].str())};
    }
    if (base && Matches(whole, "(" + sign + ")(?:" + letter + ")", m))
      return ReferenceTyped{m[1].str() + "0", entry, true, {}};
  }
  return std::nullopt;
}

}  // namespace zentavo::fuzz_reference
