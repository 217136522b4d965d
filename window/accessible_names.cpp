// Names a screen reader says for each control: the caption over its column or beside it, and the
// resistor's number for a row. Each value also carries the unit shown beside it, in words, as its
// description, so that the reader says "Puterea disipată 1, 1,25, miliwați" and not a bare number;
// each unit list carries the quantity it qualifies ("47 kiloohmi"), which a reader announces when
// the user picks a unit, and each unit box the words of its unit. The screen keeps the
// abbreviations.
#include <initializer_list>
#include <string_view>
#include <type_traits>

#include "frm_zentavo.h"

namespace zentavo {
namespace {

std::string Trimmed(std::string caption) {
  while (!caption.empty() && (caption.back() == ':' || caption.back() == ' ')) caption.pop_back();
  while (!caption.empty() && caption.front() == ' ') caption.erase(0, 1);
  return caption;
}

const std::string kUnit = ", unitate";

// Every unit the window shows, in words a Romanian voice cannot confuse: read as letters, "mW" and
// "MW" differ only in stress, and "uA" is said "u a".
struct UnitWords {
  std::string_view unit, words;
};
constexpr UnitWords kUnitWords[] = {
    {"Ohm", "ohmi"},      {"kOhm", "kiloohmi"}, {"MOhm", "megaohmi"}, {"uA", "microamperi"},
    {"mA", "miliamperi"}, {"A", "amperi"},      {"uV", "microvolți"}, {"mV", "milivolți"},
    {"V", "volți"},       {"kV", "kilovolți"},  {"MV", "megavolți"},  {"uW", "microwați"},
    {"mW", "miliwați"},   {"W", "wați"},        {"kW", "kilowați"},   {"MW", "megawați"},
};

// The unit in words; an empty unit stays empty.
std::string InWords(std::string_view unit) {
  for (const UnitWords& row : kUnitWords)
    if (row.unit == unit) return std::string(row.words);
  return std::string(unit);
}

// The value's description follows the text shown by its unit control from now on.
template <typename Unit>
void DescribeByUnit(Control& value, Unit& unit) {
  constexpr bool kCaption = std::is_same_v<Unit, Label>;
  auto describe = [&value, &unit] {
    if constexpr (kCaption) {
      value.SetAccessibleDescription(InWords(unit.Caption()));
    } else {
      value.SetAccessibleDescription(InWords(unit.Text()));
    }
  };
  describe();
  unit.Watch([describe](Property property) {
    if (property == (kCaption ? Property::Caption : Property::Text)) describe();
  });
}

// The unit list's description follows its value and its own entry from now on.
void DescribeByQuantity(ComboBox& unit, TextBox& value) {
  auto describe = [&unit, &value] {
    unit.SetAccessibleDescription(value.Text() + ' ' + InWords(unit.Text()));
  };
  describe();
  for (Control* shown : std::initializer_list<Control*>{&unit, &value}) {
    shown->Watch([describe](Property property) {
      if (property == Property::Text) describe();
    });
  }
}

// A unit box is described by the words of the unit it shows, from now on.
void DescribeInWords(TextBox& unit) {
  auto describe = [&unit] { unit.SetAccessibleDescription(InWords(unit.Text())); };
  describe();
  unit.Watch([describe](Property property) {
    if (property == Property::Text) describe();
  });
}

}  // namespace

void frmZentavo::NameForScreenReaders() {
  for (int i = 0; i < kResistorRows; ++i) {
    std::string row(1, ' ');
    row += std::to_string(i + 1);
    const std::string resistance = lblEticheteP(0).Caption() + row;
    const std::string power = lblEticheteP(1).Caption() + row;
    const std::string current = lblEticheteP(2).Caption() + row;
    txtRp(i).SetAccessibleName(resistance);
    cboRp(i).SetAccessibleName(resistance + kUnit);
    txtPp(i).SetAccessibleName(power);
    txtUMW(i).SetAccessibleName(power + kUnit);
    txtIp(i).SetAccessibleName(current);
    txtUMI(i).SetAccessibleName(current + kUnit);
    DescribeByUnit(txtRp(i), cboRp(i));
    DescribeByQuantity(cboRp(i), txtRp(i));
    DescribeByUnit(txtPp(i), txtUMW(i));
    DescribeByUnit(txtIp(i), txtUMI(i));
    DescribeInWords(txtUMW(i));
    DescribeInWords(txtUMI(i));
  }
  cboRezP.SetAccessibleName(Trimmed(lblP.Caption()));
  txtRpt.SetAccessibleName(Trimmed(lblEticheteP(3).Caption()));
  txtIpt.SetAccessibleName(lblEticheteP(4).Caption());
  cboIpt.SetAccessibleName(lblEticheteP(4).Caption() + kUnit);
  txtUpt.SetAccessibleName(lblEticheteP(5).Caption());
  txtUMU.SetAccessibleName(lblEticheteP(5).Caption() + kUnit);
  cmdClear.SetAccessibleName(cmdClear.Caption());
  frm.SetAccessibleName(Trimmed(frm.Caption()));
  DescribeByUnit(txtRpt, lblUMr);
  DescribeByUnit(txtIpt, cboIpt);
  DescribeByQuantity(cboIpt, txtIpt);
  DescribeByUnit(txtUpt, txtUMU);
  DescribeInWords(txtUMU);
}

}  // namespace zentavo
