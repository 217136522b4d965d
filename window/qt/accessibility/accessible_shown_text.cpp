#include "accessible_shown_text.h"

#include <QTimer>
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

// The text is compared by where it lies: the kept copy keeps that place from being reused.
const DrawnLine& AccessibleShownText::KeptDrawing(const QString& text) const {
  std::optional<Drawing>& kept = *drawing_;
  const int caret = cursorPosition();
  const QSize size = Shower().size();
  const bool focused = Shower().hasFocus();
  if (kept && kept->text.constData() == text.constData() && kept->text.size() == text.size() &&
      kept->caret == caret && kept->size == size && kept->focused == focused)
    return kept->line;
  const bool waiting = kept.has_value();
  kept.emplace(Drawing{text, caret, size, focused, Drawn()});
  if (!waiting) {
    QTimer::singleShot(0, &Shower(), [weak = std::weak_ptr(drawing_)] {
      if (const auto drawing = weak.lock()) drawing->reset();
    });
  }
  return kept->line;
}

QRect AccessibleShownText::characterRect(int offset) const {
  const QString text = ShownText();
  if (offset < 0 || offset >= text.size()) return {};
  const QRect character = KeptDrawing(text).CharacterRect(offset);
  if (character.isEmpty()) return {};
  return QRect(Shower().mapToGlobal(character.topLeft()), character.size());
}

int AccessibleShownText::offsetAtPoint(const QPoint& point) const {
  return KeptDrawing(ShownText()).OffsetAt(Shower().mapFromGlobal(point));
}

QString AccessibleShownText::attributes(int, int* start, int* end) const {
  *start = 0;
  *end = characterCount();
  return {};
}

}  // namespace zentavo
