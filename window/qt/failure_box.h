// The message box that reports a failure. It is window-modal and does not block, so the window
// goes on once it is closed, and it keeps the keyboard while it is open: a click in the window
// does not take the focus from it, so Enter, Space and Esc always close it.
#pragma once

#include <QMessageBox>

namespace zentavo {

class FailureBox : public QMessageBox {
  Q_OBJECT

 public:
  FailureBox(const QString& message, QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zentavo
