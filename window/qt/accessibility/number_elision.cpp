#include "number_elision.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "utf8.h"

namespace zentavo {
namespace {

// The byte offsets at which the text's characters (code points) start, and its end.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (StartsCharacter(text[i])) starts.push_back(i);
  starts.push_back(text.size());
  return starts;
}

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

bool AllDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c); });
}

std::string MiddleCut(std::string_view text, std::string_view decimalSeparator,
                      const std::function<bool(std::string_view)>& fits,
                      std::size_t mostCharacters) {
  const std::size_t firstDigit = text.find_first_of("0123456789");
  if (firstDigit == std::string_view::npos) return std::string(text);

  const std::vector<std::size_t> starts = CharacterStarts(text);
  const std::size_t count = starts.size() - 1;
  auto characterAt = [&](std::size_t byte) {
    return static_cast<std::size_t>(std::lower_bound(starts.begin(), starts.end(), byte) -
                                    starts.begin());
  };
  // Characters that must stay: the head up to the first digit, the exponent at the tail, and the
  // decimal separator at either end.
  const std::size_t minHead = characterAt(firstDigit) + 1;
  const std::size_t exponent = std::min(text.find_first_of("Ee", firstDigit), text.size());
  const std::size_t minTail = count - characterAt(exponent);
  const std::size_t separatorByte =
      decimalSeparator.empty() ? std::string_view::npos : text.find(decimalSeparator);
  const std::size_t separator =
      separatorByte == std::string_view::npos ? count : characterAt(separatorByte);

  auto shortened = [&](std::size_t head, std::size_t tail) {
    std::string kept(text.substr(0, starts[head]));
    kept += kEllipsis;
    kept += text.substr(starts[count - tail]);
    return kept;
  };
  // A separator kept at the tail has a digit before it, so that it never follows the ellipsis.
  auto keepsSeparator = [&](std::size_t head, std::size_t tail) {
    return separator == count || separator < head || separator > count - tail;
  };

  std::string fallback;
  // Shortenings longer than the most that fit are not tried (kept counts the characters besides
  // the ellipsis), but the shortest always is: with the separator in its head where it lies
  // between the two ends.
  const bool separatorBetween = separator >= minHead && separator < count - minTail;
  const std::size_t shortest = (separatorBetween ? separator + 1 : minHead) + minTail;
  const std::size_t longest = std::max(std::min(count, mostCharacters), shortest + 1) - 1;
  for (std::size_t kept = longest; kept >= minHead + minTail && kept < count; --kept) {
    for (std::size_t head = kept - minTail; head >= minHead && head <= kept; --head) {
      const std::size_t tail = kept - head;
      if (!keepsSeparator(head, tail)) continue;
      std::string candidate = shortened(head, tail);
      if (fits(candidate)) return candidate;
      fallback = std::move(candidate);
    }
  }
  return fallback.empty() ? std::string(text) : fallback;
}

}  // namespace

std::optional<std::string> InExponentForm(std::string_view text,
                                          std::string_view decimalSeparator) {
  std::string_view sign;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    sign = text.substr(0, 1);
    text.remove_prefix(1);
  }
  std::string_view whole = text, fraction;
  if (const std::size_t at =
          decimalSeparator.empty() ? std::string_view::npos : text.find(decimalSeparator);
      at != std::string_view::npos) {
    whole = text.substr(0, at);
    fraction = text.substr(at + decimalSeparator.size());
  }
  if (whole.empty() && fraction.empty()) return std::nullopt;
  if (!AllDigits(whole) || !AllDigits(fraction)) return std::nullopt;
  const std::string digits = std::string(whole) + std::string(fraction);
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return std::nullopt;

  const long long exponent =
      static_cast<long long>(whole.size()) - 1 - static_cast<long long>(first);
  std::string form(sign);
  form += digits[first];
  if (first + 1 < digits.size()) {
    form += decimalSeparator;
    form += digits.substr(first + 1);
  }
  form += exponent < 0 ? "E-" : "E+";
  char buffer[24];
  const auto magnitude = std::to_chars(buffer, buffer + sizeof buffer, std::llabs(exponent)).ptr;
  if (magnitude - buffer < 2) form += '0';
  form.append(buffer, magnitude);
  return form;
}

std::string ElideNumber(std::string_view text, std::string_view decimalSeparator,
                        const std::function<bool(std::string_view)>& fits,
                        std::size_t mostCharacters) {
  auto mayFit = [&](std::string_view shown) {
    return CharacterCount(shown) <= mostCharacters && fits(shown);
  };
  if (mayFit(text)) return std::string(text);
  if (const std::optional<std::string> form = InExponentForm(text, decimalSeparator)) {
    if (mayFit(*form)) return *form;
    return MiddleCut(*form, decimalSeparator, mayFit, mostCharacters);
  }
  return MiddleCut(text, decimalSeparator, mayFit, mostCharacters);
}

std::vector<DrawnSpan> DrawnPositions(std::u16string_view whole, std::u16string_view drawn) {
  if (whole == drawn) return {};
  const auto size = static_cast<int>(whole.size());
  const auto end = static_cast<int>(drawn.size()) - 1;
  const std::size_t cut = drawn.find(u'\u2026');
  const auto exponent = [](std::u16string_view text) { return text.find_first_of(u"Ee"); };
  std::vector<DrawnSpan> spans(whole.size());

  if (exponent(whole) == std::u16string_view::npos &&
      exponent(drawn) != std::u16string_view::npos) {
    // The exponent form.
    const int rest = static_cast<int>(cut != std::u16string_view::npos ? cut : exponent(drawn));
    std::vector<int> digits;  // the significant digits drawn, in order
    for (int d = 0; d < rest; ++d)
      if (IsDigit(drawn[static_cast<std::size_t>(d)])) digits.push_back(d);
    digits.push_back(rest);
    std::size_t shown = 0;
    bool significant = false;
    for (int w = 0; w < size; ++w) {
      const char16_t c = whole[static_cast<std::size_t>(w)];
      significant = significant || (IsDigit(c) && c != u'0');
      auto& span = spans[static_cast<std::size_t>(w)];
      if (!significant) {
        span = {0, 0};  // with the first significant digit, below
      } else if (IsDigit(c) && shown + 1 < digits.size()) {
        // Up to the next digit drawn, so that the first digit takes the separator after it.
        span = {shown == 0 ? 0 : digits[shown], digits[shown + 1] - 1};
        if (shown++ == 0)
          for (int before = 0; before < w; ++before) spans[static_cast<std::size_t>(before)] = span;
      } else if (shown + 1 < digits.size()) {
        span = spans[static_cast<std::size_t>(w - 1)];  // a separator among the digits drawn
      } else {
        span = {rest, end};
      }
    }
    spans.back().last = end;
    return spans;
  }
  // A middle cut: the head and the tail are the number's own.
  const int head = cut == std::u16string_view::npos ? end + 1 : static_cast<int>(cut);
  const int tail = end - head;
  for (int w = 0; w < size; ++w) {
    auto& span = spans[static_cast<std::size_t>(w)];
    if (w < head) {
      span = {w, w};
    } else if (w >= size - tail) {
      span = {w - (size - tail) + head + 1, w - (size - tail) + head + 1};
    } else {
      span = {head, head};
    }
  }
  return spans;
}

}  // namespace zentavo
