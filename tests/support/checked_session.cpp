#include "checked_session.h"

#include "form_state_checks.h"
#include "fuzz_check.h"
#include "number_text.h"
#include "reference_number.h"
#include "utf8_text.h"

namespace zentavo::form_checks {

using namespace fuzz_reference;
namespace {

bool Fits(const TextBox& box, const std::string& text) {
  return box.MaxLength() == 0 || Characters(text).size() <= box.MaxLength();
}

std::string WithoutItsMinusSign(std::string text) {
  text.erase(text.find('-'), 1);
  return text;
}

}  // namespace

CheckedSession::CheckedSession(const NumberFormat& format)
    : form_(Platform{
          format, [this](const std::string& message) { messages_.push_back(message); },
          [this] { ended_ = true; },
          [this](const TextBox&, const std::string& hint) { refusals_.push_back(hint); }}) {
  Require(messages_.empty() && !ended_, "the window starts without a failure");
  Require(form_.cboRezP.Text() == "2" && form_.txtUMU.Text().empty(),
          "the window starts with two resistors and no voltage unit");
  CheckFormState(form_, {"start-up", false, false});
}

// An edit that is refused or leaves the text and unit as they were, a pick of the entry already
// chosen or of none, and a key other than Esc reach no handler.
bool CheckedSession::RaisesNoEvent(const UserAction& action) {
  switch (action.kind) {
    case UserAction::Kind::Edit: {
      if (action.box->ReadOnly()) return true;
      const std::optional<Expected> expected = ExpectedEdit(action);
      const ComboBox* units = form_.UnitListOf(*action.box);
      return !expected ||
             (expected->text == action.box->Text() && (!units || expected->unit == units->Text()));
    }
    case UserAction::Kind::Pick:
      return action.entry < 0 || action.entry >= action.list->ListCount() ||
             action.list->Text() == action.list->List(action.entry);
    case UserAction::Kind::ClickClear:
      return false;
    case UserAction::Kind::Leave:
      return action.box != letterBox_ || !pointFromLetter_;
    case UserAction::Kind::PressKey:
      return action.key != frmZentavo::kEscape;
  }
  return false;
}

// A value field takes a number or the beginning of one as typed; a number followed by a unit, or
// with a unit's letter for its decimal point, as that number with the unit picked in its list,
// and a separator after a letter that ended a plain number, where the field has room; the rest of
// a unit's name typed after its letter, in silence; the empty text, which it then corrects to "0".
// It refuses anything else, or what would not fit. The text expected is the one the form assigns,
// before it corrects the sign of a negative number.
std::optional<CheckedSession::Expected> CheckedSession::ExpectedEdit(const UserAction& action) {
  const TextBox& box = *action.box;
  const ComboBox* units = form_.UnitListOf(box);
  const std::string& text = action.newText;
  const std::string& separator = form_.Format().decimalSeparator;
  Expected kept{text, units ? units->Text() : ""};
  if (&box == letterBox_ && !nameRest_.empty() && text.size() > box.Text().size() &&
      text.starts_with(box.Text())) {
    std::vector<std::string> rest;
    const std::string appended = text.substr(box.Text().size());
    for (const std::string& name : nameRest_) {
      std::string lower = appended;
      for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (name.starts_with(lower)) rest.push_back(name.substr(lower.size()));
    }
    if (!rest.empty()) return Expected{box.Text(), kept.unit, true, pointFromLetter_, rest};
  }
  if (text.empty()) return kept;
  const Reading reading = ReadInputSyntax(text, separator).reading;
  if (reading == Reading::Number || reading == Reading::Beginning) {
    if (!Fits(box, text)) return std::nullopt;
    return kept;
  }
  if (!units) return std::nullopt;
  const UnitList list = units == &form_.cboIpt ? UnitList::Current : UnitList::Resistor;
  const std::optional<ReferenceTyped> typed = ReadWithUnit(text, separator, list);
  if (!typed) return std::nullopt;
  Expected expected{typed->number, units->List(typed->unit), true, false, typed->nameRest};
  if (typed->letterEnds && Fits(box, typed->number + separator)) {
    expected.text += separator;
    expected.letterAddsPoint = true;
  }
  if (!Fits(box, expected.text)) return std::nullopt;
  return expected;
}

// A negative value is made positive: the field then holds exactly the magnitude typed, written
// anew or as typed without its minus sign, written anew wherever that form holds the magnitude.
void CheckedSession::CheckEdit(const UserAction& action, const std::string& before,
                               const std::optional<Expected>& expected,
                               const frmZentavo::EditOutcome& outcome) {
  const TextBox& box = *action.box;
  const std::string& shown = box.Text();
  const std::string failed = action.description + ", which left " + Quoted(shown);
  if (box.ReadOnly()) {
    Require(shown == before, "a read-only box ignores the user", action.description);
    return;
  }
  if (!expected) {
    Require(outcome.refused && shown == before, "a refused edit leaves the text as it was", failed);
    return;
  }
  Require(!outcome.refused, "an edit of a number, its beginning or a unit is taken", failed);
  const ComboBox* units = form_.UnitListOf(box);
  if (units)
    Require(units->Text() == expected->unit, "a unit written after a number is picked", failed);
  if (expected->text.empty()) {
    Require(shown == "0", "an emptied box holds 0", failed);
    return;
  }
  const NumberFormat& format = form_.Format();
  const ReferenceNumber typed = ReadInputSyntax(expected->text, format.decimalSeparator);
  if (!(typed.value < 0)) {
    Require(shown == expected->text, "a non-negative number stays as typed", failed);
    return;
  }
  const double magnitude = -typed.value;
  auto holdsTheMagnitude = [&](const std::string& text) {
    const ReferenceNumber read = ReadInputSyntax(text, format.decimalSeparator);
    return Fits(box, text) && read.reading == typed.reading && read.value == magnitude;
  };
  Require(holdsTheMagnitude(shown),
          "a negative value leaves its exact magnitude in the field, a beginning still a beginning",
          failed);
  const std::string written = DoubleToText(magnitude, format);
  Require(shown == written || shown == WithoutItsMinusSign(expected->text),
          "a negative value is written anew or loses its minus sign", failed);
  Require(shown == written || !holdsTheMagnitude(written),
          "a negative value is written anew wherever that holds its magnitude", failed);
}

void CheckedSession::CheckLeave(const UserAction& action, const std::string& before) {
  const std::string& separator = form_.Format().decimalSeparator;
  const bool drops = action.box == letterBox_ && pointFromLetter_ && before.ends_with(separator);
  Require(
      action.box->Text() == (drops ? before.substr(0, before.size() - separator.size()) : before),
      "leaving a box drops only a separator that a unit letter left at its end",
      action.description);
}

void CheckedSession::CheckPick(const UserAction& action, const std::string& before) {
  const ComboBox& list = *action.list;
  bool valid = action.entry >= 0 && action.entry < list.ListCount();
  Require(list.Text() == (valid ? list.List(action.entry) : before),
          "a pick chooses that entry, a pick outside the list nothing", action.description);
}

void CheckedSession::CheckClear(const UserAction& action, const std::string& countBefore,
                                bool failed) {
  bool reset = !failed && form_.txtIpt.Text() == "0" && form_.cboIpt.Text() == "A" &&
               form_.txtUpt.Text() == "0" && form_.txtUMU.Text() == "V" &&
               form_.cboRezP.Text() == countBefore;
  for (int i = 0; i < kResistorRows; ++i)
    reset = reset && form_.txtRp(i).Text() == "0" && form_.cboRp(i).Text() == "Ohm";
  Require(reset, "the clear button resets the inputs and keeps the count", action.description);
}

void CheckedSession::Perform(const UserAction& action) {
  const std::vector<std::string> inputsBefore = Inputs(form_);
  const std::vector<std::string> everythingBefore = Everything(form_);
  const bool noEvent = RaisesNoEvent(action);
  const std::size_t messagesBefore = messages_.size();
  switch (action.kind) {
    case UserAction::Kind::Edit: {
      const std::string before = action.box->Text();
      const std::optional<Expected> expected = ExpectedEdit(action);
      const std::size_t refusalsBefore = refusals_.size();
      const frmZentavo::EditOutcome outcome = form_.UserEditsText(*action.box, action.newText);
      Require(refusals_.size() - refusalsBefore == (outcome.refused && !action.box->ReadOnly()),
              "a refused edit beeps once, a taken one never", action.description);
      CheckEdit(action, before, expected, outcome);
      if (action.box->ReadOnly()) break;
      // A refused edit forgets what a letter left, as any other edit does.
      letterBox_ = expected && expected->unitWritten ? action.box : nullptr;
      nameRest_ = letterBox_ ? expected->nameRest : std::vector<std::string>{};
      pointFromLetter_ = letterBox_ && expected->letterAddsPoint;
      break;
    }
    case UserAction::Kind::Pick: {
      std::string before = action.list->Text();
      form_.UserPicks(*action.list, action.entry);
      CheckPick(action, before);
      letterBox_ = nullptr;
      break;
    }
    case UserAction::Kind::ClickClear: {
      std::string countBefore = form_.cboRezP.Text();
      form_.UserClicks(form_.cmdClear);
      CheckClear(action, countBefore, messages_.size() > messagesBefore);
      letterBox_ = nullptr;
      break;
    }
    case UserAction::Kind::Leave: {
      const std::string before = action.box->Text();
      form_.UserLeaves(*action.box);
      CheckLeave(action, before);
      if (form_.UnitListOf(*action.box)) letterBox_ = nullptr;
      break;
    }
    case UserAction::Kind::PressKey: {
      bool goesOn = form_.UserPressesKey(action.key);
      bool escape = action.key == frmZentavo::kEscape;
      Require(goesOn != escape && ended_ == escape,
              "Esc ends the program, every other key goes on to the control", action.description);
      if (ended_) return;
      break;
    }
  }
  for (std::size_t i = messagesBefore; i < messages_.size(); ++i)
    Require(messages_[i].starts_with("Depășire"), "only an overflow reaches the message hook",
            action.description + ": " + Quoted(messages_[i]));
  if (noEvent)
    Require(Everything(form_) == everythingBefore,
            "an action that reaches no handler leaves every text as it was", action.description);
  const bool failureShown = messages_.size() > messagesBefore;
  CheckFormState(form_, {action.description, failureShown, Inputs(form_) != inputsBefore});
  failedActions_ += failureShown ? 1 : 0;
  computingActions_ += form_.txtIp(0).Text().empty() ? 0 : 1;
}

}  // namespace zentavo::form_checks
