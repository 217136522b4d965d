// Keys as the X keyboard sends them to the window: a chord is a key held with Ctrl, Alt or Meta,
// with the text X types for it (Ctrl+3 and Ctrl+[ type Esc's control character), and the table
// of every Ctrl, Ctrl+Shift, Alt and keypad chord and dead key a careless hand can press.
#pragma once

#include <QKeySequence>
#include <QString>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

namespace zentavo::testing_support {

struct Chord {
  Qt::Key key;
  QString text;
  Qt::KeyboardModifiers modifiers;
};

inline std::string Described(const Chord& chord) {
  std::string name = QKeySequence(chord.modifiers | chord.key).toString().toStdString();
  if (name.empty()) name = "key " + std::to_string(chord.key);
  std::string text;
  for (QChar c : chord.text) text += " U+" + std::to_string(c.unicode());
  return name + " typing" + (text.empty() ? " nothing" : text);
}

// The text X gives a key held with Ctrl: the control character of its ASCII character (Ctrl+[
// and Ctrl+3 both type Esc's), or none.
inline QString ControlText(char ascii) {
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

inline const Qt::KeyboardModifiers kHeld[] = {
    Qt::ControlModifier, Qt::ControlModifier | Qt::ShiftModifier, Qt::AltModifier};

inline std::vector<Chord> Chords() {
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

}  // namespace zentavo::testing_support
