// What a screen reader is told about a drop-down list: the name the form gave it, and the chosen
// entry as its value. Qt's own interface reports the chosen entry as the name on Linux and leaves
// the caption to a label's relation, which the lists under a shared column caption cannot have.
#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace zentavo {

class AccessibleList : public QAccessibleWidget {
 public:
  explicit AccessibleList(QComboBox* list);

  // Makes every drop-down list of the application use this interface.
  static void InstallFactory();

  QString text(QAccessible::Text kind) const override;
  QAccessible::State state() const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QStringList actionNames() const override;
  void doAction(const QString& action) override;

 private:
  QComboBox* List() const;
};

}  // namespace zentavo
