#include "accessible_entry.h"

#include <QWidget>

namespace zentavo {

AccessibleEntry::AccessibleEntry(QComboBox& list, int entry) : list_(&list), entry_(entry) {}

bool AccessibleEntry::isValid() const {
  return !list_.isNull() && entry_ < list_->count();
}

QWindow* AccessibleEntry::window() const {
  return list_ ? list_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleEntry::parent() const {
  return QAccessible::queryAccessibleInterface(list_.data());
}

QString AccessibleEntry::text(QAccessible::Text kind) const {
  if (kind != QAccessible::Name || !isValid()) return {};
  return list_->itemText(entry_);
}

// Where the list shows its chosen entry.
QRect AccessibleEntry::rect() const {
  if (!isValid()) return {};
  return QRect(list_->mapToGlobal(QPoint()), list_->size());
}

QAccessible::State AccessibleEntry::state() const {
  QAccessible::State state;
  if (!isValid()) return state;
  const bool chosen = list_->currentIndex() == entry_;
  state.selectable = true;
  state.selected = chosen;
  state.focusable = true;
  state.focused = chosen && list_->hasFocus();
  state.invisible = !chosen || !list_->isVisible();
  return state;
}

}  // namespace zentavo
