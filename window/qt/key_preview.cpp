#include "key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <cstdint>
#include <optional>

namespace zentavo {
namespace {

constexpr std::int16_t kEscapeCode = 27;

// The character code of a typed key; keys that type no character (arrows, Shift) have none.
std::optional<std::int16_t> CharacterCode(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Escape) return kEscapeCode;
  const QString text = key.text();
  if (text.size() != 1) return std::nullopt;
  return static_cast<std::int16_t>(text.front().unicode());
}

}  // namespace

KeyPreview::KeyPreview(frmZentavo& form, QWidget& window) : form_(form), window_(window) {
  qApp->installEventFilter(this);
}

bool KeyPreview::BelongsToWindow(const QWidget* widget) const {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    if (widget == &window_) return true;
    // A message box belongs to the window but is none of its controls.
    if (widget->isWindow() && widget->windowType() != Qt::Popup) return false;
  }
  return false;
}

bool KeyPreview::IsPassedOnToParent(const QEvent* event, const QWidget* receiver) const {
  if (event != lastEvent_ || lastReceiver_.isNull()) return false;
  return receiver != lastReceiver_ && receiver->isAncestorOf(lastReceiver_);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
  const bool override = event->type() == QEvent::ShortcutOverride;
  if ((!override && event->type() != QEvent::KeyPress) || !watched->isWidgetType()) return false;
  auto* receiver = static_cast<QWidget*>(watched);
  if (!BelongsToWindow(receiver)) return false;
  if (override) {
    // An open list would close on Esc as a shortcut; claiming the key makes it arrive as a key
    // press instead, which the form sees first.
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
    event->accept();
    return true;
  }
  if (IsPassedOnToParent(event, receiver)) return false;
  lastEvent_ = event;
  lastReceiver_ = receiver;
  const std::optional<std::int16_t> code = CharacterCode(*static_cast<QKeyEvent*>(event));
  if (!code) return false;
  return !form_.UserPressesKey(*code);
}

}  // namespace zentavo
