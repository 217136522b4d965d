#include "checked_session.h"

#include "form_state_checks.h"
#include "fuzz_check.h"
#include "number_text.h"
#include "reference_number.h"
#include "utf8_text.h"

namespace zentavo::fuzz {
namespace {

// What a box keeps of a text put in it: the text cut to its length.
std::string KeptText(const TextBox& box, const std::string& text) {
  std::vector<std::string> characters = Characters(text);
  if (box.MaxLength() > 0 && characters.size() > box.MaxLength())
    characters.resize(box.MaxLength());
  return Joined(characters);
}

std::string WithoutItsMinusSign(std::string text) {
  text.erase(text.find('-'), 1);
  return text;
}

}  // namespace

CheckedSession::CheckedSession(const NumberFormat& format)
    : form_(Platform{format, [this](const std::string& message) { messages_.push_back(message); },
                     [this] { ended_ = true; }}) {
  Require(messages_.empty() && !ended_, "the window starts without a failure");
  Require(form_.cboRezP.Text() == "2" && form_.txtUMU.Text().empty(),
          "the window starts with two resistors and no voltage unit");
  CheckFormState(form_, {"start-up", false, false});
}

// An edit that leaves the text as it was, a pick of the entry already chosen or of none, and a
// key other than Esc reach no handler.
bool CheckedSession::RaisesNoEvent(const UserAction& action) {
  switch (action.kind) {
    case UserAction::Kind::Edit:
      return action.box->ReadOnly() || KeptText(*action.box, action.newText) == action.box->Text();
    case UserAction::Kind::Pick:
      return action.entry < 0 || action.entry >= action.list->ListCount() ||
             action.list->Text() == action.list->List(action.entry);
    case UserAction::Kind::ClickClear:
      return false;
    case UserAction::Kind::PressKey:
      return action.key != frmZentavo::kEscape;
  }
  return false;
}

// A value field keeps the text typed, cut to its length, while that is a non-negative number or
// the beginning of one; a text that is neither becomes "0"; a negative one is made positive, and
// then the field holds exactly the magnitude typed, written anew or as typed without its minus
// sign, written anew wherever that form holds the magnitude.
void CheckedSession::CheckEdit(const UserAction& action, const std::string& before) {
  const TextBox& box = *action.box;
  const std::string& shown = box.Text();
  const std::string failed = action.description + ", which left " + Quoted(shown);
  if (box.ReadOnly()) {
    Require(shown == before, "a read-only box ignores the user", action.description);
    return;
  }
  const std::string kept = KeptText(box, action.newText);
  const NumberFormat& format = form_.Format();
  const ReferenceNumber typed = ReadInputSyntax(kept, format.decimalSeparator);
  if (typed.reading != Reading::Number && typed.reading != Reading::Beginning) {
    Require(shown == "0", "a text that is neither a number nor its beginning becomes 0", failed);
    return;
  }
  if (!(typed.value < 0)) {
    Require(shown == kept, "a non-negative number stays as typed", failed);
    return;
  }
  const double magnitude = -typed.value;
  auto holdsTheMagnitude = [&](const std::string& text) {
    const ReferenceNumber read = ReadInputSyntax(text, format.decimalSeparator);
    return KeptText(box, text) == text && read.reading == typed.reading && read.value == magnitude;
  };
  Require(holdsTheMagnitude(shown),
          "a negative value leaves its exact magnitude in the field, a beginning still a beginning",
          failed);
  const std::string written = DoubleToText(magnitude, format);
  Require(shown == written || shown == WithoutItsMinusSign(kept),
          "a negative value is written anew or loses its minus sign", failed);
  Require(shown == written || !holdsTheMagnitude(written),
          "a negative value is written anew wherever that holds its magnitude", failed);
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
      std::string before = action.box->Text();
      form_.UserEditsText(*action.box, action.newText);
      CheckEdit(action, before);
      break;
    }
    case UserAction::Kind::Pick: {
      std::string before = action.list->Text();
      form_.UserPicks(*action.list, action.entry);
      CheckPick(action, before);
      break;
    }
    case UserAction::Kind::ClickClear: {
      std::string countBefore = form_.cboRezP.Text();
      form_.UserClicks(form_.cmdClear);
      CheckClear(action, countBefore, messages_.size() > messagesBefore);
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

}  // namespace zentavo::fuzz
