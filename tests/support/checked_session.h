// The calculator's window on a platform that records what reaches it, driven by user actions and
// checked after every one of them. The fuzz target feeds it its input; the random-action tests feed
// it pseudo-random bytes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "byte_reader.h"
#include "frm_zentavo.h"
#include "user_actions.h"

namespace zentavo::form_checks {

class CheckedSession {
 public:
  // Opens the window in this number format and checks how it starts.
  explicit CheckedSession(const NumberFormat& format);
  CheckedSession(const CheckedSession&) = delete;
  CheckedSession& operator=(const CheckedSession&) = delete;

  // Whether the user has ended the program (with Esc).
  bool Ended() const { return ended_; }
  void PerformNext(fuzz_reference::ByteReader& in) { Perform(DecodeAction(in, form_)); }
  void Perform(const UserAction& action);

  frmZentavo& Form() { return form_; }
  // How many actions reported a failure, and after how many the results were computed.
  int FailedActions() const { return failedActions_; }
  int ComputingActions() const { return computingActions_; }

 private:
  bool RaisesNoEvent(const UserAction& action);
  // What an edit of a value field should leave, as the field's text and unit; empty when the
  // edit is refused.
  struct Expected {
    std::string text, unit;
    bool unitWritten = false;      // a unit was written after the number, or more of its name
    bool letterAddsPoint = false;  // a separator follows the number where the letter ended it
    std::vector<std::string> nameRest{};
  };
  std::optional<Expected> ExpectedEdit(const UserAction& action);
  void CheckEdit(const UserAction& action, const std::string& before,
                 const std::optional<Expected>& expected, const frmZentavo::EditOutcome& outcome);
  void CheckLeave(const UserAction& action, const std::string& before);
  void CheckPick(const UserAction& action, const std::string& before);
  void CheckClear(const UserAction& action, const std::string& countBefore, bool failed);

  std::vector<std::string> messages_;
  std::vector<std::string> refusals_;
  // The box whose unit a letter picked last, what may still be typed of the unit's name, and
  // whether the letter left a decimal separator at its end.
  const TextBox* letterBox_ = nullptr;
  std::vector<std::string> nameRest_;
  bool pointFromLetter_ = false;
  bool ended_ = false;
  int failedActions_ = 0;
  int computingActions_ = 0;
  frmZentavo form_;
};

}  // namespace zentavo::form_checks
