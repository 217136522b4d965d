// One entry of a drop-down list as the closed list offers it to a screen reader: a list item that
// lies in the list itself. A reader whose focus moves from the list to the entry has no new
// container to name, so it says the entry alone; the open list's own items lie in its pop-up, which
// a reader names first ("Listă cu 3 elemente").
#pragma once

#include <QAccessibleInterface>
#include <QComboBox>
#include <QPointer>

namespace zentavo {

class AccessibleEntry : public QAccessibleInterface {
 public:
  AccessibleEntry(QComboBox& list, int entry);

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation) const override {
    return {};
  }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text kind) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override;

 private:
  QPointer<QComboBox> list_;
  int entry_;
};

}  // namespace zentavo
