#include "key_preview.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <cstdint>
#include <optional>

namespace zentavo {
namespace {

constexpr Qt::KeyboardModifiers kChord = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

// The modifier state as X and Wayland's keymaps give it, beside what Qt makes of it: Qt names no
// modifier for Hyper on Mod3, and none for AltGr on Mod5, which only chooses the characters typed.
enum NativeModifier : quint32 {
  kShift = 0x01,
  kControl = 0x04,
  kMod1 = 0x08,
  kMod3 = 0x20,
  kMod4 = 0x40,
  kMod5 = 0x80,
};

// A key held with Ctrl, Alt, Meta, Super or Hyper is a command, never text: X gives Ctrl+3 and
// Ctrl+[ Esc's control character and Alt+5 or Hyper+5 a 5, which would end the program or change
// a value unasked.
bool IsChord(const QKeyEvent& key) {
  return (key.modifiers() & kChord) != Qt::NoModifier ||
         (key.nativeModifiers() & (kMod3 | kMod4)) != 0;
}

// Esc with no modifier held but Num Lock and Caps Lock: Esc with Shift, AltGr or any other was
// not meant to end the program.
bool IsEscAlone(const QKeyEvent& key) {
  return key.key() == Qt::Key_Escape && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
         (key.nativeModifiers() & (kShift | kControl | kMod1 | kMod3 | kMod4 | kMod5)) == 0;
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

// Alt+Up and Alt+Down open a closed list; a list moves its choice on Alt+Up, which nobody means.
bool OpensList(const QKeyEvent& key) {
  return (key.modifiers() & kChord) == Qt::AltModifier &&
         (key.key() == Qt::Key_Down || key.key() == Qt::Key_Up);
}

// What a chord would do unasked: type its character into a box, search for it in a list, move a
// list's choice (Ctrl+End picks the last entry) or press the button (Ctrl+Space clears every
// input). The boxes keep their editing commands (Ctrl+Z, Ctrl+V, ...) and Tab still moves on.
bool IsUnaskedChange(const QKeyEvent& key, const QWidget& receiver) {
  if (!IsChord(key)) return false;
  if (qobject_cast<const QLineEdit*>(&receiver) != nullptr)
    return TypesPrintable(key) && !IsEditingCommand(key);
  const bool movesFocus = key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
  return !movesFocus;
}

// The character code of a typed key; keys that type no character (arrows, Shift) and chords have
// none. Only the Esc key itself, alone, gives Esc's code.
std::optional<std::int16_t> CharacterCode(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Escape)
    return IsEscAlone(key) ? std::optional<std::int16_t>(frmZentavo::kEscape) : std::nullopt;
  if (IsChord(key)) return std::nullopt;
  const QString text = key.text();
  if (text.size() != 1 || text.front().unicode() == frmZentavo::kEscape) return std::nullopt;
  return static_cast<std::int16_t>(text.front().unicode());
}

}  // namespace

KeyPreview::KeyPreview(frmZentavo& form, QWidget& window) : form_(form), window_(window) {
  qApp->installEventFilter(this);
  qApp->installNativeEventFilter(&compose_);
}

KeyPreview::~KeyPreview() {
  qApp->removeNativeEventFilter(&compose_);
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
  if (event->type() == QEvent::InputMethod) {
    if (!static_cast<QInputMethodEvent*>(event)->commitString().isEmpty()) compose_.Composed();
    return false;
  }
  const bool override = event->type() == QEvent::ShortcutOverride;
  if ((!override && event->type() != QEvent::KeyPress) || !watched->isWidgetType()) return false;
  const auto& key = *static_cast<QKeyEvent*>(event);
  // Every key that arrives is seen here, so that the watch knows which ones never did.
  const bool endsComposing = compose_.FollowsTakenKeys(key);
  auto* receiver = static_cast<QWidget*>(watched);
  if (!BelongsToWindow(receiver) || IsPassedOnToParent(event, receiver)) return false;
  lastEvent_ = event;
  lastReceiver_ = receiver;
  const std::optional<std::int16_t> code = CharacterCode(key);
  if (code == frmZentavo::kEscape) {
    // Esc closes what is open, a menu or a list, or cancels the compose sequence it ends. A list
    // closes on Esc as a shortcut already, before the key press comes.
    const bool forWhatIsOpen =
        QApplication::activePopupWidget() != nullptr || endsComposing || escapeClosedPopup_;
    escapeClosedPopup_ = override && forWhatIsOpen;
    if (forWhatIsOpen) return !override && endsComposing;
    // Claiming the shortcut makes the key arrive as a key press, which the form sees first.
    if (override) {
      event->accept();
      return true;
    }
    return !form_.UserPressesKey(*code);
  }
  escapeClosedPopup_ = false;
  if (override) return false;
  if (auto* list = qobject_cast<QComboBox*>(receiver); list != nullptr && OpensList(key)) {
    list->showPopup();
    return true;
  }
  if (IsUnaskedChange(key, *receiver)) return true;
  if (!code) return false;
  return !form_.UserPressesKey(*code);
}

}  // namespace zentavo
