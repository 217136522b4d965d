// How a number too wide for its box is shortened for display only: characters go from its middle
// and an ellipsis stands in their place, while its sign and first digit, its decimal separator and
// its exponent stay, so that a shortened number is never read as another ("3,8103…E+21"). A
// number written without an exponent is first written with one, digit for digit, so that its size
// stays visible ("3,08641…E+13" for 30864166385802,8).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentavo {

inline constexpr std::string_view kEllipsis = "\u2026";

// The longest such shortening of `text` that `fits`, with as many leading characters as possible;
// the shortest one that keeps what must stay when none fits. A text that fits, or that holds no
// digit, is given back whole; a number without an exponent whose exponent form fits is given back
// in that form. No shortening of more than `mostCharacters` characters fits, so that a long text
// costs no more than a short one.
std::string ElideNumber(std::string_view text, std::string_view decimalSeparator,
                        const std::function<bool(std::string_view)>& fits,
                        std::size_t mostCharacters = std::string_view::npos);

// The same number in exponent form, digit for digit and without rounding ("3,08641663858028E+13"
// for "30864166385802,8", "1,5E-05" for "0,000015"), for a plain number: an optional sign, digits,
// perhaps the decimal separator and more digits, with a digit other than 0. Empty for any other
// text.
std::optional<std::string> InExponentForm(std::string_view text, std::string_view decimalSeparator);

// Where each character (UTF-16 unit) of a number is drawn in a drawing of it that ElideNumber
// gave: the first and last drawn characters that show it, left to right in the number's order,
// every drawn character showing some character of the number. The characters an ellipsis stands
// for lie at the ellipsis; in the exponent form, each shown significant digit lies at its own
// place, what comes before the first one (the sign, leading zeros) with it, and what no drawn
// character shows one by one (the hidden digits) at the ellipsis and the exponent. Empty where the
// drawing is the number itself.
struct DrawnSpan {
  int first, last;
  bool operator==(const DrawnSpan&) const = default;
};
std::vector<DrawnSpan> DrawnPositions(std::u16string_view whole, std::u16string_view drawn);

}  // namespace zentavo
