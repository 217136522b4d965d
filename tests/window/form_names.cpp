// Prints the name a screen reader finds for each control of a new form, a label without one under
// its caption, one "qualified name<TAB>name" a line: the bus tests find the running program's
// controls by these names instead of restating them.
#include <iostream>

#include "frm_zentavo.h"
#include "number_formats.h"

int main() {
  zentavo::frmZentavo form(
      zentavo::Platform{zentavo::testing_support::kDot, [](const std::string&) {}, [] {}});
  for (const zentavo::Control* control : form.Controls()) {
    const auto* label = dynamic_cast<const zentavo::Label*>(control);
    const std::string name = label != nullptr && control->AccessibleName().empty()
                                 ? label->Caption()
                                 : control->AccessibleName();
    if (!name.empty()) std::cout << control->QualifiedName() << '\t' << name << '\n';
  }
}
