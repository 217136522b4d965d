// The text interface of a control that shows one line of text: what a screen reader reads, spells
// and finds on screen (its flat review places each character by its rectangle).
#pragma once

#include <QAccessibleTextInterface>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

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

 private:
  // Drawn() for one text, caret, size and focus (a box draws its text otherwise while it is
  // edited), kept until the window next handles events: a reader asks about a range of characters
  // one character at a time, all before the widget repaints.
  struct Drawing {
    QString text;
    int caret;
    QSize size;
    bool focused;
    DrawnLine line;
  };
  const DrawnLine& KeptDrawing(const QString& text) const;

  std::shared_ptr<std::optional<Drawing>> drawing_ = std::make_shared<std::optional<Drawing>>();
};

}  // namespace zentavo
