// The calculator used with the keyboard alone, every key sent to whatever has the focus: Tab and
// Shift+Tab move in the form's tab order past the hidden rows, arrow keys, Home, End and typed
// characters choose list entries, digits fill the boxes, Space or Enter press the button, and F6
// with the arrow keys reaches the results.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "form_state_checks.h"
#include "window_fixture.h"

namespace zentavo {
namespace {

using testing_support::WindowTest;

class KeyboardOnly : public WindowTest {
 protected:
  static QWidget* Focus() { return QApplication::focusWidget(); }
  static QString FocusName() { return Focus() != nullptr ? Focus()->objectName() : QString(); }
  static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(Focus(), key, modifiers);
  }
  static void Type(const QString& keys) { QTest::keyClicks(Focus(), keys); }

  // Presses Tab and expects the focus to arrive at `control`.
  static void TabTo(const QString& control) {
    Press(Qt::Key_Tab);
    ASSERT_EQ(FocusName(), control);
  }

  // Opens the focused list with F4, moves in it with the arrow keys and picks with Enter.
  static void PickInOpenList(const std::vector<Qt::Key>& moves) {
    auto* combo = qobject_cast<QComboBox*>(Focus());
    ASSERT_NE(combo, nullptr) << FocusName().toStdString();
    Press(Qt::Key_F4);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(combo->view()->window()));
    for (Qt::Key key : moves) Press(key);
    Press(Qt::Key_Return);
    EXPECT_FALSE(combo->view()->isVisible());
    EXPECT_EQ(Focus(), combo);
  }

  // The controls Tab visits from the focused one on, round to it again: the form's tab order
  // without the hidden controls.
  std::vector<QString> TabStopsAfterTheFocus() {
    std::vector<QString> stops;
    for (const Control* control : Form().TabOrder())
      if (control->Visible()) stops.push_back(ToQString(control->QualifiedName()));
    const auto focus = std::find(stops.begin(), stops.end(), FocusName());
    EXPECT_NE(focus, stops.end()) << FocusName().toStdString();
    if (focus != stops.end()) std::rotate(stops.begin(), focus + 1, stops.end());
    return stops;
  }

  std::vector<QString> Walk(int steps, Qt::KeyboardModifiers modifiers) {
    std::vector<QString> visited;
    for (int i = 0; i < steps; ++i) {
      Press(Qt::Key_Tab, modifiers);
      visited.push_back(FocusName());
    }
    return visited;
  }
};

TEST_F(KeyboardOnly, TabAndShiftTabFollowTheFormsTabOrderForEveryCountChosenWithKeys) {
  struct Row {
    const char* how;
    std::function<void()> choose;
    QString count;
  };
  const std::vector<Row> rows = {
      {"nothing pressed", [] {}, "2"},
      {"Down", [] { Press(Qt::Key_Down); }, "3"},
      {"End", [] { Press(Qt::Key_End); }, "4"},
      {"Up", [] { Press(Qt::Key_Up); }, "3"},
      {"Home", [] { Press(Qt::Key_Home); }, "2"},
      {"4 typed", [] { Type("4"); }, "4"},
      {"picked in the open list",
       [] {
         PickInOpenList({Qt::Key_Up, Qt::Key_Up});
       },
       "2"},
  };
  ASSERT_EQ(FocusName(), "cboRezP");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.how);
    ASSERT_EQ(FocusName(), "cboRezP");
    row.choose();
    ASSERT_EQ(Shown(Form().cboRezP), row.count);
    const std::vector<QString> order = TabStopsAfterTheFocus();
    const int steps = static_cast<int>(order.size());
    EXPECT_EQ(Walk(steps, Qt::NoModifier), order);
    std::vector<QString> back(order.rbegin() + 1, order.rend());
    back.push_back(order.back());
    EXPECT_EQ(Walk(steps, Qt::ShiftModifier), back);
  }
}

TEST_F(KeyboardOnly, ComputesTheCircuitWithKeysAloneAndSpaceClearsIt) {
  ASSERT_EQ(FocusName(), "cboRezP");
  Press(Qt::Key_Down);
  ASSERT_EQ(Shown(Form().cboRezP), "3");
  TabTo("txtRp(0)");
  Type("300");
  TabTo("cboRp(0)");
  TabTo("txtRp(1)");
  Type("600");
  TabTo("cboRp(1)");
  TabTo("txtRp(2)");
  Type("0.2");
  TabTo("cboRp(2)");
  Press(Qt::Key_Down);
  TabTo("txtIpt");
  Type("30");
  TabTo("cboIpt");
  PickInOpenList({Qt::Key_Up});

  EXPECT_EQ(form_checks::Inputs(Form()),
            (std::vector<std::string>{"300", "Ohm", "600", "Ohm", "0.2", "kOhm", "0", "Ohm", "30",
                                      "mA", "3"}));
  EXPECT_TRUE(Form().txtRpt.Visible()) << "the circuit is computed";
  ExpectWidgetsMirrorTheForm();

  TabTo("cmdClear");
  ExpectToClearTheForm([] { Press(Qt::Key_Space); });
  EXPECT_EQ(FocusName(), "cmdClear");
  EXPECT_TRUE(recorded.failures.empty());
}

TEST_F(KeyboardOnly, SpaceReturnAndEnterEachPressTheClearButton) {
  struct Row {
    const char* name;
    Qt::Key key;
  };
  for (const Row row : {Row{"Space", Qt::Key_Space}, Row{"Return", Qt::Key_Return},
                        Row{"keypad Enter", Qt::Key_Enter}}) {
    SCOPED_TRACE(row.name);
    TypeOver(Form().txtIpt, "7");
    Widget(Form().cmdClear)->setFocus();
    ExpectToClearTheForm([&row] { Press(row.key); });
    EXPECT_EQ(Focus(), Widget(Form().cmdClear));
  }
}

// F6 takes the focus from a value box to the results, which Tab passes over; Up and Down step
// through the visible ones in reading order and stop at either end; F6 brings the focus back.
TEST_F(KeyboardOnly, F6EntersTheResultsAndLeavesThemForWhereTheFocusWas) {
  TypeOver(Form().txtRp(0), "100");
  TypeOver(Form().txtRp(1), "100");
  TypeOver(Form().txtIpt, "1");
  Widget(Form().txtIpt)->setFocus();
  struct Row {
    Qt::Key key;
    QString focus;
  };
  for (const Row& row : {Row{Qt::Key_F6, "txtRpt"},
                         {Qt::Key_Up, "txtRpt"},
                         {Qt::Key_Down, "txtPp(0)"},
                         {Qt::Key_Down, "txtIp(0)"},
                         {Qt::Key_Down, "txtPp(1)"},
                         {Qt::Key_Down, "txtIp(1)"},
                         {Qt::Key_Down, "txtUpt"},
                         {Qt::Key_Down, "txtUpt"},
                         {Qt::Key_Up, "txtIp(1)"},
                         {Qt::Key_F6, "txtIpt"},
                         {Qt::Key_Tab, "cboIpt"}}) {
    Press(row.key);
    EXPECT_EQ(FocusName(), row.focus) << QKeySequence(row.key).toString().toStdString();
  }
  EXPECT_EQ(Shown(Form().txtIpt), "1") << "the value box kept its value";
  EXPECT_EQ(recorded.refusals, 0) << "no key was refused";
}

}  // namespace
}  // namespace zentavo
