// What a screen reader is told about a drop-down list: the name the form gave it, and the chosen
// entry as its value and as the text it shows, announced as a text change when it changes and,
// when the user changed it in the closed list, by the reader's focus moving to the new entry (Qt
// 6.4 offers readers no selection interface to find the new entry by). Qt's own interface reports
// the chosen entry as the name on Linux and leaves the caption to a label's relation, which the
// lists under a shared column caption cannot have.
#pragma once

#include <QAccessibleWidget>
#include <vector>

#include "accessible_shown_text.h"

class QComboBox;

namespace zentavo {

class AccessibleList : public QAccessibleWidget, public AccessibleShownText {
 public:
  explicit AccessibleList(QComboBox* list);
  AccessibleList(const AccessibleList&) = delete;
  AccessibleList& operator=(const AccessibleList&) = delete;
  ~AccessibleList() override;

  QString text(QAccessible::Text kind) const override;
  using AccessibleShownText::text;
  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QStringList actionNames() const override;
  void doAction(const QString& action) override;

 protected:
  QString ShownText() const override;
  const QWidget& Shower() const override;
  DrawnLine Drawn() const override;

 private:
  void FocusOnChosenEntry(QComboBox& list, int entry);
  QComboBox* List() const;

  QString announced_;
  // The entries as the closed list offers them, owned by Qt's registry of interfaces.
  mutable std::vector<QAccessible::Id> entries_;
};

}  // namespace zentavo
