// Has a screen reader say the form's announcements without moving the focus. Qt 6.4 offers no
// announcement event; Orca 43 says a notification's name when the notification is shown, and
// leaves out its kind when it lies in a status bar. So the window holds a hidden status bar, found
// only in the accessible tree, whose notification is named after the words and reported shown.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

namespace zentavo {

class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget& window);

  // Said after a short pause, so that the reader first finishes echoing the key that changed the
  // results; words given during the pause replace the ones waiting.
  void Announce(const QString& words);
  static constexpr int kPauseMs = 500;

  // The notification the reader hears: the status bar's one child.
  QWidget& Notice() const { return *notice_; }

 private:
  void Say();

  QWidget* notice_;
  QTimer pause_;
  QString waiting_;
};

}  // namespace zentavo
