// Tells an Esc that cancels a compose sequence from one meant for the window. The input method
// takes the keys of a sequence before any widget sees them, so a key pressed on the keyboard that
// never arrived as a key event means that a sequence was under way when the next key came.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QtGlobal>
#include <deque>

class QKeyEvent;

namespace zentavo {

class ComposeWatch : public QAbstractNativeEventFilter {
 public:
  // Whether the input method took keys pressed before this one, since the last key that arrived
  // or the last text it composed. The same for every event of one key press.
  bool FollowsTakenKeys(const QKeyEvent& key);
  // The input method has composed its text: the sequence is over.
  void Composed();

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  struct Press {
    quint32 keycode = 0;
    quint64 time = 0;
    bool operator==(const Press&) const = default;
  };
  std::deque<Press> presses_;  // the key presses from the window system not yet arrived
  Press lastArrived_;
  bool lastFollowedTakenKeys_ = false;
};

}  // namespace zentavo
