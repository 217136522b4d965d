#include "value_box.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace zentavo {

ValueBox::ValueBox(std::string decimalSeparator, QWidget* parent)
    : FittedBox(std::move(decimalSeparator), parent), longText_(new LongTextPainter(*this)) {
  // Both signals come after textEdited, so while it runs the caret is still the one before.
  connect(this, &QLineEdit::cursorPositionChanged, this, &ValueBox::Settle);
  connect(this, &QLineEdit::selectionChanged, this, &ValueBox::Settle);
}

void ValueBox::SetHistory(std::function<bool()> canUndo, std::function<bool()> canRedo) {
  canUndo_ = std::move(canUndo);
  canRedo_ = std::move(canRedo);
}

void ValueBox::Settle() {
  settled_ = {cursorPosition(), selectionStart(), static_cast<int>(selectedText().size())};
}

void ValueBox::Restore(const Caret& caret) {
  if (caret.selectionStart < 0) {
    setCursorPosition(caret.position);
  } else if (caret.position == caret.selectionStart) {
    // Selected backwards: the caret stands at the selection's start.
    setSelection(caret.selectionStart + caret.selectionLength, -caret.selectionLength);
  } else {
    setSelection(caret.selectionStart, caret.selectionLength);
  }
  Settle();
}

void ValueBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Undo)) {
    emit undoAsked();
    return;
  }
  if (event->matches(QKeySequence::Redo)) {
    emit redoAsked();
    return;
  }
  FittedBox::keyPressEvent(event);
}

// The menu's entry for a command: Qt labels each with its key after a tab, and names none before
// Qt 6.5.
QAction* MenuEntry(const QMenu& menu, QKeySequence::StandardKey command) {
  const QString key = QLatin1Char('\t') + QKeySequence(command).toString(QKeySequence::NativeText);
  for (QAction* action : menu.actions())
    if (action->text().endsWith(key)) return action;
  return nullptr;
}

void ValueBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  // The line edit's own history knows nothing of what the form did to the text.
  struct Entry {
    QKeySequence::StandardKey command;
    const std::function<bool()>& available;
    void (ValueBox::*asked)();
  };
  for (const Entry& entry : {Entry{QKeySequence::Undo, canUndo_, &ValueBox::undoAsked},
                             Entry{QKeySequence::Redo, canRedo_, &ValueBox::redoAsked}}) {
    QAction* action = MenuEntry(*menu, entry.command);
    if (action == nullptr) continue;
    action->disconnect(this);
    action->setEnabled(entry.available && entry.available());
    connect(action, &QAction::triggered, this, entry.asked);
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void ValueBox::focusInEvent(QFocusEvent* event) {
  FittedBox::focusInEvent(event);
  update();
}

void ValueBox::focusOutEvent(QFocusEvent* event) {
  FittedBox::focusOutEvent(event);
  update();
  emit left();
}

// The focus comes with the press, before it: a click on the fitted drawing means the character
// the user saw there, not the one the line edit, scrolled as it last drew itself, has there.
void ValueBox::mousePressEvent(QMouseEvent* event) {
  const bool onFittedDrawing = PaintedFitted();
  const QPoint at = event->position().toPoint();
  FittedBox::mousePressEvent(event);
  if (onFittedDrawing && event->button() == Qt::LeftButton &&
      !(event->modifiers() & Qt::ShiftModifier))
    setCursorPosition(FittedCaretAt(at));
}

void ValueBox::paintEvent(QPaintEvent* event) {
  if (!DrawsFitted() && longText_->CanDraw()) {
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    longText_->Draw(painter, panel);
    return;
  }
  FittedBox::paintEvent(event);
  if (!DrawsFitted()) longText_->LineEditDrew();
}

}  // namespace zentavo
