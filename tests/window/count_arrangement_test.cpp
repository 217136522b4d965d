#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form_fixture.h"

namespace zentavo {
namespace {

using testing_support::FormFixture;

std::vector<Control*> Row(frmZentavo& form, int i) {
  return {&form.txtRp(i), &form.cboRp(i),  &form.txtPp(i), &form.txtUMW(i),
          &form.txtIp(i), &form.txtUMI(i), &form.shaRez(i)};
}

// Every vertical place and size that follows the rows in use, and every horizontal one near them.
struct Geometry {
  std::vector<int> vertical, horizontal;
  bool operator==(const Geometry&) const = default;
};
Geometry GeometryOf(frmZentavo& form) {
  Geometry g{{form.fraParalel.Height(), form.frm.Height(), form.lblEticheteP(5).Top(),
              form.txtUpt.Top(), form.txtUMU.Top(), form.cmdClear.Top()},
             {form.fraParalel.Width(), form.frm.Width(), form.cmdClear.Left(), form.txtUpt.Left()}};
  for (const auto* leads : {&form.linP3, &form.linP4}) {
    for (const Line& lead : *leads) {
      g.vertical.insert(g.vertical.end(), {lead.Y1(), lead.Y2()});
      g.horizontal.insert(g.horizontal.end(), {lead.X1(), lead.X2()});
    }
  }
  return g;
}

class ArrangementTest : public testing::TestWithParam<int> {};

// The four-row places are the design's, checked with it; for fewer rows, whatever count came
// before, each vertical one lies one row pitch higher for every row hidden, and none moves across.
TEST_P(ArrangementTest, ShowsTheRowsInUseAndMovesTheLowerGroupUpByAPitchARow) {
  const int n = GetParam();
  FormFixture design;
  design.Pick(design->cboRezP, "4");
  const Geometry four = GeometryOf(*design);
  const int pitch = design->txtRp(1).Top() - design->txtRp(0).Top();
  Geometry expected = four;
  for (int& place : expected.vertical) place -= pitch * (kResistorRows - n);
  for (const char* before : {"2", "3", "4"}) {
    SCOPED_TRACE(std::string("from ") + before);
    FormFixture f;
    f.Pick(f->cboRezP, before);
    f.Pick(f->cboRezP, std::to_string(n));
    frmZentavo& form = *f;
    for (int j = 0; j < 3; ++j) EXPECT_EQ(form.shaP(j).Visible(), j <= n - 2) << "loop " << j;
    for (int i = 0; i < kResistorRows; ++i)
      for (Control* c : Row(form, i)) EXPECT_EQ(c->Visible(), i < n) << c->QualifiedName();
    EXPECT_EQ(GeometryOf(form), expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, ArrangementTest, testing::Values(2, 3, 4));

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
  const Geometry threeRows = GeometryOf(*f);
  try {
    f->cboRezP.SetText(GetParam());
  } catch (const Failure&) {
    // What the recalculation makes of the text is its own matter.
  }
  for (int j = 0; j < 3; ++j) EXPECT_FALSE(f->shaP(j).Visible());
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(f->txtRp(i).Visible());
  EXPECT_FALSE(f->txtRp(3).Visible());
  EXPECT_EQ(GeometryOf(*f), threeRows);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnlistedCountTest,
                         testing::Values("", "5", "1", "03", " 2", "2.0", "+3"));

}  // namespace
}  // namespace zentavo
