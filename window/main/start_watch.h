// Watches Qt's messages and the memory while the window starts, so that a start that cannot open
// the window ends with one line of the program's own and status 1, not with Qt's abort, a hang or
// a program that runs on without a window. The messages of a start that succeeds are passed on.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <mutex>
#include <new>
#include <string>
#include <vector>

namespace zentavo {

class StartWatch {
 public:
  // `platformFailure` is the line to end with if Qt's platform cannot start.
  explicit StartWatch(std::string platformFailure);
  ~StartWatch();
  StartWatch(const StartWatch&) = delete;
  StartWatch& operator=(const StartWatch&) = delete;

  // The platform has started: a fatal error from here on is the window's.
  void PlatformStarted();
  // Ends the watch and passes Qt's messages on to the handler they were meant for.
  void End();

 private:
  struct Message {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
  };
  static void Receive(QtMsgType type, const QMessageLogContext& context, const QString& text);

  std::mutex mutex_;
  std::string platformFailure_;
  bool platformStarted_ = false;
  std::vector<Message> held_;
  QtMessageHandler previous_ = nullptr;
  std::new_handler previousNewHandler_ = nullptr;
};

}  // namespace zentavo
