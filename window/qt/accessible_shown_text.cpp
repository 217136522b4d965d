#include "accessible_shown_text.h"

#include <QWidget>

namespace zentavo {

void AccessibleShownText::selection(int, int* start, int* end) const {
  *start = 0;
  *end = 0;
}

QString AccessibleShownText::text(int start, int end) const {
  const QString shown = ShownText();
  if (start < 0 || end < start) return {};
  return shown.mid(start, end - start);
}

// Each query lays the text out once, so that it costs no more than the text's length.
QRect AccessibleShownText::characterRect(int offset) const {
  if (offset < 0 || offset >= characterCount()) return {};
  const QRect character = Drawn().CharacterRect(offset);
  if (character.isEmpty()) return {};
  return QRect(Shower().mapToGlobal(character.topLeft()), character.size());
}

int AccessibleShownText::offsetAtPoint(const QPoint& point) const {
  return Drawn().OffsetAt(Shower().mapFromGlobal(point));
}

QString AccessibleShownText::attributes(int, int* start, int* end) const {
  *start = 0;
  *end = characterCount();
  return {};
}

}  // namespace zentavo
