#include "accessible_shown_text.h"

#include <QFontMetrics>
#include <QStyle>
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

// From the font's advances: a box that shrinks or elides a long text draws it within the same
// area, so the rectangles stay inside the box and in reading order.
QRect AccessibleShownText::characterRect(int offset) const {
  const QString shown = ShownText();
  if (offset < 0 || offset >= shown.size()) return {};
  const QWidget& widget = Shower();
  const QFontMetrics metrics(widget.font());
  const QRect area = TextArea();
  const QRect line =
      QStyle::alignedRect(widget.layoutDirection(), TextAlignment(),
                          QSize(metrics.horizontalAdvance(shown), metrics.height()), area);
  QRect character(line.left() + metrics.horizontalAdvance(shown.left(offset)), line.top(),
                  metrics.horizontalAdvance(shown.mid(offset, 1)), line.height());
  character = character.intersected(area);
  if (character.isEmpty()) return {};
  return QRect(widget.mapToGlobal(character.topLeft()), character.size());
}

int AccessibleShownText::offsetAtPoint(const QPoint& point) const {
  for (int offset = 0; offset < characterCount(); ++offset)
    if (characterRect(offset).contains(point)) return offset;
  return -1;
}

QString AccessibleShownText::attributes(int, int* start, int* end) const {
  *start = 0;
  *end = characterCount();
  return {};
}

}  // namespace zentavo
