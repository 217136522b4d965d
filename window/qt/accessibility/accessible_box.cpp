#include "accessible_box.h"

#include <QLineEdit>

#include "line_edit_text.h"

namespace zentavo {

AccessibleBox::AccessibleBox(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

QLineEdit* AccessibleBox::Box() const {
  return static_cast<QLineEdit*>(widget());
}

QString AccessibleBox::text(QAccessible::Text kind) const {
  switch (kind) {
    case QAccessible::Value:
      return Box()->text();
    // Only the unit: a tool tip is not a description here.
    case QAccessible::Description:
      return Box()->accessibleDescription();
    default:
      return QAccessibleWidget::text(kind);
  }
}

QAccessible::State AccessibleBox::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.readOnly = Box()->isReadOnly();
  state.editable = !Box()->isReadOnly();
  state.selectableText = true;
  return state;
}

void* AccessibleBox::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  if (type == QAccessible::EditableTextInterface && !Box()->isReadOnly())
    return static_cast<QAccessibleEditableTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

void AccessibleBox::selection(int index, int* start, int* end) const {
  AccessibleShownText::selection(index, start, end);
  if (index != 0 || !Box()->hasSelectedText()) return;
  *start = Box()->selectionStart();
  *end = Box()->selectionEnd();
}

int AccessibleBox::selectionCount() const {
  return Box()->hasSelectedText() ? 1 : 0;
}

void AccessibleBox::addSelection(int start, int end) {
  setSelection(0, start, end);
}

void AccessibleBox::removeSelection(int index) {
  if (index == 0) Box()->deselect();
}

void AccessibleBox::setSelection(int index, int start, int end) {
  if (index == 0) Box()->setSelection(start, end - start);
}

int AccessibleBox::cursorPosition() const {
  return Box()->cursorPosition();
}

void AccessibleBox::setCursorPosition(int position) {
  Box()->setCursorPosition(position);
}

void AccessibleBox::scrollToSubstring(int start, int end) {
  Box()->setCursorPosition(end);
  Box()->setCursorPosition(start);
}

// Through the selection and QLineEdit::insert, which raise textEdited as typing does, so the
// form hears of the change.
void AccessibleBox::deleteText(int start, int end) {
  replaceText(start, end, QString());
}

void AccessibleBox::insertText(int offset, const QString& text) {
  replaceText(offset, offset, text);
}

void AccessibleBox::replaceText(int start, int end, const QString& text) {
  QLineEdit* box = Box();
  if (box->isReadOnly() || start < 0 || end < start || end > box->text().size()) return;
  box->setSelection(start, end - start);
  if (text.isEmpty() && end > start) {
    box->del();
  } else {
    box->insert(text);
  }
}

QString AccessibleBox::ShownText() const {
  return Box()->text();
}

const QWidget& AccessibleBox::Shower() const {
  return *Box();
}

DrawnLine AccessibleBox::Drawn() const {
  if (const auto* own = dynamic_cast<const DrawsOwnLine*>(Box())) return own->Drawn();
  return LineEditDrawnLine(*Box());
}

}  // namespace zentavo
