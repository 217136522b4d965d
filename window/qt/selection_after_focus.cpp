#include "selection_after_focus.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>

namespace zentavo {

SelectionAfterFocus::SelectionAfterFocus(QObject* parent) : QObject(parent) {
  QCoreApplication::instance()->installEventFilter(this);
}

// The line edit finds its text already selected and leaves it so. The selection is made as the
// line edit would make it, with nothing told to readers: once told of the focus, they read the
// selection with the field.
bool SelectionAfterFocus::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::FocusIn) return false;
  const auto reason = static_cast<QFocusEvent*>(event)->reason();
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (edit == nullptr || (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) ||
      edit->hasSelectedText() || !edit->inputMask().isEmpty())
    return false;
  const QAccessible::UpdateHandler told =
      QAccessible::installUpdateHandler([](QAccessibleEvent*) {});
  edit->selectAll();
  QAccessible::installUpdateHandler(told);
  return false;
}

}  // namespace zentavo
