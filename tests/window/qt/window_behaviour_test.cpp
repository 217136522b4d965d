#include <QAbstractItemView>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

#include "long_text_painter.h"
#include "painted_pixels.h"
#include "value_box.h"
#include "window_fixture.h"

namespace zentavo {
namespace {

using testing_support::WindowTest;

TEST_F(WindowTest, OpensAsAFixedWindowShowingTheFormWithFocusOnTheFirstTabStop) {
  EXPECT_EQ(window->windowTitle(), ToQString(Form().frm.Caption()));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(QApplication::focusWidget(), Widget(*Form().TabOrder().front()));
  ExpectWidgetsMirrorTheForm();
}

TEST_F(WindowTest, IsCentredOnTheScreen) {
  const QRect screen = window->screen()->availableGeometry();
  const QPoint origin = window->pos();  // the outer top-left corner
  EXPECT_LE(std::abs(2 * origin.x() + window->width() - 2 * screen.x() - screen.width()), 1);
  EXPECT_LE(std::abs(2 * origin.y() + window->height() - 2 * screen.y() - screen.height()), 1);
}

TEST_F(WindowTest, CarriesTheCardIconAtEverySizeTheDesktopHasIt) {
  const QIcon icon = window->windowIcon();
  const QList<QSize> sizes{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
  ASSERT_EQ(icon.availableSizes(), sizes);
  for (const QSize& size : sizes) {
    SCOPED_TRACE(size.width());
    const QImage drawn(
        QStringLiteral(ZENTAVO_ICON_DIR "/%1x%1/" ZENTAVO_APP_ID ".png").arg(size.width()));
    ASSERT_EQ(drawn.size(), size);
    EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
              drawn.convertToFormat(QImage::Format_ARGB32));
  }
}

TEST_F(WindowTest, UsesTheDesignFontsOrTheirSubstitute) {
  struct Row {
    const Control* control;
    int pixels;
    bool bold;
  };
  const Row rows[] = {
      {&Form().txtRp(0), 13, false},        {&Form().cboRezP, 13, false},
      {&Form().cmdClear, 13, false},        {&Form().lblP, 13, false},
      {&Form().lblEticheteP(0), 11, false}, {&Form().lblEticheteP(5), 11, false},
      {&Form().lblTarvik, 16, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.control->QualifiedName());
    const QFontInfo font(Widget(*row.control)->font());
    EXPECT_TRUE(font.family() == "Verdana" || font.family() == "DejaVu Sans")
        << font.family().toStdString();
    EXPECT_EQ(font.pixelSize(), row.pixels);
    EXPECT_EQ(font.bold(), row.bold);
  }
}

// One edit of a value field, from a known text and caret, and what the field shows after it:
// typed key by key through real key events, or pasted in one edit.
struct EditCase {
  const char* name;
  QString before;
  int selectionStart, selectionLength;
  QString keys;    // typed key by key
  QString pasted;  // or pasted in one edit
  QString after;
  int caret;
  QString selected;
  int beeps = 0;
  const char* unit = nullptr;  // the unit the edit picks; null: the unit does not change
  bool current = false;        // in the current's box rather than the first resistor's
  NumberFormat format = testing_support::kDot;
};

void PrintTo(const EditCase& edit, std::ostream* out) {
  *out << edit.name;
}

class ValueFieldEdit : public WindowTest, public ::testing::WithParamInterface<EditCase> {
 protected:
  ValueFieldEdit() : WindowTest(Hooks::Recording, GetParam().format) {}
};

TEST_P(ValueFieldEdit, ShowsTheCorrectedTextWithTheCaretWhereTypingGoesOn) {
  const EditCase& c = GetParam();
  const TextBox& box = c.current ? Form().txtIpt : Form().txtRp(0);
  const ComboBox& units = *Form().UnitListOf(box);
  QLineEdit* edit = Edit(box);
  PasteOver(box, c.before);
  ASSERT_EQ(Shown(box), c.before);
  const std::string unitBefore = units.Text();
  edit->setSelection(c.selectionStart, c.selectionLength);
  if (c.pasted.isEmpty()) {
    testing_support::TypeKeys(*edit, c.keys);
  } else {
    QGuiApplication::clipboard()->setText(c.pasted);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  }
  EXPECT_EQ(Shown(box), c.after);
  EXPECT_EQ(box.Text(), c.after.toStdString());
  EXPECT_EQ(edit->cursorPosition(), c.caret);
  EXPECT_EQ(edit->selectedText(), c.selected);
  EXPECT_EQ(recorded.refusals, c.beeps);
  EXPECT_EQ(units.Text(), c.unit ? c.unit : unitBefore);
  EXPECT_EQ(Shown(units), ToQString(units.Text()));
}

using testing_support::kComma;
INSTANTIATE_TEST_SUITE_P(
    Corrections, ValueFieldEdit,
    ::testing::Values(
        EditCase{"MinusTypedOverTheText", "0", 0, 1, "-5", "", "5", 1, "", 1},
        EditCase{"MinusTypedInFrontOfANumber", "5", 0, 0, "-", "", "5", 0, ""},
        EditCase{"NegativeNumberPasted", "0", 0, 1, "", "-47", "47", 2, ""},
        EditCase{"WholeTextDeleted", "12", 0, 2, "\b", "", "0", 1, "0"},
        EditCase{"LetterRefused", "12", 2, 0, "a", "", "12", 2, "", 1},
        EditCase{"RefusedOverASelectionKeepsIt", "125", 1, 1, "x", "", "125", 2, "2", 1},
        EditCase{"CommaRefusedInADotLocale", "0", 0, 1, "1,", "", "1", 1, "", 1},
        EditCase{"PasteRefusedWhole", "47", 0, 2, "", "abc", "47", 2, "47", 1},
        EditCase{"DigitAfterACorrectedZero", "12", 0, 2, "\b7", "", "7", 1, ""},
        EditCase{"SeventhCharacterRefused", "0", 0, 1, "1234567", "", "123456", 6, "", 1},
        EditCase{"ZeroKept", "12", 0, 2, "0", "", "0", 1, ""},
        EditCase{"ExponentTypedKeyByKey", "0", 0, 1, "1e-5", "", "1e-5", 4, ""},
        EditCase{"ExponentSignTypedLast", "2", 1, 0, "E+", "", "2E+", 3, ""},
        EditCase{"LeadingPointTypedKeyByKey", "0", 0, 1, ".25", "", ".25", 3, ""},
        EditCase{"SignedPointTypedKeyByKey", "0", 0, 1, "-.5", "", ".5", 2, "", 1},
        EditCase{"MinusBeforeABeginning", "1e", 0, 0, "-", "", "1e", 0, ""},
        // Values written as on parts: the letter picks the unit, or stands for the point.
        EditCase{"KiloForThePoint", "0", 0, 1, "4k7", "", "4.7", 3, "", 0, "kOhm"},
        EditCase{"KiloForTheCommaPoint", "0", 0, 1, "4k7", "", "4,7", 3, "", 0, "kOhm", false,
                 kComma},
        EditCase{"KiloAfterThePoint", "0", 0, 1, "4.7k", "", "4.7", 3, "", 0, "kOhm"},
        EditCase{"KiloLeavesAPointToTypeOn", "0", 0, 1, "100k", "", "100.", 4, "", 0, "kOhm"},
        EditCase{"KiloInsideANumber", "47", 1, 0, "k", "", "4.7", 2, "", 0, "kOhm"},
        EditCase{"MegaForThePoint", "0", 0, 1, "2M2", "", "2.2", 3, "", 0, "MOhm"},
        EditCase{"OhmLetterBeforeTheDigits", "0", 0, 1, "R47", "", "0.47", 4, "", 0, "Ohm"},
        EditCase{"UnitNameTypedAfterItsLetter", "0", 0, 1, "47kOhm", "", "47.", 3, "", 0, "kOhm"},
        EditCase{"UnitSymbolTypedAfterItsLetter", "0", 0, 1, "4,7k\u03a9", "", "4,7", 3, "", 0,
                 "kOhm", false, kComma},
        EditCase{"NumberAndUnitPasted", "0", 0, 1, "", "4.7 kOhm", "4.7", 3, "", 0, "kOhm"},
        EditCase{"MilliampereTyped", "0", 0, 1, "12mA", "", "12.", 3, "", 0, "mA", true},
        EditCase{"MicroForThePoint", "0", 0, 1, "1u5", "", "1.5", 3, "", 0, "uA", true},
        EditCase{"MilliForTheCommaPoint", "0", 0, 1, "1m5", "", "1,5", 3, "", 0, "mA", true,
                 kComma},
        EditCase{"KiloRefusedForACurrent", "12", 2, 0, "k", "", "12", 2, "", 1, nullptr, true},
        EditCase{"CyrillicKaRefused", "4", 1, 0, "\u043a", "", "4", 1, "", 1}),
    [](const auto& info) { return std::string(info.param.name); });

// What the history holds is the form's matter; here, that Ctrl+Z, Ctrl+Shift+Z and the box's menu
// reach it, and that the menu offers undo exactly when the form has something to undo.
TEST_F(WindowTest, UndoAndRedoFromTheKeysAndTheMenuGoToTheForm) {
  QLineEdit* edit = Edit(Form().txtRp(0));
  auto fromTheMenu = [edit](QKeySequence::StandardKey command) {
    QContextMenuEvent event(QContextMenuEvent::Keyboard, edit->rect().center(),
                            edit->mapToGlobal(edit->rect().center()));
    QApplication::sendEvent(edit, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* entry = menu ? MenuEntry(*menu, command) : nullptr;
    EXPECT_NE(entry, nullptr);
    const bool enabled = entry && entry->isEnabled();
    if (enabled) entry->trigger();
    if (menu) menu->close();
    return enabled;
  };
  EXPECT_FALSE(fromTheMenu(QKeySequence::Undo)) << "nothing typed yet";
  TypeOver(Form().txtRp(0), "4700");
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Delete);
  ASSERT_EQ(Shown(Form().txtRp(0)), "0");
  QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Shown(Form().txtRp(0)), "4700");
  QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Shown(Form().txtRp(0)), "0");
  EXPECT_TRUE(fromTheMenu(QKeySequence::Undo));
  EXPECT_EQ(Shown(Form().txtRp(0)), "4700");
  EXPECT_TRUE(fromTheMenu(QKeySequence::Redo));
  EXPECT_EQ(Shown(Form().txtRp(0)), "0");
  EXPECT_FALSE(fromTheMenu(QKeySequence::Redo));
  ExpectWidgetsMirrorTheForm();
}

// What the form computes or corrects is its own matter; here, that typed keys reach it and every
// widget then shows what it holds: the results, and a unit picked by its letter.
TEST_F(WindowTest, TypedKeysReachTheFormAndTheWidgetsShowItsResults) {
  TypeOver(Form().txtRp(0), "100");
  TypeOver(Form().txtRp(1), "100");
  TypeOver(Form().txtIpt, "1");
  EXPECT_EQ(Form().txtRp(1).Text(), "100");
  EXPECT_EQ(Form().txtIpt.Text(), "1");
  ASSERT_TRUE(Form().txtRpt.Visible()) << "the circuit is computed";
  ExpectWidgetsMirrorTheForm();

  QLineEdit* first = Edit(Form().txtRp(0));
  first->setFocus();
  first->end(false);
  QTest::keyClicks(first, "k");
  EXPECT_EQ(Form().cboRp(0).Text(), "kOhm");
  ExpectWidgetsMirrorTheForm();
  EXPECT_TRUE(recorded.failures.empty());
}

// Counts the paint events of every widget of a window.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget& window) {
    window.installEventFilter(this);
    for (QWidget* widget : window.findChildren<QWidget*>()) widget->installEventFilter(this);
  }
  int Paints(const QObject* widget) const { return paints_.value(widget); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints_[watched];
    return false;
  }

 private:
  QHash<const QObject*, int> paints_;
};

// One keystroke rewrites most results several times in the model; each box shows only its last
// text, so that it is laid out and repainted once; and only the boxes whose text changed are
// repainted, not the boxes and lists their edges overlap, while the screen still shows what a
// whole repaint of the window shows.
TEST_F(WindowTest, AKeystrokeShowsAndRepaintsOnlyTheTextsItChanges) {
  TypeOver(Form().txtRp(0), "100");
  TypeOver(Form().txtRp(1), "220");
  TypeOver(Form().txtIpt, "1");
  // Typed without the focus, so that no blinking caret repaints the box on its own.
  Widget(Form().cmdClear)->setFocus();
  QTest::qWait(0);
  std::vector<std::pair<QLineEdit*, std::unique_ptr<QSignalSpy>>> spies;
  for (QLineEdit* edit : window->findChildren<QLineEdit*>())
    spies.emplace_back(edit, std::make_unique<QSignalSpy>(edit, &QLineEdit::textChanged));
  const PaintCounter paints(*window);

  QLineEdit* current = Edit(Form().txtIpt);
  current->end(false);
  QTest::keyClick(current, Qt::Key_2);
  QTest::qWait(0);

  int changed = 0;
  for (const auto& [edit, spy] : spies) {
    SCOPED_TRACE(edit->objectName().toStdString());
    EXPECT_LE(spy->count(), 1);
    EXPECT_EQ(paints.Paints(edit), spy->count());
    changed += static_cast<int>(spy->count());
  }
  EXPECT_GE(changed, 6);  // the current, the voltage, two powers and two branch currents
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (qobject_cast<QLineEdit*>(widget) == nullptr) {
      EXPECT_EQ(paints.Paints(widget), 0) << widget->objectName().toStdString();
    }
  }
  EXPECT_EQ(window->screen()->grabWindow(window->winId()).toImage(), window->grab().toImage());
  ExpectWidgetsMirrorTheForm();
}

// A long current, redrawn while nothing about it changes (the caret blinking), is drawn from the
// box's own layout exactly as the line edit drew it, the caret at the end or in the middle.
TEST_F(WindowTest, ALongCurrentIsRedrawnAsTheLineEditDrewIt) {
  const QString current = "0." + QString(LongTextPainter::kLongText, '0') + "1";
  PasteOver(Form().txtIpt, current);
  QLineEdit* box = Edit(Form().txtIpt);
  ASSERT_EQ(box->text(), current);
  auto onScreen = [&] {
    const QImage screen = window->screen()->grabWindow(window->winId()).toImage();
    return screen.copy(testing_support::DevicePixels(
        screen, QRect(box->mapTo(window.get(), QPoint()), box->size())));
  };
  for (const int caret : {static_cast<int>(current.size()), 300}) {
    SCOPED_TRACE(caret);
    box->setCursorPosition(caret);
    QTest::qWait(0);
    const QImage drawnByTheLineEdit = onScreen();
    box->repaint();
    EXPECT_EQ(onScreen(), drawnByTheLineEdit);
  }
}

// Each way a user chooses a unit in a closed or open list; every one recalculates.
TEST_F(WindowTest, EveryWayOfPickingAUnitRecalculates) {
  struct Row {
    const char* how;
    int row;
    std::function<void(QComboBox*)> choose;
    QString unit;
    QString total;
  };
  const std::vector<Row> rows = {
      {"entry clicked in the open list", 0, [this](QComboBox*) { PickInList(Form().cboRp(0), 1); },
       "kOhm", "0.999"},
      {"arrow key on the closed list", 1,
       [](QComboBox* combo) { QTest::keyClick(combo, Qt::Key_Down); }, "kOhm", "0.999"},
      {"letter typed on the closed list", 0, [](QComboBox* combo) { QTest::keyClicks(combo, "M"); },
       "MOhm", "1"},
      {"letter of no entry typed", 0, [](QComboBox* combo) { QTest::keyClicks(combo, "x"); }, "Ohm",
       "0.5"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.how);
    QTest::mouseClick(Widget(Form().cmdClear), Qt::LeftButton);
    TypeOver(Form().txtRp(0), "1");
    TypeOver(Form().txtRp(1), "1");
    ASSERT_EQ(Shown(Form().txtRpt), "0.5");
    QComboBox* combo = Combo(Form().cboRp(row.row));
    combo->setFocus();
    row.choose(combo);
    EXPECT_EQ(Shown(Form().cboRp(row.row)), row.unit);
    EXPECT_EQ(Form().cboRp(row.row).Text(), row.unit.toStdString());
    EXPECT_EQ(Shown(Form().txtRpt), row.total);
    EXPECT_FALSE(combo->isEditable());
  }
}

TEST_F(WindowTest, EveryCountPickedFollowsTheFormAndHiddenRowsKeepTheirTexts) {
  TypeOver(Form().txtRp(0), "33");
  for (int entry : {1, 2, 0, 2}) {
    SCOPED_TRACE(entry);
    PickInList(Form().cboRezP, entry);
    ASSERT_EQ(Form().cboRezP.ListIndex(), entry);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    ExpectWidgetsMirrorTheForm();
    if (entry == 1) TypeOver(Form().txtRp(2), "47");
  }
  EXPECT_EQ(Shown(Form().txtRp(2)), "47");
}

TEST_F(WindowTest, AClickOnTheClearButtonClearsTheFormAndTheWidgetsShowIt) {
  PickInList(Form().cboRezP, 1);
  TypeOver(Form().txtRp(2), "47");
  PickInList(Form().cboRp(2), 2);
  TypeOver(Form().txtIpt, "3");
  PickInList(Form().cboIpt, 1);
  ExpectToClearTheForm([this] { QTest::mouseClick(Widget(Form().cmdClear), Qt::LeftButton); });
}

TEST_F(WindowTest, EscFromAnyControlEndsTheProgram) {
  struct Row {
    const char* where;
    std::function<QWidget*()> focus;
  };
  const std::vector<Row> rows = {
      {"resistor field", [this] { return Edit(Form().txtRp(1)); }},
      {"current field", [this] { return Edit(Form().txtIpt); }},
      {"read-only result box", [this] { return Edit(Form().txtUpt); }},
      {"closed count list", [this] { return Combo(Form().cboRezP); }},
      {"button", [this] { return Widget(Form().cmdClear); }},
  };
  int expected = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.where);
    QWidget* target = row.focus();
    target->setFocus();
    const QString before = Shown(Form().txtRp(1));
    QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_EQ(recorded.endings, ++expected);
    EXPECT_EQ(Shown(Form().txtRp(1)), before);
  }
}

// Esc closes a box's menu or an open list, opened with the mouse or the keys, and nothing else;
// Alt+Up opens a list as Alt+Down does and moves no choice.
TEST_F(WindowTest, EscClosesAnOpenMenuOrListAndNothingElse) {
  struct Row {
    const char* what;
    std::function<void()> open;
  };
  const std::vector<Row> rows = {
      {"a value box's menu",
       [this] {
         QLineEdit* edit = Edit(Form().txtRp(0));
         QContextMenuEvent menu(QContextMenuEvent::Keyboard, edit->rect().center(),
                                edit->mapToGlobal(edit->rect().center()));
         QApplication::sendEvent(edit, &menu);
       }},
      {"a result box's menu",
       [this] {
         QLineEdit* edit = Edit(Form().txtUpt);
         QContextMenuEvent menu(QContextMenuEvent::Keyboard, edit->rect().center(),
                                edit->mapToGlobal(edit->rect().center()));
         QApplication::sendEvent(edit, &menu);
       }},
      {"a unit list opened with Alt+Up",
       [this] {
         Combo(Form().cboRp(0))->setFocus();
         QTest::keyClick(Combo(Form().cboRp(0)), Qt::Key_Up, Qt::AltModifier);
       }},
      {"the count list opened with Alt+Down",
       [this] {
         Combo(Form().cboRezP)->setFocus();
         QTest::keyClick(Combo(Form().cboRezP), Qt::Key_Down, Qt::AltModifier);
       }},
      {"a list opened with the mouse", [this] { Combo(Form().cboIpt)->showPopup(); }},
  };
  PickInList(Form().cboRp(0), 2);
  TypeOver(Form().txtRp(0), "4.7");
  const std::vector<std::string> before = form_checks::Inputs(Form());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    row.open();
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    EXPECT_EQ(recorded.endings, 0);
    EXPECT_EQ(form_checks::Inputs(Form()), before);
  }
  ExpectWidgetsMirrorTheForm();
}

TEST_F(WindowTest, OtherKeysGoOnToTheirControl) {
  QLineEdit* edit = Edit(Form().txtRp(0));
  edit->setFocus();
  edit->end(false);
  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClicks(edit, "8");
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, "9");
  EXPECT_EQ(Shown(Form().txtRp(0)), "09");
  EXPECT_EQ(recorded.endings, 0);
}

// Runs the application's event loop until the program ends, or fails after a while.
int RunUntilTheProgramEnds(std::function<void()> action) {
  QTimer::singleShot(0, qApp, std::move(action));
  QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
  return QApplication::exec();
}

TEST_F(WindowTest, ClosingTheWindowEndsTheProgram) {
  EXPECT_EQ(RunUntilTheProgramEnds([this] { window->close(); }), 0);
  EXPECT_EQ(recorded.endings, 0);
}

class RealEnding : public WindowTest {
 protected:
  RealEnding() : WindowTest(Hooks::RealEnding) {}
};

TEST_F(RealEnding, EscLeavesTheEventLoopWithStatusZero) {
  QLineEdit* edit = Edit(Form().txtRp(0));
  edit->setFocus();
  EXPECT_EQ(RunUntilTheProgramEnds([edit] { QTest::keyClick(edit, Qt::Key_Escape); }), 0);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, ResultBoxesRefuseEditsButTakeAClickAndCopy) {
  QLineEdit* result = Edit(Form().txtUpt);
  QTest::mouseClick(result, Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), result);
  QTest::keyClicks(result, "9");
  QTest::keyClick(result, Qt::Key_Backspace);
  QTest::keyClick(result, Qt::Key_Delete);
  QGuiApplication::clipboard()->setText("123");
  QTest::keyClick(result, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Shown(Form().txtUpt), "0");
  result->selectAll();
  QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "0");
}

TEST_F(WindowTest, TotalResistanceUnitWidensToTheRight) {
  QWidget* unit = Widget(Form().lblUMr);
  TypeOver(Form().txtRp(0), "1");
  TypeOver(Form().txtRp(1), "1");
  ASSERT_EQ(Shown(Form().lblUMr), "Ohm");
  const QRect ohm = unit->geometry();
  struct Row {
    QString value;
    int unitEntry;
    QString caption;
  };
  const Row rows[] = {{"2000", 0, "kOhm"}, {"2000", 1, "MOhm"}};
  for (const Row& row : rows) {
    TypeOver(Form().txtRp(0), row.value);
    TypeOver(Form().txtRp(1), row.value);
    PickInList(Form().cboRp(0), row.unitEntry);
    PickInList(Form().cboRp(1), row.unitEntry);
    EXPECT_EQ(Shown(Form().lblUMr), row.caption);
    EXPECT_EQ(unit->geometry().topLeft(), ohm.topLeft());
    EXPECT_GT(unit->width(), ohm.width());
    EXPECT_GE(unit->width(), unit->fontMetrics().horizontalAdvance(row.caption));
  }
}

// What an overflow does is the form's matter; here, that a real paste reaches it, its report
// reaches the platform's hook once, and the window shows the cleared results and goes on.
TEST_F(WindowTest, AnOverflowingPasteIsReportedThroughTheHookAndTheWindowGoesOn) {
  Overflow();
  EXPECT_EQ(Form().txtIpt.Text(), "1e308");
  EXPECT_EQ(recorded.failures.size(), 1u);
  EXPECT_TRUE(window->isVisible());
  ExpectWidgetsMirrorTheForm();

  TypeOver(Form().txtIpt, "2");
  EXPECT_EQ(Form().txtIpt.Text(), "2");
  EXPECT_EQ(recorded.failures.size(), 1u);
  ExpectWidgetsMirrorTheForm();
}

using DefaultFailureBox = testing_support::FailureBoxTest;

// Romanian writes the button "OK" as English does, so the catalogue holds nothing for it: this
// checks that the box offers the one standard button, not that the catalogue is installed (the
// menus' tests do).
TEST_F(DefaultFailureBox, IsARomanianMessageBoxWithOkThatLeavesTheWindowRunning) {
  QMessageBox* box = OverflowBox();
  ASSERT_NE(box, nullptr);
  const QList<QAbstractButton*> buttons = box->buttons();
  ASSERT_EQ(buttons.size(), 1);
  EXPECT_EQ(buttons.front()->text(), "OK");
  EXPECT_EQ(box->standardButton(buttons.front()), QMessageBox::Ok);
  EXPECT_EQ(box->windowTitle(), " Zentavo ");
  EXPECT_EQ(box->icon(), QMessageBox::Critical);
  EXPECT_TRUE(box->text().contains("Depășire")) << box->text().toStdString();

  QPointer<QMessageBox> open(box);
  QTest::keyClick(box, Qt::Key_Escape);
  QTest::qWait(0);
  EXPECT_TRUE(open.isNull() || !open->isVisible());
  EXPECT_EQ(recorded.endings, 0);

  TypeOver(Form().txtIpt, "2");
  EXPECT_EQ(Shown(Form().txtUpt), "1");
}

// Edits over the accessibility bus reach the form while the box is open: each failure is told
// in the one box.
TEST_F(DefaultFailureBox, AFailureWhileItIsOpenIsToldInIt) {
  TypeOver(Form().txtRp(0), "1");
  TypeOver(Form().txtRp(1), "1");
  for (const char* current : {"1e308", "9e307", "5e307"})
    Form().UserEditsText(Form().txtIpt, current);
  int open = 0;
  for (const QMessageBox* box : window->findChildren<QMessageBox*>()) open += box->isVisible();
  EXPECT_EQ(open, 1);
  EXPECT_EQ(Form().txtIpt.Text(), "5e307");
}

// A click in the window activates it although the box blocks it, as a desktop does; the keys
// typed next go to whatever window the desktop made active.
TEST_F(DefaultFailureBox, KeepsTheKeyboardWhenTheWindowIsClicked) {
  struct Row {
    const char* name;
    Qt::Key key;
  };
  for (const Row row :
       {Row{"Enter", Qt::Key_Return}, Row{"Space", Qt::Key_Space}, Row{"Esc", Qt::Key_Escape}}) {
    SCOPED_TRACE(row.name);
    PasteOver(Form().txtIpt, "2");
    QPointer<QMessageBox> box = OverflowBox();
    ASSERT_FALSE(box.isNull());

    window->activateWindow();
    QTest::mouseClick(Edit(Form().txtRp(0)), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == box; }));
    QTest::keyClick(QApplication::focusWidget(), row.key);
    EXPECT_TRUE(QTest::qWaitFor([&] { return box.isNull() || !box->isVisible(); }));
    EXPECT_EQ(recorded.endings, 0);
    EXPECT_EQ(Shown(Form().txtIpt), "1e308");
    EXPECT_EQ(Shown(Form().txtRp(0)), "1");
    if (!box.isNull()) box->close();
  }
}

// Leaving a box whose value still overflows tells the failure again; when the click that left it
// opens a list, the list closes and the box takes the keyboard, or the window would ignore every
// key.
TEST_F(DefaultFailureBox, TakesTheKeyboardFromAListOpenedByTheClickThatRaisedIt) {
  const auto closeTheBox = [] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    QPointer<QWidget> open(box);
    QTest::keyClick(box, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return open.isNull() || !open->isVisible(); }));
  };
  Overflow();
  closeTheBox();
  QLineEdit* resistor = Edit(Form().txtRp(0));
  resistor->setFocus();
  resistor->end(false);
  QTest::keyClick(resistor, Qt::Key_K, Qt::NoModifier);
  closeTheBox();
  ASSERT_EQ(Shown(Form().txtRp(0)), "1.");

  QTest::mouseClick(Combo(Form().cboRezP), Qt::LeftButton);
  QPointer<QWidget> box = QApplication::activeModalWidget();
  ASSERT_FALSE(box.isNull());
  EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == box; }));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return box.isNull() || !box->isVisible(); }));
  EXPECT_EQ(recorded.endings, 0);
  EXPECT_EQ(Shown(Form().txtRp(0)), "1");
}

}  // namespace
}  // namespace zentavo
