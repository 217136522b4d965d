#include "caret_placement.h"

namespace zentavo {

TextSelection SelectionAfterRewrite(QStringView typed, int caret, QStringView rewritten) {
  const int length = static_cast<int>(rewritten.size());
  if (rewritten == u"0") return {0, length};
  int kept = 0;
  int keptBeforeCaret = 0;
  for (qsizetype i = 0; i < typed.size(); ++i) {
    if (i == caret) keptBeforeCaret = kept;
    if (kept < length && typed[i] == rewritten[kept]) ++kept;
  }
  if (caret >= typed.size()) keptBeforeCaret = kept;
  if (kept < length) return {length, 0};
  return {keptBeforeCaret, 0};
}

}  // namespace zentavo
