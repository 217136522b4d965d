#include "key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <cstdint>
#include <optional>

namespace zentavo {
namespace {

constexpr std::int16_t kEscapeCode = 27;

// The character code of a typed key; keys that type no character (arrows, Shift) have none. Only
// the Esc key itself gives Esc's code: X also types that control character for chords such as
// Ctrl+3 and Ctrl+[, and a chord with Esc is meant for the desktop, not for the window.
std::optional<std::int16_t> CharacterCode(const QKeyEvent& key) {
  constexpr Qt::KeyboardModifiers kChord = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (key.key() == Qt::Key_Escape) {
    if (key.modifiers() & kChord) return std::nullopt;
    return kEscapeCode;
  }
  const QString text = key.text();
  if (text.size() != 1 || text.front().unicode() == kEscapeCode) return std::nullopt;
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
  const std::optional<std::int16_t> code = CharacterCode(*static_cast<QKeyEvent*>(event));
  if (override) {
    // An open list would close on Esc as a shortcut; claiming the key makes it arrive as a key
    // press instead, which the form sees first.
    if (code != kEscapeCode) return false;
    event->accept();
    return true;
  }
  if (IsPassedOnToParent(event, receiver)) return false;
  lastEvent_ = event;
  lastReceiver_ = receiver;
  if (!code) return false;
  return !form_.UserPressesKey(*code);
}

}  // namespace zentavo
