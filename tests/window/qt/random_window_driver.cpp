// Drives the real window off screen with random key and mouse events, as a careless user would:
// typing digits, separators, exponent letters, signs, other Unicode and control characters into
// whatever has the focus, Ctrl and Alt chords, short and long pastes, deletions, clicks, picks in
// every list, the clear button, count changes and the failure box. After every action it checks
// what must always hold, and at the end it reports the slowest action and the peak memory; it
// does not fail on time.
//   zentavo_random_window SEED ACTIONS
// The number format is the system's, so each locale is a run with another LANG.
#define QTEST_QPA_MOUSE_HANDLING  // clicks go through the window system, as a user's do
#include <sys/resource.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "failure_box.h"
#include "form_state_checks.h"
#include "fuzz_check.h"
#include "offscreen_application.h"
#include "qt_conversions.h"
#include "window_driving.h"
#include "x_keys.h"
#include "zentavo_window.h"

namespace zentavo {
namespace {

using fuzz_reference::Require;

// Characters typed one key at a time: mostly what a number needs, and what it must survive.
const char* const kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
const char* const kTyped[] = {
    "0", "1", "2", "3", "4",  "5",      "6",      "7",      "8",      "9",      ".",
    ",", "-", "+", "e", "E",  " ",      "x",      "k",      "ă",      "ș",      "µ",
    "€", "/", "*", "=", "\t", "\u202f", "\u00a0", "\u2212", "\u0663", "\uff11", "\U0001F600",
    "K", "M", "m", "u", "R",  "r",      "A",      "O",      "h",      "\u03a9", "\u043a"};

// Values typed key by key as they are printed on parts, with their unit's letter or name.
const char* const kWithUnits[] = {"4k7",       "2M2",  "R47",  "47kOhm", "12mA",     "500uA",
                                  "1m5",       "100k", "4.7k", "1,5k",   "3.3 MOhm", "2\u03bc2",
                                  "4k7\u03a9", "k",    "-R5",  "1e3k",   "999999M",  "12 mA"};

// Texts pasted whole.
const char* const kPasted[] = {
    "1e308", "-1e300", "9e307", "-47", "0.0004",   "1,5",        "2.2",       "1e-320", "12e8",
    "-12e8", "1e5x",   "",      " 5 ", "3,3E+2",   ".",          "-.",        "1e",     "1e-",
    "+7",    "\t9",    "1\n2",  "4k7", "4.7 kOhm", "4,7 kOhm",   "12mA",      "R47",    "2M2",
    "1m5",   "100k",   "abc",   "k",   "999999M",  "4,7k\u03a9", "500\u00b5A"};

std::string Number(long value) {
  std::array<char, 24> digits{};
  return std::string(digits.data(), std::to_chars(digits.data(), digits.data() + 24, value).ptr);
}

std::string Tenths(double value) {
  std::array<char, 32> digits{};
  return std::string(digits.data(), std::to_chars(digits.data(), digits.data() + digits.size(),
                                                  value, std::chars_format::fixed, 1)
                                        .ptr);
}

class Driver {
 public:
  explicit Driver(unsigned seed) : random_(seed), seed_(seed) {
    // Failures are counted and shown in the window's failure box, the endings only counted.
    window_ =
        std::make_unique<ZentavoWindow>(Platform{SystemNumberFormat(),
                                                 [this](const std::string& message) {
                                                   ++failuresShown_;
                                                   FailureBox::Report(ToQString(message), *window_);
                                                 },
                                                 [this] { ++endingsAsked_; }});
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get()))
      fuzz_reference::Fail("the window did not open");
  }

  void Run(long actions) {
    while (step_ < actions) Act();
  }

  void Report() const {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "%ld actions, seed %u: results shown after %ld, %d failure boxes, %d Esc endings; slowest "
        "action %s ms (%s); peak resident memory %s MiB\n",
        step_, seed_, computed_, failuresShown_, endingsAsked_, Tenths(slowest_).c_str(),
        slowestAction_.c_str(), Number(usage.ru_maxrss / 1024).c_str());
  }

 private:
  template <typename Choices>
  const auto& Any(const Choices& choices) {
    const auto last = static_cast<std::ptrdiff_t>(std::size(choices)) - 1;
    return *(std::begin(choices) + std::uniform_int_distribution<std::ptrdiff_t>(0, last)(random_));
  }
  int Between(int low, int high) { return std::uniform_int_distribution<>(low, high)(random_); }
  bool OneIn(int n) { return Between(1, n) == 1; }

  frmZentavo& Form() { return window_->Form(); }
  int Count() { return Form().cboRezP.Text()[0] - '0'; }

  // One user action: done, timed, then checked.
  template <typename Action>
  void Checked(const std::string& what, Action action) {
    ++step_;
    const std::string description =
        "action " + Number(step_) + " of seed " + Number(seed_) + ": the user " + what;
    const std::vector<std::string> before = form_checks::Inputs(Form());
    const int failuresBefore = failuresShown_;
    const auto started = std::chrono::steady_clock::now();
    action();
    const double milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
            .count();
    if (milliseconds > slowest_) {
      slowest_ = milliseconds;
      slowestAction_ = description;
    }
    Check(description, failuresShown_ > failuresBefore, form_checks::Inputs(Form()) != before);
    if (!Form().txtIp(0).Text().empty()) ++computed_;
  }

  // A key as X sends it, to the window that has the keyboard.
  void Key(const std::string& what, Qt::Key key, const QString& text = {},
           Qt::KeyboardModifiers held = Qt::NoModifier) {
    Checked(what, [&] {
      QWindow* target = QGuiApplication::focusWindow();
      if (target == nullptr) target = window_->windowHandle();
      // Esc closes an open menu or list; only Esc alone in the window itself ends the program.
      if (key == Qt::Key_Escape && held == Qt::NoModifier &&
          QApplication::activeModalWidget() == nullptr &&
          QApplication::activePopupWidget() == nullptr)
        ++escapes_;
      PressAndRelease(target, key, text, held);
    });
  }

  // Presses the modifiers and the key, then releases them, as X sends a chord. An event may close
  // the window it went to (Space or Enter presses the failure box's button, and the box deletes
  // itself), so each goes only to a window still there; once it is gone, the releases go to the
  // window that has the keyboard then, as X sends them.
  static void PressAndRelease(QWindow* window, Qt::Key key, const QString& text,
                              Qt::KeyboardModifiers held) {
    const QPointer<QWindow> target(window);
    QTest::sendKeyEvent(QTest::Press, target, key, text, held);
    const auto send = [&target](Qt::Key released, const QString& typed,
                                Qt::KeyboardModifiers modifiers) {
      QWindow* to = target != nullptr ? target.data() : QGuiApplication::focusWindow();
      if (to != nullptr) QTest::simulateEvent(to, false, released, modifiers, typed, false);
    };
    send(key, text, held);
    // In the order and with the modifiers QTest's own release of a chord gives them.
    if (held & Qt::MetaModifier) send(Qt::Key_Meta, {}, held);
    if (held & Qt::AltModifier)
      send(Qt::Key_Alt, {}, held & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
    if (held & Qt::ControlModifier)
      send(Qt::Key_Control, {}, held & (Qt::ShiftModifier | Qt::ControlModifier));
    if (held & Qt::ShiftModifier) send(Qt::Key_Shift, {}, held & Qt::ShiftModifier);
  }
  void Type(const QString& character) {
    const char16_t first = character.front().unicode();
    Qt::Key key = Qt::Key_unknown;
    if (first == '\t') {
      key = Qt::Key_Tab;
    } else if (first < 0x80) {
      key = QTest::asciiToKey(static_cast<char>(first));
    }
    Key("types \"" + character.toStdString() + "\"", key, character);
  }

  // A click, and the activation a desktop gives the window clicked.
  void Click(const std::string& what, QWidget* widget, QPoint at, bool twice = false) {
    Checked(what, [&] {
      QWidget* clicked = widget->window();
      if (!clicked->isActiveWindow() && QApplication::activePopupWidget() == nullptr) {
        clicked->activateWindow();
        if (!QTest::qWaitForWindowActive(clicked, 1000))
          fuzz_reference::Fail("a click did not activate its window");
      }
      if (twice) {
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
      } else {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
      }
    });
  }

  std::vector<TextBox*> VisibleBoxes(bool valueFields) {
    std::vector<TextBox*> boxes;
    for (int i = 0; i < Count(); ++i) {
      if (valueFields) {
        boxes.push_back(&Form().txtRp(i));
      } else {
        boxes.push_back(&Form().txtPp(i));
        boxes.push_back(&Form().txtIp(i));
      }
    }
    boxes.push_back(valueFields ? &Form().txtIpt : &Form().txtUpt);
    return boxes;
  }
  std::vector<ComboBox*> VisibleLists() {
    std::vector<ComboBox*> lists{&Form().cboRezP, &Form().cboIpt};
    for (int i = 0; i < Count(); ++i) lists.push_back(&Form().cboRp(i));
    return lists;
  }

  // A click in a value field (or a result box), which also activates the window under an open
  // failure box, as a desktop does.
  void ClickABox() {
    TextBox& box = *Any(VisibleBoxes(!OneIn(5)));
    QWidget* edit = window_->WidgetFor(box);
    const QPoint at(Between(1, edit->width() - 2), edit->height() / 2);
    const bool twice = OneIn(8);
    Click(std::string(twice ? "double-clicks " : "clicks ") + box.QualifiedName(), edit, at, twice);
  }

  void TypeCharacters() {
    if (OneIn(4)) {
      for (QChar c : QString::fromUtf8(Any(kWithUnits))) Type(QString(c));
      return;
    }
    for (int n = Between(1, 8); n > 0; --n)
      Type(QString::fromUtf8(OneIn(3) ? Any(kTyped) : Any(kDigits)));
  }

  void EditingKey() {
    struct Press {
      const char* name;
      Qt::Key key;
      QString text;
      Qt::KeyboardModifiers held;
    };
    static const std::vector<Press> presses = {
        {"Backspace", Qt::Key_Backspace, "\b", {}},
        {"Delete", Qt::Key_Delete, "\x7f", {}},
        {"Home", Qt::Key_Home, {}, {}},
        {"End", Qt::Key_End, {}, {}},
        {"Left", Qt::Key_Left, {}, {}},
        {"Right", Qt::Key_Right, {}, {}},
        {"Shift+Left", Qt::Key_Left, {}, Qt::ShiftModifier},
        {"Shift+Home", Qt::Key_Home, {}, Qt::ShiftModifier},
        {"Up", Qt::Key_Up, {}, {}},
        {"Down", Qt::Key_Down, {}, {}},
        {"Page Down", Qt::Key_PageDown, {}, {}},
        {"F4", Qt::Key_F4, {}, {}},
        {"Enter", Qt::Key_Return, "\r", {}},
        {"Space", Qt::Key_Space, " ", {}},
        {"Ctrl+A", Qt::Key_A, QString(QChar(1)), Qt::ControlModifier},
        {"Ctrl+Z", Qt::Key_Z, QString(QChar(26)), Qt::ControlModifier},
        {"Alt+Down", Qt::Key_Down, {}, Qt::AltModifier},
        {"Alt+Up", Qt::Key_Up, {}, Qt::AltModifier},
        {"Ctrl+Shift+Z", Qt::Key_Z, QString(QChar(26)), Qt::ControlModifier | Qt::ShiftModifier},
        {"Menu", Qt::Key_Menu, {}, {}},
    };
    const Press& press = Any(presses);
    Key(std::string("presses ") + press.name, press.key, press.text, press.held);
  }

  void Chord() {
    static const std::vector<testing_support::Chord> chords = testing_support::Chords();
    const testing_support::Chord& chord = Any(chords);
    Key("presses " + testing_support::Described(chord), chord.key, chord.text, chord.modifiers);
  }

  void Paste() {
    QString text;
    std::string what;
    if (OneIn(20)) {
      // Longer than the current box takes: a valid number, or digits and garbage.
      const int length = Between(1000, 40000);
      text = OneIn(2) ? "0." + QString(length - 3, '0') + "1" : QString(length, '7') + "x";
      what = "pastes " + Number(length) + " characters";
    } else {
      text = QString::fromUtf8(Any(kPasted));
      if (OneIn(3)) text = QString::fromStdString(Number(Between(-999, 999))) + text;
      what = "pastes \"" + text.toStdString() + "\"";
    }
    QGuiApplication::clipboard()->setText(text);
    if (OneIn(2)) Key("presses Ctrl+A", Qt::Key_A, QString(QChar(1)), Qt::ControlModifier);
    Key(what, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
  }

  // Fills every row in use and the current with numbers, so that results show and sometimes
  // overflow into the failure box.
  void FillTheCircuit() {
    std::vector<TextBox*> fields = VisibleBoxes(true);
    for (TextBox* field : fields) {
      QWidget* edit = window_->WidgetFor(*field);
      Click("clicks " + field->QualifiedName(), edit, edit->rect().center());
      Key("presses Ctrl+A", Qt::Key_A, QString(QChar(1)), Qt::ControlModifier);
      QString typed = QString::fromStdString(Number(Between(1, 999)));
      if (field == fields.back() && OneIn(3)) {
        typed += "e" + QString::fromStdString(Number(Between(290, 308)));
      } else if (OneIn(4)) {
        typed += "e" + QString::fromStdString(Number(Between(-3, 5)));
      }
      for (QChar c : typed) Type(QString(c));
    }
  }

  void Tab() {
    if (OneIn(3)) {
      Key("presses Shift+Tab", Qt::Key_Backtab, {}, Qt::ShiftModifier);
    } else {
      Key("presses Tab", Qt::Key_Tab, "\t");
    }
  }

  void PickWithTheMouse() {
    ComboBox& list = *Any(VisibleLists());
    QComboBox* combo = testing_support::ComboFor(*window_, list);
    Click("clicks " + list.QualifiedName(), combo, combo->rect().center());
    QAbstractItemView* view = combo->view();
    if (!view->isVisible() || !QTest::qWaitForWindowExposed(view->window())) return;
    if (OneIn(6)) {
      Click("clicks beside the open list", window_.get(), QPoint(2, 2));
      return;
    }
    const int entry = Between(0, list.ListCount() - 1);
    const QPoint item = testing_support::EntryPoint(*combo, entry);
    QTest::mouseMove(view->viewport(), item);
    Click("picks " + list.List(entry) + " in " + list.QualifiedName(), view->viewport(), item);
  }

  void ClickClear() {
    QWidget* button = window_->WidgetFor(Form().cmdClear);
    Click("clicks the clear button", button, button->rect().center());
  }

  void Act() {
    // click, type, edit key, chord, paste, tab, pick, clear, Esc, fill
    static std::discrete_distribution<> kinds({13, 30, 14, 8, 10, 8, 8, 2, 1, 3});
    switch (kinds(random_)) {
      case 0:
        return ClickABox();
      case 1:
        return TypeCharacters();
      case 2:
        return EditingKey();
      case 3:
        return Chord();
      case 4:
        return Paste();
      case 5:
        return Tab();
      case 6:
        return PickWithTheMouse();
      case 7:
        return ClickClear();
      case 8:
        return Key("presses Esc", Qt::Key_Escape, QString(QChar(27)));
      default:
        return FillTheCircuit();
    }
  }

  void Check(const std::string& description, bool failureShown, bool inputsChanged) {
    Require(endingsAsked_ == escapes_, "only Esc asks the program to end", description);
    for (Control* control : Form().Controls()) {
      if (control->Kind() != ControlKind::TextBox && control->Kind() != ControlKind::ComboBox)
        continue;
      const std::string held = form_checks::HeldText(*control);
      const std::string shown =
          testing_support::ShownText(window_->WidgetFor(*control)).toStdString();
      Require(shown == held, "every box and list shows what the form holds",
              description + ": " + control->QualifiedName() + " shows \"" + shown + "\" for \"" +
                  held + "\"");
    }
    form_checks::CheckFormState(Form(), {description, failureShown, inputsChanged});
  }

  std::mt19937 random_;
  unsigned seed_;
  std::unique_ptr<ZentavoWindow> window_;
  long step_ = 0;
  int failuresShown_ = 0;
  int endingsAsked_ = 0;
  int escapes_ = 0;
  long computed_ = 0;  // actions after which results are shown
  double slowest_ = 0;
  std::string slowestAction_;
};

long Argument(const char* text) {
  long value = 0;
  std::from_chars(text, text + std::char_traits<char>::length(text), value);
  return value;
}

}  // namespace
}  // namespace zentavo

int main(int argc, char** argv) {
  const zentavo::testing_support::OffscreenApplication app(argc, argv);
  if (argc != 3) {
    std::fputs("usage: zentavo_random_window SEED ACTIONS\n", stderr);
    return 2;
  }
  const long actions = zentavo::Argument(argv[2]);
  zentavo::Driver driver(static_cast<unsigned>(zentavo::Argument(argv[1])));
  driver.Run(actions);
  driver.Report();
  return 0;
}
