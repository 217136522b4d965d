// How a number too wide for its box is shortened for display only: characters go from its middle
// and an ellipsis stands in their place, while its sign and first digit, its decimal separator and
// its exponent stay, so that a shortened number is never read as another ("3,8103…E+21").
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zentavo {

inline constexpr std::string_view kEllipsis = "\u2026";

// The longest such shortening of `text` that `fits`, with as many leading characters as possible;
// the shortest one that keeps what must stay when none fits. A text that fits, or that holds no
// digit, is given back whole.
std::string ElideNumber(std::string_view text, std::string_view decimalSeparator,
                        const std::function<bool(std::string_view)>& fits);

}  // namespace zentavo
