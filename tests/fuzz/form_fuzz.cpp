// Fuzzes the calculator's window: the first byte picks the number format, the rest is decoded
// into user actions, and the window is checked after every one of them.
#include <cstdint>
#include <string>
#include <vector>

#include "byte_reader.h"
#include "form_state_checks.h"
#include "frm_zentavo.h"
#include "fuzz_check.h"
#include "number_text.h"
#include "reference_number.h"
#include "user_actions.h"
#include "utf8_text.h"

namespace zentavo::fuzz {
namespace {

const NumberFormat kFormats[] = {{".", ","}, {",", "."}, {",", "\u202f"}};

// The window with a platform that records what reaches it.
class Session {
 public:
  explicit Session(const NumberFormat& format)
      : form_(Platform{format, [this](const std::string& message) { messages_.push_back(message); },
                       [this] { ended_ = true; }}) {}

  bool Ended() const { return ended_; }
  void CheckStartUp();
  void PerformNext(ByteReader& in) { Perform(DecodeAction(in, form_)); }

 private:
  void Perform(const UserAction& action);
  std::vector<std::string> Inputs();
  void CheckEdit(const UserAction& action, const std::string& before);
  void CheckPick(const UserAction& action, const std::string& before);
  void CheckClear(const UserAction& action, const std::string& countBefore, bool failed);

  std::vector<std::string> messages_;
  bool ended_ = false;
  frmZentavo form_;
};

std::vector<std::string> Session::Inputs() {
  std::vector<std::string> inputs;
  for (int i = 0; i < kResistorRows; ++i) {
    inputs.push_back(form_.txtRp(i).Text());
    inputs.push_back(form_.cboRp(i).Text());
  }
  for (const std::string* text :
       {&form_.txtIpt.Text(), &form_.cboIpt.Text(), &form_.cboRezP.Text()})
    inputs.push_back(*text);
  return inputs;
}

void Session::CheckStartUp() {
  Require(messages_.empty() && !ended_, "the window starts without a failure");
  Require(form_.cboRezP.Text() == "2" && form_.txtUMU.Text().empty(),
          "the window starts with two resistors and no voltage unit");
  CheckFormState(form_, {"start-up", false, false});
}

// The value fields' correction: a text that is neither a number nor its beginning (or is too
// large) becomes "0"; a negative number becomes positive, written anew when that fits and reads
// back as exactly the same magnitude, otherwise (and always for a beginning) the typed text without
// its minus sign; anything else stays as typed.
void Session::CheckEdit(const UserAction& action, const std::string& before) {
  const TextBox& box = *action.box;
  if (box.ReadOnly()) {
    Require(box.Text() == before, "a read-only box ignores the user", action.description);
    return;
  }
  std::vector<std::string> characters = Characters(action.newText);
  if (box.MaxLength() > 0 && characters.size() > box.MaxLength())
    characters.resize(box.MaxLength());
  std::string kept = Joined(characters);
  const NumberFormat& format = form_.Format();
  ReferenceNumber typed = ReadInputSyntax(kept, format.decimalSeparator);
  std::string expected = kept;
  if (typed.reading != Reading::Number && typed.reading != Reading::Beginning) {
    expected = "0";
  } else if (typed.value < 0 && typed.reading == Reading::Beginning) {
    expected.erase(expected.find('-'), 1);
  } else if (typed.value < 0) {
    std::string written = DoubleToText(-typed.value, format);
    bool fits = box.MaxLength() == 0 || Characters(written).size() <= box.MaxLength();
    if (fits && InputValue(written, format.decimalSeparator) == -typed.value) {
      expected = written;
    } else {
      expected = kept;
      expected.erase(expected.find('-'), 1);
    }
  }
  Require(box.Text() == expected, "the value field is corrected as typed",
          action.description + ", which left " + Quoted(box.Text()) + " instead of " +
              Quoted(expected));
}

void Session::CheckPick(const UserAction& action, const std::string& before) {
  const ComboBox& list = *action.list;
  bool valid = action.entry >= 0 && action.entry < list.ListCount();
  Require(list.Text() == (valid ? list.List(action.entry) : before),
          "a pick chooses that entry, a pick outside the list nothing", action.description);
}

void Session::CheckClear(const UserAction& action, const std::string& countBefore, bool failed) {
  bool reset = !failed && form_.txtIpt.Text() == "0" && form_.cboIpt.Text() == "A" &&
               form_.txtUpt.Text() == "0" && form_.txtUMU.Text() == "V" &&
               form_.cboRezP.Text() == countBefore;
  for (int i = 0; i < kResistorRows; ++i)
    reset = reset && form_.txtRp(i).Text() == "0" && form_.cboRp(i).Text() == "Ohm";
  Require(reset, "the clear button resets the inputs and keeps the count", action.description);
}

void Session::Perform(const UserAction& action) {
  std::vector<std::string> inputsBefore = Inputs();
  std::size_t messagesBefore = messages_.size();
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
  CheckFormState(form_,
                 {action.description, messages_.size() > messagesBefore, Inputs() != inputsBefore});
}

}  // namespace
}  // namespace zentavo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zentavo::fuzz;
  ByteReader in(data, size);
  Session session(kFormats[in.Next() % std::size(kFormats)]);
  session.CheckStartUp();
  while (!in.AtEnd() && !session.Ended()) session.PerformNext(in);
  return 0;
}
