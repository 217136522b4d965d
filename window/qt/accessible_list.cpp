#include "accessible_list.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace zentavo {
namespace {

QAccessibleInterface* ListFactory(const QString& className, QObject* object) {
  auto* list = qobject_cast<QComboBox*>(object);
  if (className != QLatin1String("QComboBox") || list == nullptr || list->isEditable())
    return nullptr;
  return new AccessibleList(list);
}

}  // namespace

AccessibleList::AccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

void AccessibleList::InstallFactory() {
  QAccessible::installFactory(ListFactory);
}

QComboBox* AccessibleList::List() const {
  return static_cast<QComboBox*>(widget());
}

QString AccessibleList::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) return List()->currentText();
  if (kind == QAccessible::Name && List()->accessibleName().isEmpty()) return List()->currentText();
  return QAccessibleWidget::text(kind);
}

QAccessible::State AccessibleList::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  const bool open = List()->view()->isVisible();
  state.expandable = true;
  state.hasPopup = true;
  state.expanded = open;
  state.collapsed = !open;
  return state;
}

// The entries, as the open list shows them.
int AccessibleList::childCount() const {
  return 1;
}

QAccessibleInterface* AccessibleList::child(int index) const {
  return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
}

int AccessibleList::indexOfChild(const QAccessibleInterface* child) const {
  return child != nullptr && child->object() == List()->view() ? 0 : -1;
}

QStringList AccessibleList::actionNames() const {
  return QAccessibleWidget::actionNames() << showMenuAction() << pressAction();
}

void AccessibleList::doAction(const QString& action) {
  if (action == showMenuAction() || action == pressAction()) {
    List()->showPopup();
    return;
  }
  QAccessibleWidget::doAction(action);
}

}  // namespace zentavo
