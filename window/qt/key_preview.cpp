#include "key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <cstdint>
#include <optional>

namespace zentavo {
namespace {

constexpr Qt::KeyboardModifiers kChord = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// A key held with Ctrl, Alt or Meta is a command, never text: X gives Ctrl+3 and Ctrl+[ Esc's
// control character and Alt+5 a 5, which would end the program or change a value unasked.
bool IsChord(const QKeyEvent& key) {
  return (key.modifiers() & kChord) != Qt::NoModifier;
}

bool TypesPrintable(const QKeyEvent& key) {
  const QString text = key.text();
  return !text.isEmpty() && text.front().isPrint();
}

// Whether a key is one of a line edit's own commands: editing, moving the caret, selecting.
bool IsEditingCommand(const QKeyEvent& key) {
  using K = QKeySequence::StandardKey;
  for (K command : {K::Undo,
                    K::Redo,
                    K::Cut,
                    K::Copy,
                    K::Paste,
                    K::Delete,
                    K::Backspace,
                    K::SelectAll,
                    K::Deselect,
                    K::DeleteStartOfWord,
                    K::DeleteEndOfWord,
                    K::DeleteEndOfLine,
                    K::DeleteCompleteLine,
                    K::MoveToNextChar,
                    K::MoveToPreviousChar,
                    K::MoveToNextWord,
                    K::MoveToPreviousWord,
                    K::MoveToStartOfLine,
                    K::MoveToEndOfLine,
                    K::MoveToStartOfBlock,
                    K::MoveToEndOfBlock,
                    K::MoveToStartOfDocument,
                    K::MoveToEndOfDocument,
                    K::SelectNextChar,
                    K::SelectPreviousChar,
                    K::SelectNextWord,
                    K::SelectPreviousWord,
                    K::SelectStartOfLine,
                    K::SelectEndOfLine,
                    K::SelectStartOfBlock,
                    K::SelectEndOfBlock,
                    K::SelectStartOfDocument,
                    K::SelectEndOfDocument})
    if (key.matches(command)) return true;
  return false;
}

// What a chord would do unasked: type its character into a box, search for it in a list, move a
// list's choice (Ctrl+End picks the last entry) or press the button (Ctrl+Space clears every
// input). The boxes keep their editing commands (Ctrl+Z, Ctrl+V, ...), Tab still moves on and
// Alt+Down still opens a list.
bool IsUnaskedChange(const QKeyEvent& key, const QWidget& receiver) {
  if (!IsChord(key)) return false;
  if (qobject_cast<const QLineEdit*>(&receiver) != nullptr)
    return TypesPrintable(key) && !IsEditingCommand(key);
  const bool opensList = key.modifiers().testFlag(Qt::AltModifier) &&
                         (key.key() == Qt::Key_Down || key.key() == Qt::Key_Up);
  const bool movesFocus = key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
  return !opensList && !movesFocus;
}

// The character code of a typed key; keys that type no character (arrows, Shift) and chords have
// none. Only the Esc key itself gives Esc's code.
std::optional<std::int16_t> CharacterCode(const QKeyEvent& key) {
  if (IsChord(key)) return std::nullopt;
  if (key.key() == Qt::Key_Escape) return frmZentavo::kEscape;
  const QString text = key.text();
  if (text.size() != 1 || text.front().unicode() == frmZentavo::kEscape) return std::nullopt;
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
  const auto& key = *static_cast<QKeyEvent*>(event);
  const std::optional<std::int16_t> code = CharacterCode(key);
  if (override) {
    // An open list would close on Esc as a shortcut; claiming the key makes it arrive as a key
    // press instead, which the form sees first.
    if (code != frmZentavo::kEscape) return false;
    event->accept();
    return true;
  }
  if (IsPassedOnToParent(event, receiver)) return false;
  lastEvent_ = event;
  lastReceiver_ = receiver;
  if (IsUnaskedChange(key, *receiver)) return true;
  if (!code) return false;
  return !form_.UserPressesKey(*code);
}

}  // namespace zentavo
