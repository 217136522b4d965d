// The message box that reports a failure. It is window-modal and does not block, so the window
// goes on once it is closed, and it keeps the keyboard while it is open: a click in the window
// does not take the focus from it, so Enter, Space and Esc always close it. A window has at most
// one: a failure while it is open is reported in it.
#pragma once

#include <QMessageBox>

namespace zentavo {

class FailureBox : public QMessageBox {
  Q_OBJECT

 public:
  // Opens the window's box with the message, or shows the message in the one already open.
  static FailureBox& Report(const QString& message, QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FailureBox(const QString& message, QWidget& window);
  // Once the events being handled are done: closes a list left open and activates the box.
  void TakeKeyboardLater();
};

}  // namespace zentavo
