// Turns fuzz bytes into the actions a user can take on the calculator's window: typing, pasting
// or deleting in any text box, picking any list entry, clicking the clear button, leaving a box,
// pressing a key.
#pragma once

#include <cstdint>
#include <string>

#include "byte_reader.h"
#include "frm_zentavo.h"

namespace zentavo::form_checks {

struct UserAction {
  enum class Kind { Edit, Pick, ClickClear, Leave, PressKey };
  Kind kind = Kind::PressKey;
  TextBox* box = nullptr;  // Edit: the box and its whole text after the edit; Leave: the box
  std::string newText;
  ComboBox* list = nullptr;  // Pick: the list and the entry's index, which may lie outside it
  int entry = 0;
  std::int16_t key = 0;  // PressKey: the character code
  std::string description;
};

UserAction DecodeAction(fuzz_reference::ByteReader& in, frmZentavo& form);

}  // namespace zentavo::form_checks
