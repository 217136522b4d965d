// What a screen reader learns from the form: a name of its own for every control that takes the
// focus or shows a result, and the unit of every value, kept current as the units change.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "form_fixture.h"

namespace zentavo {
namespace {

using testing_support::FormFixture;

TEST(AccessibleNames, EveryBoxListAndButtonHasItsOwnName) {
  FormFixture f;
  std::set<std::string> names;
  int named = 0;
  for (Control* c : f->Controls()) {
    if (c->Kind() != ControlKind::TextBox && c->Kind() != ControlKind::ComboBox &&
        c->Kind() != ControlKind::CommandButton)
      continue;
    std::string name = c->AccessibleName();
    EXPECT_FALSE(name.empty()) << c->QualifiedName();
    names.insert(name);
    ++named;
  }
  EXPECT_EQ(names.size(), static_cast<std::size_t>(named)) << "names must differ";
  const std::pair<const Control*, const char*> rows[] = {
      {&f->cboRezP, "Numărul rezistoarelor în paralel"},
      {&f->txtRp(0), "Rezistenta 1"},
      {&f->cboRp(0), "Rezistenta 1, unitate"},
      {&f->txtRp(3), "Rezistenta 4"},
      {&f->txtPp(3), "Puterea disipată 4"},
      {&f->txtUMW(1), "Puterea disipată 2, unitate"},
      {&f->txtIp(1), "Curent prin ramură 2"},
      {&f->txtUMI(2), "Curent prin ramură 3, unitate"},
      {&f->txtRpt, "Rezistenta totală"},
      {&f->txtIpt, "Curentul în circuit"},
      {&f->cboIpt, "Curentul în circuit, unitate"},
      {&f->txtUpt, "Căderea de tensiune"},
      {&f->txtUMU, "Căderea de tensiune, unitate"},
      {&f->cmdClear, "Sterge valori"},
      {&f->frm, "Zentavo"},
  };
  for (const auto& [control, name] : rows)
    EXPECT_EQ(control->AccessibleName(), name) << control->QualifiedName();
}

// Each value and the control beside it that shows its unit.
struct UnitPair {
  const Control* value;
  std::function<std::string()> unit;
};

std::vector<UnitPair> UnitPairs(frmZentavo& form) {
  std::vector<UnitPair> pairs;
  for (int i = 0; i < 4; ++i) {
    pairs.push_back({&form.txtRp(i), [&form, i] { return form.cboRp(i).Text(); }});
    pairs.push_back({&form.txtPp(i), [&form, i] { return form.txtUMW(i).Text(); }});
    pairs.push_back({&form.txtIp(i), [&form, i] { return form.txtUMI(i).Text(); }});
  }
  pairs.push_back({&form.txtIpt, [&form] { return form.cboIpt.Text(); }});
  pairs.push_back({&form.txtUpt, [&form] { return form.txtUMU.Text(); }});
  pairs.push_back({&form.txtRpt, [&form] { return form.lblUMr.Caption(); }});
  return pairs;
}

void ExpectEveryValueDescribedByItsUnit(frmZentavo& form, const std::string& after) {
  SCOPED_TRACE(after);
  for (const UnitPair& pair : UnitPairs(form))
    EXPECT_EQ(pair.value->AccessibleDescription(), pair.unit()) << pair.value->QualifiedName();
  // And each unit list by the quantity it qualifies.
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(form.cboRp(i).AccessibleDescription(),
              form.txtRp(i).Text() + " " + form.cboRp(i).Text());
  EXPECT_EQ(form.cboIpt.AccessibleDescription(), form.txtIpt.Text() + " " + form.cboIpt.Text());
}

TEST(AccessibleDescriptions, EveryValueIsDescribedByTheUnitShownBesideItThroughAWholeSession) {
  FormFixture f;
  ExpectEveryValueDescribedByItsUnit(*f, "start");
  EXPECT_EQ(f->txtRp(0).AccessibleDescription(), "Ohm");
  EXPECT_EQ(f->txtPp(0).AccessibleDescription(), "");

  f.Enter({"100", "100"}, "1");
  ExpectEveryValueDescribedByItsUnit(*f, "two resistors and a current");
  EXPECT_EQ(f->txtPp(0).AccessibleDescription(), "W");
  EXPECT_EQ(f->txtIp(1).AccessibleDescription(), "mA");
  EXPECT_EQ(f->txtUpt.AccessibleDescription(), "V");

  f.Pick(f->cboRp(0), "kOhm");
  f.Pick(f->cboRp(1), "kOhm");
  ExpectEveryValueDescribedByItsUnit(*f, "both resistors in kOhm");
  EXPECT_EQ(f->cboRp(1).AccessibleDescription(), "100 kOhm");
  EXPECT_EQ(f->txtRpt.AccessibleDescription(), "kOhm");
  EXPECT_EQ(f->txtUpt.AccessibleDescription(), "kV");

  f.Pick(f->cboIpt, "uA");
  f.Pick(f->cboRezP, "4");
  f.Type(f->txtRp(3), "1");
  ExpectEveryValueDescribedByItsUnit(*f, "four resistors at microamperes");

  f->UserClicks(f->cmdClear);
  ExpectEveryValueDescribedByItsUnit(*f, "cleared");
}

TEST(AccessibleDescriptions, TheScreenReaderBindingHearsADescriptionChangeOnce) {
  FormFixture f;
  f.Enter({"100", "100"}, "1");
  std::vector<Property> heard;
  f->txtRpt.Watch([&heard](Property property) { heard.push_back(property); });
  f.Pick(f->cboRp(0), "kOhm");
  f.Pick(f->cboRp(1), "kOhm");
  EXPECT_EQ(std::count(heard.begin(), heard.end(), Property::AccessibleDescription), 1);
  EXPECT_EQ(f->txtRpt.AccessibleDescription(), "kOhm");
}

TEST(AccessibleDescriptions, CaptionsAndTheTotalsUnitLabelReadAsShown) {
  FormFixture f;
  // A label without a name of its own is read as its caption, which for lblUMr is the unit.
  EXPECT_EQ(f->lblUMr.AccessibleName(), "");
  for (const Control* control : f->Controls()) {
    if (control->Kind() != ControlKind::Label && control->Kind() != ControlKind::CommandButton)
      continue;
    EXPECT_EQ(control->AccessibleDescription(), "") << control->QualifiedName();
  }
}

}  // namespace
}  // namespace zentavo
