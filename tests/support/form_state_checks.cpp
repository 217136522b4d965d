#include "form_state_checks.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "circuit_reference.h"
#include "fuzz_check.h"
#include "reference_number.h"
#include "utf8_text.h"

namespace zentavo::form_checks {

using namespace fuzz_reference;
namespace {

constexpr int kRowPitch = 720;
constexpr int kFourRowWindowHeight = 5145;
constexpr long double kShownRounding = 0.0005L;  // half a unit of the 3rd decimal

// A unit text and what one of it is in the base unit.
struct Unit {
  std::string_view text;
  long double factor;
};

constexpr Unit kResistanceUnits[] = {{"Ohm", 1}, {"kOhm", 1e3L}, {"MOhm", 1e6L}};
constexpr Unit kVoltageUnits[] = {
    {"uV", 1e-6L}, {"mV", 1e-3L}, {"V", 1}, {"kV", 1e3L}, {"MV", 1e6L}};
constexpr Unit kPowerUnits[] = {{"uW", 1e-6L}, {"mW", 1e-3L}, {"W", 1}, {"kW", 1e3L}, {"MW", 1e6L}};
constexpr Unit kCurrentUnits[] = {{"uA", 1e-6L}, {"mA", 1e-3L}, {"A", 1}};

std::string StateOf(frmZentavo& form) {
  std::string state;
  for (Control* control : form.Controls()) {
    const std::string text = HeldText(*control);
    if (control->Kind() == ControlKind::TextBox || control->Kind() == ControlKind::ComboBox ||
        control->Name() == "lblUMr")
      state += "\n  " + control->QualifiedName() + " = " + Quoted(text) +
               (control->Visible() ? "" : " (hidden)");
  }
  return state;
}

class StateCheck {
 public:
  StateCheck(frmZentavo& form, const ActionOutcome& outcome)
      : form_(form), outcome_(outcome), separator_(form.Format().decimalSeparator) {}

  void Run();

 private:
  void Require(bool holds, const char* property) {
    if (!holds) Fail(std::string(property) + "\nafter " + outcome_.action + StateOf(form_));
  }
  std::optional<double> Value(const std::string& text) const {
    return FieldValue(text, separator_);
  }

  void CheckValueFields();
  int CheckCount();
  void CheckRows(int count);
  CircuitInputs Inputs(int count);
  void CheckResults(int count);
  bool Cleared();
  void CheckComputed(const CircuitReference& reference, int count);
  void CheckShown(const std::string& text, const std::string& unit,
                  std::initializer_list<Unit> units, Range expected, long double roundingAbove,
                  bool roundedToThreeDecimals, const char* property);

  frmZentavo& form_;
  const ActionOutcome& outcome_;
  std::string separator_;
};

void StateCheck::Run() {
  CheckValueFields();
  int count = CheckCount();
  CheckRows(count);
  CheckResults(count);
}

void StateCheck::CheckValueFields() {
  for (const TextBox& field : form_.txtRp) {
    Require(Characters(field.Text()).size() <= 6, "a resistor field holds at most 6 characters");
    std::optional<double> value = Value(field.Text());
    Require(value && !(*value < 0), "every resistor field holds a non-negative number");
  }
  std::optional<double> current = Value(form_.txtIpt.Text());
  Require(current && !(*current < 0), "the current field holds a non-negative number");
}

int StateCheck::CheckCount() {
  const std::string& text = form_.cboRezP.Text();
  Require(text == "2" || text == "3" || text == "4", "the count box holds 2, 3 or 4");
  return text[0] - '0';
}

void StateCheck::CheckRows(int count) {
  for (int i = 0; i < kResistorRows; ++i) {
    for (const Control* control : std::initializer_list<const Control*>{
             &form_.txtRp(i), &form_.cboRp(i), &form_.txtPp(i), &form_.txtUMW(i), &form_.txtIp(i),
             &form_.txtUMI(i), &form_.shaRez(i)})
      Require(control->Visible() == (i < count), "exactly the rows in use are visible");
  }
  for (int j = 0; j < 3; ++j)
    Require(form_.shaP(j).Visible() == (j <= count - 2), "exactly the loops joining them show");
  Require(form_.frm.Height() == kFourRowWindowHeight - kRowPitch * (kResistorRows - count),
          "the window is one row pitch shorter for each resistor fewer than four");
}

CircuitInputs StateCheck::Inputs(int count) {
  CircuitInputs inputs;
  inputs.count = count;
  for (int k = 0; k < count; ++k) {
    const std::string& unit = form_.cboRp(k).Text();
    Require(unit == "Ohm" || unit == "kOhm" || unit == "MOhm", "a resistor unit is chosen");
    long double factor = unit == "kOhm" ? 1e3L : unit == "MOhm" ? 1e6L : 1;
    inputs.ohms[static_cast<std::size_t>(k)] = *Value(form_.txtRp(k).Text()) * factor;
  }
  const std::string& unit = form_.cboIpt.Text();
  Require(unit == "uA" || unit == "mA" || unit == "A", "a current unit is chosen");
  long double factor = unit == "uA" ? 1e-6L : unit == "mA" ? 1e-3L : 1;
  inputs.amperes = *Value(form_.txtIpt.Text()) * factor;
  return inputs;
}

bool StateCheck::Cleared() {
  bool cleared = form_.txtRpt.Text() == "0" && form_.lblUMr.Caption() == "Ohm" &&
                 form_.txtUpt.Text() == "0" &&
                 (form_.txtUMU.Text() == "V" || form_.txtUMU.Text().empty());
  for (int i = 0; i < kResistorRows; ++i) {
    for (const TextBox* box :
         {&form_.txtPp(i), &form_.txtUMW(i), &form_.txtIp(i), &form_.txtUMI(i)})
      cleared = cleared && box->Text().empty();
  }
  return cleared;
}

void StateCheck::CheckResults(int count) {
  CircuitInputs inputs = Inputs(count);
  auto inUse = inputs.ohms.begin() + count;
  bool anyZero = std::find(inputs.ohms.begin(), inUse, 0.0L) != inUse;
  bool allZero = std::all_of(inputs.ohms.begin(), inUse, [](long double r) { return r == 0; });
  bool totalShown = form_.txtRpt.Visible();
  Require(totalShown == !allZero && form_.lblUMr.Visible() == totalShown &&
              form_.lblEticheteP(3).Visible() == totalShown,
          "the total-resistance row shows unless every resistor in use is 0");
  bool cleared = Cleared();
  if (outcome_.failureShown) Require(cleared, "a failure clears the results");
  if (anyZero) {
    Require(cleared, "a resistor of 0 clears the results");
    Require(!outcome_.failureShown, "nothing fails while a resistor in use is 0");
    return;
  }
  CircuitReference reference = ReferenceFor(inputs);
  if (cleared) {
    Require(reference.overflow != Overflow::Never,
            "the results are cleared only when something overflows");
    if (outcome_.inputsChanged && reference.overflow == Overflow::Certain)
      Require(outcome_.failureShown, "an overflow is reported");
    return;
  }
  Require(reference.overflow != Overflow::Certain, "an overflow leaves no results");
  CheckComputed(reference, count);
}

void StateCheck::CheckComputed(const CircuitReference& reference, int count) {
  // The kilo stage of the total rounds to 3 decimals of kOhm, the mega stage once more of MOhm.
  long double totalRounding = form_.lblUMr.Caption() == "kOhm"   ? kShownRounding * 1e3L
                              : form_.lblUMr.Caption() == "MOhm" ? kShownRounding * 1.001e6L
                                                                 : 0;
  CheckShown(form_.txtRpt.Text(), form_.lblUMr.Caption(),
             {kResistanceUnits[0], kResistanceUnits[1], kResistanceUnits[2]}, reference.totalOhms,
             totalRounding, true, "the total resistance follows from the resistors");

  const std::string& voltageUnit = form_.txtUMU.Text();
  std::optional<double> volts = Value(form_.txtUpt.Text());
  Require(volts.has_value(), "the voltage is a number");
  Require(voltageUnit.empty() == (*volts == 0), "the voltage has a unit unless it is 0");
  if (!voltageUnit.empty()) {
    CheckShown(
        form_.txtUpt.Text(), voltageUnit,
        {kVoltageUnits[0], kVoltageUnits[1], kVoltageUnits[2], kVoltageUnits[3], kVoltageUnits[4]},
        reference.volts, 0, false, "the voltage is the total resistance times the current");
  } else {
    Require(reference.volts.lo == 0, "a voltage of 0 is possible");
  }

  for (int k = 0; k < count; ++k) {
    auto row = static_cast<std::size_t>(k);
    CheckShown(form_.txtPp(k).Text(), form_.txtUMW(k).Text(),
               {kPowerUnits[0], kPowerUnits[1], kPowerUnits[2], kPowerUnits[3], kPowerUnits[4]},
               reference.watts[row], -1, true, "each power is U² / R of its branch");
    CheckShown(form_.txtIp(k).Text(), form_.txtUMI(k).Text(),
               {kCurrentUnits[0], kCurrentUnits[1], kCurrentUnits[2]}, reference.amperes[row], -1,
               true, "each branch current is U / R of its branch");
  }
}

// A shown value in its unit: the unit is one of the ladder's and the value lies in its band
// (below 1000 unless it is the top unit, at least 1 unless it is the bottom one), the value times
// the unit lies in the expected range, widened by the display's relative error and by its
// rounding (roundingAbove in the base unit; -1 means half a unit of the 3rd decimal of the unit
// shown), and a rounded value has at most 3 decimals.
void StateCheck::CheckShown(const std::string& text, const std::string& unitText,
                            std::initializer_list<Unit> units, Range expected,
                            long double roundingAbove, bool roundedToThreeDecimals,
                            const char* property) {
  auto unit =
      std::find_if(units.begin(), units.end(), [&](const Unit& u) { return u.text == unitText; });
  Require(unit != units.end(), property);
  std::optional<double> shown = Value(text);
  Require(shown.has_value() && *shown >= 0, property);
  bool bottom = unit == units.begin(), top = unit == units.end() - 1;
  Require((top || *shown <= 1000) && (bottom || *shown >= 1), "the unit fits the value");

  long double rounding = roundingAbove < 0 ? kShownRounding * unit->factor : roundingAbove;
  long double error = DisplayError();
  Range allowed{expected.lo * (1 - error) - rounding, expected.hi * (1 + error) + rounding};
  Require(allowed.Contains(*shown * unit->factor), property);

  if (!roundedToThreeDecimals) return;
  std::size_t point = text.find(separator_);
  bool exponent = text.find('E') != std::string::npos;
  Require(!exponent || *shown >= 1e15, "a rounded value is written without exponent");
  Require(exponent || point == std::string::npos || text.size() - point - separator_.size() <= 3,
          "a rounded value has at most 3 decimals");
}

}  // namespace

std::string HeldText(const Control& control) {
  return Visit(control, Overloaded{[](const TextBox& box) { return box.Text(); },
                                   [](const ComboBox& list) { return list.Text(); },
                                   [](const Label& label) { return label.Caption(); },
                                   [](const Control&) { return std::string(); }});
}

std::vector<const Control*> InputControls(frmZentavo& form) {
  std::vector<const Control*> controls;
  for (int i = 0; i < kResistorRows; ++i) {
    controls.push_back(&form.txtRp(i));
    controls.push_back(&form.cboRp(i));
  }
  controls.insert(controls.end(), {&form.txtIpt, &form.cboIpt, &form.cboRezP});
  return controls;
}

std::vector<std::string> Inputs(frmZentavo& form) {
  std::vector<std::string> inputs;
  for (const Control* control : InputControls(form)) inputs.push_back(HeldText(*control));
  return inputs;
}

std::vector<std::string> Everything(frmZentavo& form) {
  std::vector<std::string> state;
  for (const Control* control : form.Controls())
    state.push_back(HeldText(*control) + (control->Visible() ? "" : " (hidden)"));
  return state;
}

void CheckFormState(frmZentavo& form, const ActionOutcome& outcome) {
  StateCheck(form, outcome).Run();
}

}  // namespace zentavo::form_checks
