// What a screen reader says of the results: each one's name, its number as a Romanian voice reads
// it and its unit in words ("Rezistenta totală 1,499 kiloohmi"). A voice that reads Romanian takes
// a point for a thousands separator, so the number is said with a decimal comma whatever the
// user's number format, and an exponent is said in words.
#include <string_view>

#include "frm_zentavo.h"

namespace zentavo {
namespace {

std::string SpokenNumber(std::string_view shown, const NumberFormat& format) {
  std::string spoken;
  const std::size_t exponent = shown.find('E');
  const std::string_view mantissa = shown.substr(0, exponent);
  const std::size_t separator = mantissa.find(format.decimalSeparator);
  if (separator == std::string_view::npos) {
    spoken = mantissa;
  } else {
    spoken.append(mantissa.substr(0, separator)).append(",");
    spoken.append(mantissa.substr(separator + format.decimalSeparator.size()));
  }
  if (exponent == std::string_view::npos) return spoken;
  std::string_view power = shown.substr(exponent + 1);
  spoken += " ori 10 la puterea ";
  if (!power.empty() && (power.front() == '+' || power.front() == '-')) {
    if (power.front() == '-') spoken += "minus ";
    power.remove_prefix(1);
  }
  while (power.size() > 1 && power.front() == '0') power.remove_prefix(1);
  return spoken.append(power);
}

// The results that show a number, each said as its name, number and unit, one sentence each.
std::string Spoken(const std::vector<TextBox*>& results, const NumberFormat& format) {
  std::string spoken;
  for (const TextBox* result : results) {
    if (result->Text().empty()) continue;
    if (!spoken.empty()) spoken += ". ";
    spoken += result->AccessibleName() + ' ' + SpokenNumber(result->Text(), format);
    if (!result->AccessibleDescription().empty()) spoken += ' ' + result->AccessibleDescription();
  }
  return spoken;
}

}  // namespace

std::vector<TextBox*> frmZentavo::ResultsInReadingOrder() {
  std::vector<TextBox*> results{&txtRpt};
  for (int i = 0; i < kResistorRows; ++i) {
    results.push_back(&txtPp(i));
    results.push_back(&txtIp(i));
  }
  results.push_back(&txtUpt);
  std::erase_if(results, [](const TextBox* result) { return !result->Visible(); });
  return results;
}

void frmZentavo::UserAsksForResults() {
  if (platform_.announce) platform_.announce(Spoken(ResultsInReadingOrder(), Format()));
}

// The results at the end of the form's start-up are the ones the user first finds; a failure's
// message is what the user hears of that action.
void frmZentavo::AnnounceChangedResults(bool failed) {
  std::vector<TextBox*> heard{&txtRpt, &txtUpt};
  std::erase_if(heard, [](const TextBox* result) { return !result->Visible(); });
  std::string spoken = Spoken(heard, Format());
  const bool changed = spokenResults_ && *spokenResults_ != spoken;
  spokenResults_ = spoken;
  if (changed && !failed && platform_.announce) platform_.announce(spoken);
}

}  // namespace zentavo
