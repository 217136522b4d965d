// A box the user types a value into. Undo and redo, from the keys and the context menu, go to
// the form, which keeps each value's history; the box reports when the focus leaves it and where
// the caret and selection stood before the edit that is being made. While it has the focus it
// scrolls its text as a line edit does; without the focus it shows its whole value fitted to the
// box (see FittedBox), and a click on it puts the caret where the click falls in that drawing.
#pragma once

#include <QKeySequence>
#include <functional>
#include <string>

#include "fitted_box.h"
#include "long_text_painter.h"

class QMenu;

namespace zentavo {

// The entry of a line edit's menu that runs a command; null if it has none.
QAction* MenuEntry(const QMenu& menu, QKeySequence::StandardKey command);

class ValueBox : public FittedBox {
  Q_OBJECT

 public:
  ValueBox(std::string decimalSeparator, QWidget* parent);

  // Whether the form has an edit to undo or redo, for the context menu.
  void SetHistory(std::function<bool()> canUndo, std::function<bool()> canRedo);

  // The caret and selection as they stood when the text last settled: while an edit's textEdited
  // signal runs, as they were before that edit.
  struct Caret {
    int position = 0;
    int selectionStart = -1;
    int selectionLength = 0;
  };
  Caret Settled() const { return settled_; }
  void Restore(const Caret& caret);

 signals:
  void undoAsked();
  void redoAsked();
  void left();

 protected:
  bool DrawsFitted() const override { return !hasFocus(); }
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Settle();

  Caret settled_;
  std::function<bool()> canUndo_, canRedo_;
  LongTextPainter* longText_;
};

}  // namespace zentavo
