// What must hold of the window after every user action.
#pragma once

#include <string>

#include "frm_zentavo.h"

namespace zentavo::fuzz {

struct ActionOutcome {
  std::string action;          // what the user did, for the report
  bool failureShown = false;   // a message reached the platform during the action
  bool inputsChanged = false;  // some value, unit or count differs from before the action
};

// The text a box or list holds, or a label's caption; empty for the other kinds.
std::string HeldText(Control& control);

// Both value fields hold non-negative numbers, the count is 2, 3 or 4, the visible rows match
// it, and the results are either cleared or what the inputs give, within the display's rounding.
void CheckFormState(frmZentavo& form, const ActionOutcome& outcome);

}  // namespace zentavo::fuzz
