// The text interface of a control that shows one line of text: what a screen reader reads, spells
// and finds on screen (its flat review places each character by its rectangle).
#pragma once

#include <QAccessibleTextInterface>
#include <QRect>
#include <QString>

#include "drawn_line.h"

class QWidget;

namespace zentavo {

class AccessibleShownText : public QAccessibleTextInterface {
 public:
  // No selection and the caret before the text, unless a subclass has them.
  void selection(int index, int* start, int* end) const override;
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}

  QString text(int start, int end) const override;
  int characterCount() const override { return static_cast<int>(ShownText().size()); }
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override;

 protected:
  virtual QString ShownText() const = 0;
  virtual const QWidget& Shower() const = 0;
  // Where the widget draws each character of the text.
  virtual DrawnLine Drawn() const = 0;
};

}  // namespace zentavo
