#include "number_elision.h"

#include <algorithm>
#include <vector>

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

}  // namespace

std::string ElideNumber(std::string_view text, std::string_view decimalSeparator,
                        const std::function<bool(std::string_view)>& fits) {
  if (fits(text)) return std::string(text);
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
  for (std::size_t kept = count - 1; kept >= minHead + minTail && kept < count; --kept) {
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

}  // namespace zentavo
