// What must hold of the window after every user action.
#pragma once

#include <string>
#include <vector>

#include "frm_zentavo.h"

namespace zentavo::form_checks {

struct ActionOutcome {
  std::string action;          // what the user did, for the report
  bool failureShown = false;   // a message reached the platform during the action
  bool inputsChanged = false;  // some value, unit or count differs from before the action
};

// The text a box or list holds, or a label's caption; empty for the other kinds.
std::string HeldText(const Control& control);
// The controls the user puts values in: each resistor and its unit, the current and its unit, the
// count.
std::vector<const Control*> InputControls(frmZentavo& form);
// What the user has put in: the text each of those holds.
std::vector<std::string> Inputs(frmZentavo& form);
// Every text and caption in the window, each marked where its control is hidden.
std::vector<std::string> Everything(frmZentavo& form);

// Both value fields hold non-negative numbers, the count is 2, 3 or 4, the visible rows match
// it, and the results are either cleared or what the inputs give, within the display's rounding.
void CheckFormState(frmZentavo& form, const ActionOutcome& outcome);

}  // namespace zentavo::form_checks
