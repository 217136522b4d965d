// Chords a careless hand presses, sent as the X keyboard sends them: Ctrl and Ctrl+Shift with every
// main and keypad key (X types control characters for many of them, Esc's among them), Alt
// chords and dead keys. None ends the program, and none but the line edits' own editing commands
// changes an input.
#include <QAbstractItemView>
#include <vector>

#include "window_fixture.h"

namespace zentavo {
namespace {

using testing_support::WindowTest;

struct Chord {
  Qt::Key key;
  QString text;
  Qt::KeyboardModifiers modifiers;
};

std::string Described(const Chord& chord) {
  std::string name = QKeySequence(chord.modifiers | chord.key).toString().toStdString();
  if (name.empty()) name = "key " + std::to_string(chord.key);
  std::string text;
  for (QChar c : chord.text) text += " U+" + std::to_string(c.unicode());
  return name + " typing" + (text.empty() ? " nothing" : text);
}

// The text X gives a key held with Ctrl: the control character of its ASCII character (Ctrl+[
// and Ctrl+3 both type Esc's), or none.
QString ControlText(char ascii) {
  switch (ascii) {
    case '2':
    case ' ':
      return QString(QChar(0));
    case '3':
      return QString(QChar(27));
    case '4':
      return QString(QChar(28));
    case '5':
      return QString(QChar(29));
    case '6':
      return QString(QChar(30));
    case '7':
    case '/':
      return QString(QChar(31));
    case '8':
      return QString(QChar(127));
  }
  const char upper = ascii >= 'a' && ascii <= 'z' ? static_cast<char>(ascii - 32) : ascii;
  if (upper >= '@' && upper <= '_') return QString(QChar(upper & 0x1f));
  return QString(QChar::fromLatin1(ascii));
}

const Qt::KeyboardModifiers kHeld[] = {Qt::ControlModifier, Qt::ControlModifier | Qt::ShiftModifier,
                                       Qt::AltModifier};

std::vector<Chord> Chords() {
  std::vector<std::pair<Qt::Key, char>> main;
  for (char c = '0'; c <= '9'; ++c) main.emplace_back(static_cast<Qt::Key>(c), c);
  for (char c = 'A'; c <= 'Z'; ++c) main.emplace_back(static_cast<Qt::Key>(c), c + 32);
  for (char c : std::string("[]\\;',./-=` ")) main.emplace_back(QTest::asciiToKey(c), c);
  std::vector<Chord> chords;
  for (auto [key, ascii] : main) {
    chords.push_back({key, ControlText(ascii), Qt::ControlModifier});
    chords.push_back({key, ControlText(ascii), Qt::ControlModifier | Qt::ShiftModifier});
    chords.push_back({key, QString(QChar::fromLatin1(ascii)), Qt::AltModifier});
    chords.push_back({key, QString(QChar::fromLatin1(ascii)), Qt::AltModifier | Qt::ShiftModifier});
    chords.push_back({key, ControlText(ascii), Qt::ControlModifier | Qt::AltModifier});
    // As a test tool or another platform sends them: the plain character with Ctrl.
    chords.push_back({key, QString(QChar::fromLatin1(ascii)), Qt::ControlModifier});
  }
  const std::pair<Qt::Key, char> keypad[] = {
      {Qt::Key_0, '0'},     {Qt::Key_1, '1'},     {Qt::Key_2, '2'},        {Qt::Key_3, '3'},
      {Qt::Key_4, '4'},     {Qt::Key_5, '5'},     {Qt::Key_6, '6'},        {Qt::Key_7, '7'},
      {Qt::Key_8, '8'},     {Qt::Key_9, '9'},     {Qt::Key_Period, '.'},   {Qt::Key_Plus, '+'},
      {Qt::Key_Minus, '-'}, {Qt::Key_Slash, '/'}, {Qt::Key_Asterisk, '*'}, {Qt::Key_Enter, '\r'},
  };
  for (auto [key, ascii] : keypad) {
    for (Qt::KeyboardModifiers held : kHeld) {
      const QString text =
          held & Qt::ControlModifier ? ControlText(ascii) : QString(QChar::fromLatin1(ascii));
      chords.push_back({key, text, held | Qt::KeypadModifier});
    }
  }
  for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,
                      Qt::Key_End, Qt::Key_Left, Qt::Key_Right, Qt::Key_Insert, Qt::Key_F4}) {
    for (Qt::KeyboardModifiers held : kHeld) {
      chords.push_back({key, key == Qt::Key_Escape ? QString(QChar(27)) : QString(), held});
    }
  }
  for (int dead = Qt::Key_Dead_Grave; dead <= Qt::Key_Dead_Horn; ++dead)
    chords.push_back({static_cast<Qt::Key>(dead), QString(), Qt::NoModifier});
  return chords;
}

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
    for (int i = 0; i < kResistorRows; ++i) {
      shown.push_back(Shown(Form().txtRp(i)));
      shown.push_back(Shown(Form().cboRp(i)));
    }
    shown.push_back(Shown(Form().txtIpt));
    shown.push_back(Shown(Form().cboIpt));
    shown.push_back(Shown(Form().cboRezP));
    return shown;
  }
  std::vector<QString> ModelInputs() {
    std::vector<QString> held;
    for (int i = 0; i < kResistorRows; ++i) {
      held.push_back(QString::fromStdString(Form().txtRp(i).Text()));
      held.push_back(QString::fromStdString(Form().cboRp(i).Text()));
    }
    held.push_back(QString::fromStdString(Form().txtIpt.Text()));
    held.push_back(QString::fromStdString(Form().cboIpt.Text()));
    held.push_back(QString::fromStdString(Form().cboRezP.Text()));
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
