// What a screen reader is told about a text box: its name, its text as value and as readable
// text, the unit beside it as description, and whether the user can edit it. Edits a screen
// reader makes reach the form as the user's own; a read-only result box offers none.
#pragma once

#include <QAccessibleEditableTextInterface>
#include <QAccessibleWidget>

#include "accessible_shown_text.h"

class QLineEdit;

namespace zentavo {

class AccessibleBox : public QAccessibleWidget,
                      public AccessibleShownText,
                      public QAccessibleEditableTextInterface {
 public:
  explicit AccessibleBox(QLineEdit* box);

  QString text(QAccessible::Text kind) const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // Text: the caret and the selection are the box's own.
  using AccessibleShownText::text;
  void selection(int index, int* start, int* end) const override;
  int selectionCount() const override;
  void addSelection(int start, int end) override;
  void removeSelection(int index) override;
  void setSelection(int index, int start, int end) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  void scrollToSubstring(int start, int end) override;

  // Editable text.
  void deleteText(int start, int end) override;
  void insertText(int offset, const QString& text) override;
  void replaceText(int start, int end, const QString& text) override;

 protected:
  QString ShownText() const override;
  const QWidget& Shower() const override;
  DrawnLine Drawn() const override;

 private:
  QLineEdit* Box() const;
};

}  // namespace zentavo
