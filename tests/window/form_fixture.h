// A form on a test platform that records failure messages, refused edits, what it announces to a
// screen reader and the end of the program.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frm_zentavo.h"
#include "number_formats.h"

namespace zentavo::testing_support {

struct FormFixture {
  explicit FormFixture(const NumberFormat& format = kDot)
      : form(std::make_unique<frmZentavo>(
            Platform{format, [this](const std::string& message) { messages.push_back(message); },
                     [this] { ++ends; },
                     [this](const TextBox&, const std::string& hint) { refusals.push_back(hint); },
                     [this](const std::string& words) { announcements.push_back(words); }})) {}

  frmZentavo& operator*() { return *form; }
  frmZentavo* operator->() { return form.get(); }

  void Type(TextBox& box, const std::string& text) { form->UserEditsText(box, text); }
  // Types each resistor into its row, then the total current.
  void Enter(const std::vector<std::string>& resistors, const std::string& current) {
    for (std::size_t i = 0; i < resistors.size(); ++i)
      Type(form->txtRp(static_cast<int>(i)), resistors[i]);
    Type(form->txtIpt, current);
  }
  void Pick(ComboBox& box, const std::string& entry) {
    for (int i = 0; i < box.ListCount(); ++i)
      if (box.List(i) == entry) form->UserPicks(box, i);
  }

  std::vector<std::string> messages;
  std::vector<std::string> refusals;
  std::vector<std::string> announcements;
  int ends = 0;
  std::unique_ptr<frmZentavo> form;
};

}  // namespace zentavo::testing_support
