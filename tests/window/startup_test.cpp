#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "form_fixture.h"

namespace zentavo {
namespace {

using testing_support::FormFixture;

TEST(Startup, OpensArrangedForTwoResistorsWithEveryDefault) {
  FormFixture f;
  frmZentavo& form = *f;
  EXPECT_EQ(form.cboRezP.Text(), "2");
  EXPECT_EQ(form.cboRezP.ListIndex(), 0);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(form.txtRp(i).Text(), "0");
    EXPECT_EQ(form.cboRp(i).Text(), "Ohm");
    EXPECT_EQ(form.txtPp(i).Text(), "");
    EXPECT_EQ(form.txtUMW(i).Text(), "");
    EXPECT_EQ(form.txtIp(i).Text(), "");
    EXPECT_EQ(form.txtUMI(i).Text(), "");
    EXPECT_EQ(form.txtRp(i).Visible(), i < 2);
  }
  EXPECT_EQ(form.txtIpt.Text(), "0");
  EXPECT_EQ(form.cboIpt.Text(), "A");
  EXPECT_FALSE(form.txtRpt.Visible());
  EXPECT_FALSE(form.lblUMr.Visible());
  EXPECT_FALSE(form.lblEticheteP(3).Visible());
  EXPECT_EQ(form.lblUMr.Caption(), "Ohm");
  EXPECT_EQ(form.txtUpt.Text(), "0");
  EXPECT_EQ(form.txtUMU.Text(), "");
  EXPECT_EQ(form.frm.Height(), 3705);
  EXPECT_EQ(form.frm.ClientHeight(), 3270);
  EXPECT_EQ(form.frm.ClientWidth(), 10335);
  EXPECT_EQ(form.frm.Caption(), " Zentavo ");
  EXPECT_TRUE(f.messages.empty());
  EXPECT_EQ(f.ends, 0);
}

struct DesignRow {
  const char* name;
  int left, top, width, height;
  int tabIndex;  // -1: none
};

// The four-resistor layout, reached again by picking a count of 4.
const DesignRow kDesign[] = {
    {"fraParalel", 120, 120, 10095, 4500, 12},
    {"cboRezP", 3240, 300, 735, 360, 0},
    {"txtRpt", 7320, 300, 1095, 375, 31},
    {"txtRp(0)", 1080, 1020, 975, 360, 1},
    {"cboRp(0)", 2040, 1020, 1095, 360, 2},
    {"txtPp(0)", 3120, 1020, 975, 375, 30},
    {"txtUMW(0)", 4080, 1020, 615, 375, 29},
    {"txtIp(0)", 4680, 1020, 975, 375, 28},
    {"txtUMI(0)", 5640, 1020, 615, 375, 27},
    {"txtRp(1)", 1080, 1740, 975, 360, 3},
    {"cboRp(1)", 2040, 1740, 1095, 360, 4},
    {"txtPp(1)", 3120, 1740, 975, 375, 26},
    {"txtUMW(1)", 4080, 1740, 615, 375, 25},
    {"txtIp(1)", 4680, 1740, 975, 375, 24},
    {"txtUMI(1)", 5640, 1740, 615, 375, 23},
    {"txtRp(2)", 1080, 2460, 975, 360, 5},
    {"cboRp(2)", 2040, 2460, 1095, 360, 6},
    {"txtPp(2)", 3120, 2460, 975, 375, 22},
    {"txtUMW(2)", 4080, 2460, 615, 375, 21},
    {"txtIp(2)", 4680, 2460, 975, 375, 20},
    {"txtUMI(2)", 5640, 2460, 615, 375, 19},
    {"txtRp(3)", 1080, 3180, 975, 360, 7},
    {"cboRp(3)", 2040, 3180, 1095, 360, 8},
    {"txtPp(3)", 3120, 3180, 975, 375, 18},
    {"txtUMW(3)", 4080, 3180, 615, 375, 17},
    {"txtIp(3)", 4680, 3180, 975, 375, 16},
    {"txtUMI(3)", 5640, 3180, 615, 375, 15},
    {"txtIpt", 7440, 1380, 975, 375, 9},
    {"cboIpt", 8400, 1380, 1095, 360, 10},
    {"txtUpt", 2760, 4020, 975, 375, 14},
    {"txtUMU", 3720, 4020, 1095, 360, 13},
    {"cmdClear", 8400, 3960, 1455, 375, 11},
    {"lblP", 120, 360, 3120, 240, 38},
    {"lblEticheteP(3)", 5520, 360, 1800, 240, 34},
    {"lblUMr", 8640, 360, 435, 240, 39},
    {"lblEticheteP(0)", 1725, 720, 900, 195, 37},
    {"lblEticheteP(1)", 3120, 720, 1380, 195, 36},
    {"lblEticheteP(2)", 4695, 720, 1680, 195, 35},
    {"lblEticheteP(4)", 7680, 1080, 1530, 195, 33},
    {"lblTarvik", 8040, 2040, 900, 270, 40},
    {"lblEticheteP(5)", 2880, 3720, 1800, 195, 32},
    {"shaP(0)", 480, 1200, 6495, 735, -1},
    {"shaP(1)", 480, 1920, 6495, 735, -1},
    {"shaP(2)", 480, 2640, 6495, 735, -1},
    {"shaRez(0)", 1060, 1005, 5225, 420, -1},
    {"shaRez(1)", 1060, 1725, 5225, 420, -1},
    {"shaRez(2)", 1060, 2445, 5225, 420, -1},
    {"shaRez(3)", 1060, 3165, 5225, 420, -1},
    {"shaDot(0)", 6900, 1500, 135, 135, -1},
    {"shaDot(1)", 420, 1500, 135, 135, -1},
};

std::map<std::string, Control*> ByName(frmZentavo& form) {
  std::map<std::string, Control*> controls;
  for (Control* control : form.Controls()) controls[control->QualifiedName()] = control;
  return controls;
}

TEST(Design, CountOfFourRestoresEveryPlaceSizeAndTabIndex) {
  FormFixture f;
  f.Pick(f->cboRezP, "3");
  f.Pick(f->cboRezP, "4");
  auto controls = ByName(*f);
  EXPECT_EQ(controls.size(), 57u) << "the window and its 56 controls";
  for (const DesignRow& row : kDesign) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(controls.count(row.name));
    const Control& c = *controls[row.name];
    EXPECT_EQ(c.Left(), row.left);
    EXPECT_EQ(c.Top(), row.top);
    EXPECT_EQ(c.Width(), row.width);
    EXPECT_EQ(c.Height(), row.height);
    EXPECT_EQ(c.TabIndex().value_or(-1), row.tabIndex);
  }
  EXPECT_EQ(f->frm.Height(), 5145);
  EXPECT_EQ(f->frm.ClientHeight(), 4710);
}

TEST(Design, LinesRunWhereTheSchematicNeedsThem) {
  FormFixture f;
  f.Pick(f->cboRezP, "4");
  struct LineRow {
    const Line* line;
    int x1, y1, x2, y2, width;
    bool blue;
  } rows[] = {{&f->linP1, 480, 1560, 120, 1560, 2, false},
              {&f->linP2, 6960, 1560, 9840, 1560, 2, false},
              {&f->linP3(0), 480, 3840, 480, 4200, 1, true},
              {&f->linP3(1), 6960, 3840, 6960, 4200, 1, true},
              {&f->linP4(0), 480, 4200, 2400, 4200, 1, true},
              {&f->linP4(1), 5160, 4200, 6960, 4200, 1, true}};
  for (const LineRow& row : rows) {
    SCOPED_TRACE(row.line->QualifiedName());
    EXPECT_EQ(row.line->X1(), row.x1);
    EXPECT_EQ(row.line->Y1(), row.y1);
    EXPECT_EQ(row.line->X2(), row.x2);
    EXPECT_EQ(row.line->Y2(), row.y2);
    EXPECT_EQ(row.line->BorderWidth(), row.width);
    EXPECT_EQ(row.line->LineColour().has_value(), row.blue);
    if (row.blue) {
      EXPECT_EQ(*row.line->LineColour(), design::kLeadBlue);
    }
  }
}

TEST(Design, TabIndexesRunWithoutAGapAndFocusFollowsThem) {
  FormFixture f;
  std::vector<std::pair<int, Control*>> ordered;
  for (Control* c : f->Controls())
    if (c->TabIndex()) ordered.emplace_back(*c->TabIndex(), c);
  std::sort(ordered.begin(), ordered.end());
  ASSERT_EQ(ordered.size(), 41u);
  for (int i = 0; i < 41; ++i) EXPECT_EQ(ordered[static_cast<std::size_t>(i)].first, i);

  std::vector<std::string> focusOrder;
  for (Control* c : f->TabOrder()) focusOrder.push_back(c->QualifiedName());
  EXPECT_EQ(focusOrder, (std::vector<std::string>{"cboRezP", "txtRp(0)", "cboRp(0)", "txtRp(1)",
                                                  "cboRp(1)", "txtRp(2)", "cboRp(2)", "txtRp(3)",
                                                  "cboRp(3)", "txtIpt", "cboIpt", "cmdClear"}));
}

TEST(Design, CaptionsListsAndColoursAreTheDesignOnes) {
  FormFixture f;
  frmZentavo& form = *f;
  EXPECT_EQ(form.lblP.Caption(), "Numărul rezistoarelor în paralel:");
  EXPECT_EQ(form.lblEticheteP(0).Caption(), "Rezistenta");
  EXPECT_EQ(form.lblEticheteP(1).Caption(), "Puterea disipată");
  EXPECT_EQ(form.lblEticheteP(2).Caption(), "Curent prin ramură");
  EXPECT_EQ(form.lblEticheteP(3).Caption(), "Rezistenta totală:");
  EXPECT_EQ(form.lblEticheteP(4).Caption(), "Curentul în circuit");
  EXPECT_EQ(form.lblEticheteP(5).Caption(), "Căderea de tensiune");
  EXPECT_EQ(form.lblTarvik.Caption(), "Tarvik");
  EXPECT_EQ(form.cmdClear.Caption(), "Sterge valori");
  EXPECT_EQ(form.lblTarvik.OwnFont(), design::kSignatureFont);
  EXPECT_EQ(form.lblEticheteP(5).OwnFont(), design::kCaptionFont);
  EXPECT_EQ(form.frm.OwnFont(), design::kWindowFont);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(form.cboRp(0).List(i), (std::array{"Ohm", "kOhm", "MOhm"})[i]);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(form.cboIpt.List(i), (std::array{"uA", "mA", "A"})[i]);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(form.cboRezP.List(i), (std::array{"2", "3", "4"})[i]);
  EXPECT_EQ(form.txtRp(2).BackColour(), design::kInputGreen);
  EXPECT_EQ(form.txtIpt.BackColour(), design::kInputGreen);
  EXPECT_EQ(form.txtIp(3).BackColour(), design::kResultYellow);
  EXPECT_EQ(form.txtUMW(1).BackColour(), design::kWindowGrey);
  EXPECT_EQ(form.txtRp(0).MaxLength(), 6u);
  EXPECT_EQ(form.txtIpt.MaxLength(), 32767u);
  EXPECT_EQ(form.txtRp(0).TextAlignment(), Alignment::Right);
  EXPECT_EQ(form.txtUMI(0).TextAlignment(), Alignment::Left);
  EXPECT_TRUE(form.txtUpt.ReadOnly());
  EXPECT_FALSE(form.txtUpt.TabStop());
  EXPECT_FALSE(form.txtRp(0).ReadOnly());
  EXPECT_TRUE(form.shaDot(0).FilledBlack());
  EXPECT_EQ(form.shaDot(0).Form(), ShapeForm::Circle);
  EXPECT_EQ(form.shaP(0).BorderWidth(), 2);
}

TEST(KeyPress, EscapeEndsTheProgramAndOtherKeysGoOn) {
  FormFixture f;
  EXPECT_TRUE(f->UserPressesKey(13));
  EXPECT_TRUE(f->UserPressesKey('5'));
  EXPECT_EQ(f.ends, 0);
  EXPECT_FALSE(f->UserPressesKey(27)) << "Esc";
  EXPECT_EQ(f.ends, 1);
}

}  // namespace
}  // namespace zentavo
