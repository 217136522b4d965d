#include "control_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expect_failure.h"

namespace zentavo {
namespace {

using testing_support::ExpectFailure;

TEST(TextBox, RaisesChangeBeforeTheAssignmentReturns) {
  TextBox box("txtIpt");
  std::vector<std::string> seen;
  box.Change = [&] { seen.push_back(box.Text()); };
  box.SetText("12");
  ASSERT_EQ(seen, std::vector<std::string>{"12"});
  box.SetText("12");  // the same text again is no change
  EXPECT_EQ(seen.size(), 1u);
}

TEST(TextBox, ChangeHandlerAssigningAgainRunsNestedInsideTheOuterCall) {
  TextBox box("txtRp", 0);
  std::vector<std::string> log;
  box.Change = [&] {
    log.push_back("enter " + box.Text());
    if (box.Text() == "-5") box.SetText("5");
    log.push_back("leave " + box.Text());
  };
  box.SetText("-5");
  EXPECT_EQ(log, (std::vector<std::string>{"enter -5", "enter 5", "leave 5", "leave 5"}));
}

TEST(TextBox, WatchersHearTheNewTextBeforeTheChangeHandler) {
  TextBox box("txtRp", 0);
  std::vector<std::string> log;
  box.Watch([&](Property property) {
    if (property == Property::Text) log.push_back("shown " + box.Text());
  });
  box.Change = [&] { log.push_back("handled " + box.Text()); };
  box.SetText("7");
  EXPECT_EQ(log, (std::vector<std::string>{"shown 7", "handled 7"}));
}

TEST(TextBox, MaximumLengthKeepsTheFirstCharactersNotBytes) {
  TextBox box("txtRp", 0);
  box.SetMaxLength(6);
  box.SetText("1200000000");
  EXPECT_EQ(box.Text(), "120000");
  box.SetText("ăîșțâăî");
  EXPECT_EQ(box.Text(), "ăîșțâă");
  box.SetText("12");
  EXPECT_EQ(box.Text(), "12");
}

TEST(ComboBox, AnEntrysTextSelectsItAndRaisesClick) {
  ComboBox box("cboRp", 1);
  box.SetEntries({"Ohm", "kOhm", "MOhm"});
  EXPECT_EQ(box.ListIndex(), -1);
  EXPECT_EQ(box.Text(), "");
  int clicks = 0;
  box.Click = [&] { ++clicks; };
  box.SetText("kOhm");
  EXPECT_EQ(box.ListIndex(), 1);
  EXPECT_EQ(clicks, 1);
  box.SetText("5");  // any other text is kept, with no entry selected
  EXPECT_EQ(box.Text(), "5");
  EXPECT_EQ(box.ListIndex(), -1);
  EXPECT_EQ(clicks, 2);
}

TEST(ComboBox, ListOutsideItsEntriesIsAnIndexFailure) {
  ComboBox box("cboIpt");
  box.SetEntries({"uA", "mA", "A"});
  EXPECT_EQ(box.List(2), "A");
  for (int bad : {-1, 3}) {
    SCOPED_TRACE(bad);
    ExpectFailure(FailureKind::IndexOutOfRange, [&box, bad] { box.List(bad); });
  }
}

TEST(ControlArray, MembersKnowTheirIndexAndABadIndexFails) {
  ControlArray<TextBox, 4> boxes("txtPp");
  EXPECT_EQ(boxes(3).QualifiedName(), "txtPp(3)");
  EXPECT_EQ(boxes(0).Index(), 0);
  ExpectFailure(FailureKind::IndexOutOfRange, [&boxes] { boxes(4); });
}

TEST(Control, GeometryChangesReachWatchersOnlyWhenTheValueChanges) {
  Line line("linP3", 0);
  line.Draw(480, 3840, 480, 4200);
  std::vector<Property> heard;
  line.Watch([&](Property property) { heard.push_back(property); });
  line.SetY1(2400);
  line.SetY1(2400);
  line.SetY2(2760);
  EXPECT_EQ(heard, (std::vector<Property>{Property::Y1, Property::Y2}));
  EXPECT_EQ(line.X1(), 480);
}

TEST(Window, ClientHeightLeavesOutTitleBarAndBorders) {
  Window window("frmZentavo");
  window.SetHeight(3705);
  EXPECT_EQ(window.ClientHeight(), 3270);
}

}  // namespace
}  // namespace zentavo
