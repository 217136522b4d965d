#include "compose_watch.h"

#include <QKeyEvent>
#include <algorithm>

#include <xcb/xcb.h>

namespace zentavo {
namespace {

// More than any compose sequence is long; older presses can no longer matter.
constexpr std::size_t kRemembered = 32;

}  // namespace

bool ComposeWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & ~0x80) != XCB_KEY_PRESS) return false;
  const auto* press = static_cast<const xcb_key_press_event_t*>(message);
  presses_.push_back({press->detail, press->time});
  if (presses_.size() > kRemembered) presses_.pop_front();
  return false;
}

bool ComposeWatch::FollowsTakenKeys(const QKeyEvent& key) {
  const Press arrived{key.nativeScanCode(), key.timestamp()};
  if (arrived == lastArrived_) return lastFollowedTakenKeys_;
  const auto found = std::find(presses_.begin(), presses_.end(), arrived);
  // A key the window system did not press, as a test sends it, says nothing of a sequence.
  if (found == presses_.end()) return false;
  lastArrived_ = arrived;
  lastFollowedTakenKeys_ = found != presses_.begin();
  presses_.erase(presses_.begin(), found + 1);
  return lastFollowedTakenKeys_;
}

void ComposeWatch::Composed() {
  presses_.clear();
}

}  // namespace zentavo
