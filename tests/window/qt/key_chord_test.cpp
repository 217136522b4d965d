// Chords a careless hand presses, sent as the X keyboard sends them: Ctrl and Ctrl+Shift with every
// main and keypad key (X types control characters for many of them, Esc's among them), Alt
// chords and dead keys. None ends the program, and none but the line edits' own editing commands
// changes an input. Esc, alone, does.
#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QInputMethodEvent>
#include <vector>

#include <xcb/xcb.h>

#include "form_state_checks.h"
#include "window_fixture.h"
#include "x_keys.h"

namespace zentavo {
namespace {

using testing_support::Chord;
using testing_support::Chords;
using testing_support::WindowTest;

// The line edits' own editing commands may change the text they are given; every other chord
// must leave it alone.
bool EditsText(const Chord& chord) {
  if (chord.key == Qt::Key_Backspace || chord.key == Qt::Key_Delete) return true;
  QKeyEvent event(QEvent::KeyPress, chord.key, chord.modifiers, chord.text);
  for (QKeySequence::StandardKey command :
       {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut, QKeySequence::Paste,
        QKeySequence::Delete, QKeySequence::Backspace, QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine,
        QKeySequence::DeleteCompleteLine})
    if (event.matches(command)) return true;
  return false;
}

class KeyChords : public WindowTest {
 protected:
  std::vector<QString> Inputs() {
    std::vector<QString> shown;
    for (const Control* control : form_checks::InputControls(Form()))
      shown.push_back(Visit(*control, Overloaded{[this](const TextBox& box) { return Shown(box); },
                                                 [this](const ComboBox& box) { return Shown(box); },
                                                 [](const Control&) { return QString(); }}));
    return shown;
  }
  std::vector<QString> ModelInputs() {
    std::vector<QString> held;
    for (const std::string& input : form_checks::Inputs(Form())) held.push_back(ToQString(input));
    return held;
  }
  void Enter() {
    TypeOver(Form().txtRp(0), "12");
    TypeOver(Form().txtRp(1), "4.7");
    PickInList(Form().cboRp(1), 1);
    TypeOver(Form().txtIpt, "2e-3");
  }
};

TEST_F(KeyChords, NoChordEndsTheProgramOrChangesWhatWasTyped) {
  Enter();
  const std::vector<Chord> chords = Chords();
  struct Target {
    const char* name;
    std::function<QWidget*()> widget;
  };
  const std::vector<Target> targets = {
      {"resistor field", [this] { return Edit(Form().txtRp(1)); }},
      {"current field", [this] { return Edit(Form().txtIpt); }},
      {"unit list", [this] { return Combo(Form().cboRp(0)); }},
      {"count list", [this] { return Combo(Form().cboRezP); }},
      {"result box", [this] { return Edit(Form().txtUpt); }},
      {"button", [this] { return Widget(Form().cmdClear); }},
  };
  QGuiApplication::clipboard()->clear();
  for (const Target& target : targets) {
    for (const Chord& chord : chords) {
      const std::string step = std::string(target.name) + ", " + Described(chord);
      SCOPED_TRACE(step);
      QWidget* widget = target.widget();
      widget->setFocus();
      if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->end(false);
      const std::vector<QString> before = Inputs();
      QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), chord.key, chord.text,
                          chord.modifiers);
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
      ASSERT_EQ(recorded.endings, 0);
      ASSERT_TRUE(recorded.failures.empty());
      ASSERT_EQ(Inputs(), ModelInputs()) << "the widgets show what the form holds";
      if (EditsText(chord)) {
        if (Inputs() != before) Enter();
      } else {
        ASSERT_EQ(Inputs(), before);
      }
    }
  }
}

// A key as X delivers it: with the keyboard's state as X reports it beside Qt's modifiers, and the
// key code and time by which the press can be told from others.
void Press(QWidget* widget, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers,
           quint32 state, quint8 keycode = 9, quint32 time = 0) {
  for (QEvent::Type type : {QEvent::ShortcutOverride, QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, key, modifiers, keycode, 0, state, text);
    event.setTimestamp(time);
    QApplication::sendEvent(widget, &event);
  }
}

// Esc ends the program only alone, with Num Lock or Caps Lock on at most: not with Shift, AltGr
// or Hyper held, which X reports only in its own state. With Hyper held, no key types.
TEST_F(KeyChords, OnlyEscAloneEndsTheProgramAndHyperNeverTypes) {
  struct Row {
    const char* held;
    Qt::KeyboardModifiers modifiers;
    quint32 state;
    bool ends;
  };
  const Row rows[] = {{"nothing", {}, 0, true},
                      {"Num Lock", {}, 0x10, true},
                      {"Caps Lock", {}, 0x02, true},
                      {"Shift", Qt::ShiftModifier, 0x01, false},
                      {"AltGr", {}, 0x80, false},
                      {"Hyper on Mod3", {}, 0x20, false},
                      {"Super", Qt::MetaModifier, 0x40, false}};
  QLineEdit* edit = Edit(Form().txtRp(0));
  edit->setFocus();
  int endings = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.held);
    Press(edit, Qt::Key_Escape, QString(QChar(27)), row.modifiers, row.state);
    EXPECT_EQ(recorded.endings, endings += row.ends);
  }
  edit->end(false);
  Press(edit, Qt::Key_5, "5", {}, 0x20);
  EXPECT_EQ(Form().txtRp(0).Text(), "0") << "Hyper+5 typed";
}

// The input method takes the keys of a compose sequence before any widget sees them: an Esc that
// follows such keys cancels the sequence, and the next one ends the program. A sequence that
// composed its text is over.
TEST_F(KeyChords, AnEscEndingAComposeSequenceOnlyCancelsIt) {
  QLineEdit* edit = Edit(Form().txtRp(0));
  edit->setFocus();
  quint32 time = 100;
  auto pressedOnly = [&time](quint8 keycode) {
    xcb_key_press_event_t press{};
    press.response_type = XCB_KEY_PRESS;
    press.detail = keycode;
    press.time = ++time;
    QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &press, nullptr);
  };
  auto escape = [&] {
    pressedOnly(9);
    Press(edit, Qt::Key_Escape, QString(QChar(27)), {}, 0, 9, time);
  };
  pressedOnly(135);  // Multi_key
  pressedOnly(10);   // 1
  escape();
  EXPECT_EQ(recorded.endings, 0);
  escape();
  EXPECT_EQ(recorded.endings, 1);

  pressedOnly(135);
  pressedOnly(10);
  pressedOnly(11);  // 2: the input method composes ½
  QInputMethodEvent composed;
  composed.setCommitString("\u00bd");
  QApplication::sendEvent(edit, &composed);
  escape();
  EXPECT_EQ(recorded.endings, 2);
}

}  // namespace
}  // namespace zentavo
