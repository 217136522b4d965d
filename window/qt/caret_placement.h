// Where the caret goes when the form rewrites a text that the user has just typed.
#pragma once

#include <QStringView>

namespace zentavo {

struct TextSelection {
  int start = 0;
  int length = 0;  // 0: a plain caret at start
  bool operator==(const TextSelection&) const = default;
};

// The form answers a non-number with "0": it is selected, so that the next key replaces it. A
// rewrite that only dropped characters (a minus sign) keeps the caret among the characters that
// remain; any other rewrite puts it at the end.
TextSelection SelectionAfterRewrite(QStringView typed, int caret, QStringView rewritten);

}  // namespace zentavo
