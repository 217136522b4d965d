#include "failure_box.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QTimer>

#include "design_palette.h"

namespace zentavo {

FailureBox::FailureBox(const QString& message, QWidget& window)
    : QMessageBox(QMessageBox::Critical, window.windowTitle(), message, QMessageBox::Ok, &window) {
  setAttribute(Qt::WA_DeleteOnClose);
  setPalette(DesignPalette());
  // The box is the desktop's, not part of the design: it keeps the desktop's font, which the
  // application's font no longer is.
  setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
  window.installEventFilter(this);
}

FailureBox& FailureBox::Report(const QString& message, QWidget& window) {
  for (FailureBox* open : window.findChildren<FailureBox*>(Qt::FindDirectChildrenOnly)) {
    if (!open->isVisible()) continue;
    open->setText(message);
    return *open;
  }
  auto* box = new FailureBox(message, window);
  box->open();
  // A click that raised the failure, by taking the focus from a box, goes on to activate the
  // window (and may open a list there) after the box has opened.
  box->TakeKeyboardLater();
  return *box;
}

void FailureBox::TakeKeyboardLater() {
  QTimer::singleShot(0, this, [this] {
    if (!isVisible()) return;
    if (QWidget* list = QApplication::activePopupWidget()) list->close();
    raise();
    activateWindow();
  });
}

bool FailureBox::eventFilter(QObject* watched, QEvent* event) {
  // The desktop activates the window that was clicked even though the box blocks it; the keys
  // would then go to a window that ignores them. Activation is handed back once it has settled.
  if (watched == parent() && event->type() == QEvent::WindowActivate && isVisible())
    TakeKeyboardLater();
  return QMessageBox::eventFilter(watched, event);
}

}  // namespace zentavo
