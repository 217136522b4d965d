// Chords a careless hand presses, sent as the X keyboard sends them: Ctrl and Ctrl+Shift with every
// main and keypad key (X types control characters for many of them, Esc's among them), Alt
// chords and dead keys. None ends the program, and none but the line edits' own editing commands
// changes an input.
#include <QAbstractItemView>
#include <vector>

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
    for (const Control* control : fuzz::InputControls(Form()))
      shown.push_back(Visit(*control, Overloaded{[this](const TextBox& box) { return Shown(box); },
                                                 [this](const ComboBox& box) { return Shown(box); },
                                                 [](const Control&) { return QString(); }}));
    return shown;
  }
  std::vector<QString> ModelInputs() {
    std::vector<QString> held;
    for (const std::string& input : fuzz::Inputs(Form())) held.push_back(ToQString(input));
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

TEST_F(KeyChords, EscAloneStillEndsTheProgram) {
  for (Qt::KeyboardModifiers held :
       {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
    QTest::sendKeyEvent(QTest::Click, Edit(Form().txtRp(0)), Qt::Key_Escape, QString(QChar(27)),
                        held);
  }
  EXPECT_EQ(recorded.endings, 2);
}

}  // namespace
}  // namespace zentavo
