#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form_fixture.h"

namespace zentavo {
namespace {

using testing_support::FormFixture;

struct CountRow {
  const char* count;
  int frame, window, caption, voltage, leadTop, leadBottom, button;
};

void PrintTo(const CountRow& row, std::ostream* out) {
  *out << row.count;
}

class ArrangementTest : public testing::TestWithParam<CountRow> {};

std::vector<Control*> Row(frmZentavo& form, int i) {
  return {&form.txtRp(i), &form.cboRp(i),  &form.txtPp(i), &form.txtUMW(i),
          &form.txtIp(i), &form.txtUMI(i), &form.shaRez(i)};
}

TEST_P(ArrangementTest, ShowsTheRowsInUseAndMovesTheLowerGroup) {
  const CountRow& row = GetParam();
  const int n = row.count[0] - '0';
  for (const char* before : {"2", "3", "4"}) {
    SCOPED_TRACE(std::string("from ") + before);
    FormFixture f;
    f.Pick(f->cboRezP, before);
    f.Pick(f->cboRezP, row.count);
    frmZentavo& form = *f;
    for (int j = 0; j < 3; ++j) EXPECT_EQ(form.shaP(j).Visible(), j <= n - 2) << "loop " << j;
    for (int i = 0; i < 4; ++i)
      for (Control* c : Row(form, i)) EXPECT_EQ(c->Visible(), i < n) << c->QualifiedName();
    EXPECT_EQ(form.fraParalel.Height(), row.frame);
    EXPECT_EQ(form.frm.Height(), row.window);
    EXPECT_EQ(form.lblEticheteP(5).Top(), row.caption);
    EXPECT_EQ(form.txtUpt.Top(), row.voltage);
    EXPECT_EQ(form.txtUMU.Top(), row.voltage);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(form.linP3(i).Y1(), row.leadTop);
      EXPECT_EQ(form.linP3(i).Y2(), row.leadBottom);
      EXPECT_EQ(form.linP4(i).Y1(), row.leadBottom);
      EXPECT_EQ(form.linP4(i).Y2(), row.leadBottom);
    }
    EXPECT_EQ(form.cmdClear.Top(), row.button);
    // Left edges, widths and X coordinates never move.
    EXPECT_EQ(form.linP4(0).X1(), 480);
    EXPECT_EQ(form.linP4(0).X2(), 2400);
    EXPECT_EQ(form.linP4(1).X1(), 5160);
    EXPECT_EQ(form.cmdClear.Left(), 8400);
    EXPECT_EQ(form.fraParalel.Width(), 10095);
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, ArrangementTest,
                         testing::Values(CountRow{"2", 3060, 3705, 2280, 2580, 2400, 2760, 2520},
                                         CountRow{"3", 3780, 4425, 3000, 3300, 3120, 3480, 3240},
                                         CountRow{"4", 4500, 5145, 3720, 4020, 3840, 4200, 3960}));

TEST(Arrangement, HiddenRowsKeepTheirTextsUntilTheyShowAgain) {
  FormFixture f;
  f.Pick(f->cboRezP, "4");
  const char* values[] = {"1", "2", "3", "4"};
  for (int i = 0; i < 4; ++i) f.Type(f->txtRp(i), values[i]);
  f.Pick(f->cboRp(3), "kOhm");
  f.Type(f->txtIpt, "1");
  const std::string power = f->txtPp(3).Text();
  f.Pick(f->cboRezP, "2");
  f.Pick(f->cboRezP, "4");
  EXPECT_EQ(f->txtRp(2).Text(), "3");
  EXPECT_EQ(f->txtRp(3).Text(), "4");
  EXPECT_EQ(f->cboRp(3).Text(), "kOhm");
  EXPECT_EQ(f->txtPp(3).Text(), power);
  EXPECT_TRUE(f->txtRp(3).Visible());
}

TEST(Arrangement, ArrangesBeforeItRecalculates) {
  FormFixture f;
  f.Type(f->txtRp(0), "1");
  f.Type(f->txtRp(1), "1");
  std::vector<std::string> order;
  f->shaRez(2).Watch([&](Property) { order.push_back("row shown"); });
  f->txtRpt.Watch([&](Property p) {
    if (p == Property::Text) order.push_back("total " + f->txtRpt.Text());
  });
  f.Pick(f->cboRezP, "3");
  ASSERT_FALSE(order.empty());
  EXPECT_EQ(order.front(), "row shown");
  EXPECT_EQ(order.back(), "total 0") << "the third resistor is 0: incomplete";
  EXPECT_TRUE(f->txtRpt.Visible());
}

// Counts other than the list entries only arrive through the model itself.
class UnlistedCountTest : public testing::TestWithParam<const char*> {};

TEST_P(UnlistedCountTest, HidesTheLoopsAndLeavesTheRestAsItWas) {
  FormFixture f;
  f.Pick(f->cboRezP, "3");
  try {
    f->cboRezP.SetText(GetParam());
  } catch (const Failure&) {
    // What the recalculation makes of the text is its own matter.
  }
  for (int j = 0; j < 3; ++j) EXPECT_FALSE(f->shaP(j).Visible());
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(f->txtRp(i).Visible());
  EXPECT_FALSE(f->txtRp(3).Visible());
  EXPECT_EQ(f->fraParalel.Height(), 3780);
  EXPECT_EQ(f->cmdClear.Top(), 3240);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnlistedCountTest,
                         testing::Values("", "5", "1", "03", " 2", "2.0", "+3"));

}  // namespace
}  // namespace zentavo
