#include "accessible_list.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

#include "accessible_entry.h"

namespace zentavo {

AccessibleList::AccessibleList(QComboBox* list)
    : QAccessibleWidget(list, QAccessible::ComboBox), announced_(list->currentText()) {
  // The interface lives exactly as long as the list, which is the connection's context.
  QObject::connect(list, &QComboBox::currentTextChanged, list, [this, list](const QString& text) {
    QAccessibleTextUpdateEvent change(list, 0, announced_, text);
    announced_ = text;
    QAccessible::updateAccessibility(&change);
  });
  QObject::connect(list, &QComboBox::currentIndexChanged, list,
                   [this, list](int entry) { FocusOnChosenEntry(*list, entry); });
}

AccessibleList::~AccessibleList() {
  for (QAccessible::Id entry : entries_) QAccessible::deleteAccessibleInterface(entry);
}

// Orca says a closed list's new entry when its focus moves to that entry, as it moves there on
// other toolkits' lists through their selection. Qt 6.4 passes on no active-descendant event and
// offers no selection interface, and Orca presents none of the text, name and selection changes
// it sends. A list with the focus is one the user changed; an open list moves the focus itself.
void AccessibleList::FocusOnChosenEntry(QComboBox& list, int entry) {
  if (!list.hasFocus() || list.view()->isVisible() || entry < 0) return;
  QAccessibleInterface* chosen = child(1 + entry);
  if (chosen == nullptr) return;
  QAccessibleEvent focus(chosen, QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

QComboBox* AccessibleList::List() const {
  return static_cast<QComboBox*>(widget());
}

QString AccessibleList::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) return List()->currentText();
  if (kind == QAccessible::Name && List()->accessibleName().isEmpty()) return List()->currentText();
  return QAccessibleWidget::text(kind);
}

void* AccessibleList::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
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

// The entries as the open list shows them, then each entry as the closed list offers it.
int AccessibleList::childCount() const {
  return 1 + List()->count();
}

QAccessibleInterface* AccessibleList::child(int index) const {
  if (index == 0) return QAccessible::queryAccessibleInterface(List()->view());
  if (index < 1 || index > List()->count()) return nullptr;
  // Made as they are first asked for: the list may be asked about before it has its entries.
  while (static_cast<int>(entries_.size()) < index) {
    auto* entry = new AccessibleEntry(*List(), static_cast<int>(entries_.size()));
    entries_.push_back(QAccessible::registerAccessibleInterface(entry));
  }
  return QAccessible::accessibleInterface(entries_[static_cast<std::size_t>(index - 1)]);
}

int AccessibleList::indexOfChild(const QAccessibleInterface* child) const {
  if (child == nullptr) return -1;
  if (child->object() == List()->view()) return 0;
  const auto id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
  const auto found = std::find(entries_.begin(), entries_.end(), id);
  return found == entries_.end() ? -1 : 1 + static_cast<int>(found - entries_.begin());
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

QString AccessibleList::ShownText() const {
  return List()->currentText();
}

const QWidget& AccessibleList::Shower() const {
  return *List();
}

DrawnLine AccessibleList::Drawn() const {
  QComboBox* list = List();
  QStyleOptionComboBox box;
  box.initFrom(list);
  box.editable = false;
  box.frame = list->hasFrame();
  box.currentText = list->currentText();
  const QRect field =
      list->style()->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, list);
  const QFontMetrics metrics(list->font());
  const QRect line = QStyle::alignedRect(
      list->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter,
      QSize(metrics.horizontalAdvance(box.currentText), metrics.height()), field);
  DrawnLine drawn(box.currentText, box.currentText, list->font(), field);
  drawn.Anchor(0, line.topLeft());
  return drawn;
}

}  // namespace zentavo
