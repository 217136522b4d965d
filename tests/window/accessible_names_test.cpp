// What a screen reader learns from the form: a name of its own for every control that takes the
// focus or shows a result, the unit of every value in words, kept current as the units change, and
// the results it announces.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "form_fixture.h"

namespace zentavo {
namespace {

using testing_support::FormFixture;
using testing_support::kComma;

// Every unit the window shows, and what a screen reader says for it.
const std::map<std::string, std::string> kUnitWords{
    {"Ohm", "ohmi"},      {"kOhm", "kiloohmi"}, {"MOhm", "megaohmi"}, {"uA", "microamperi"},
    {"mA", "miliamperi"}, {"A", "amperi"},      {"uV", "microvolți"}, {"mV", "milivolți"},
    {"V", "volți"},       {"kV", "kilovolți"},  {"MV", "megavolți"},  {"uW", "microwați"},
    {"mW", "miliwați"},   {"W", "wați"},        {"kW", "kilowați"},   {"MW", "megawați"},
};

std::string Words(const std::string& unit) {
  if (unit.empty()) return "";
  const auto found = kUnitWords.find(unit);
  if (found != kUnitWords.end()) return found->second;
  ADD_FAILURE() << unit << " has no words";
  return unit;
}

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
      {&f->txtRp(1), "Rezistenta 2"},
      {&f->txtRp(3), "Rezistenta 4"},
      {&f->txtPp(0), "Puterea disipată 1"},
      {&f->txtPp(3), "Puterea disipată 4"},
      {&f->txtUMW(1), "Puterea disipată 2, unitate"},
      {&f->txtIp(0), "Curent prin ramură 1"},
      {&f->txtUMI(0), "Curent prin ramură 1, unitate"},
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

// Every unit shown so far.
using Seen = std::set<std::string>;

void ExpectEveryValueDescribedByItsUnit(frmZentavo& form, const std::string& after,
                                        Seen* seen = nullptr) {
  SCOPED_TRACE(after);
  for (const UnitPair& pair : UnitPairs(form)) {
    EXPECT_EQ(pair.value->AccessibleDescription(), Words(pair.unit()))
        << pair.value->QualifiedName();
    if (seen != nullptr) seen->insert(pair.unit());
  }
  // Each unit box by its own unit, and each unit list by the quantity it qualifies.
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(form.txtUMW(i).AccessibleDescription(), Words(form.txtUMW(i).Text()));
    EXPECT_EQ(form.txtUMI(i).AccessibleDescription(), Words(form.txtUMI(i).Text()));
    EXPECT_EQ(form.cboRp(i).AccessibleDescription(),
              form.txtRp(i).Text() + " " + Words(form.cboRp(i).Text()));
  }
  EXPECT_EQ(form.txtUMU.AccessibleDescription(), Words(form.txtUMU.Text()));
  EXPECT_EQ(form.cboIpt.AccessibleDescription(),
            form.txtIpt.Text() + " " + Words(form.cboIpt.Text()));
}

TEST(AccessibleDescriptions, EveryValueIsDescribedByTheUnitShownBesideItThroughAWholeSession) {
  FormFixture f;
  ExpectEveryValueDescribedByItsUnit(*f, "start");
  EXPECT_EQ(f->txtRp(0).AccessibleDescription(), "ohmi");
  EXPECT_EQ(f->txtPp(0).AccessibleDescription(), "");

  f.Enter({"100", "100"}, "1");
  ExpectEveryValueDescribedByItsUnit(*f, "two resistors and a current");
  EXPECT_EQ(f->txtPp(0).AccessibleDescription(), "wați");
  EXPECT_EQ(f->txtIp(1).AccessibleDescription(), "miliamperi");
  EXPECT_EQ(f->txtUpt.AccessibleDescription(), "volți");

  f.Pick(f->cboRp(0), "kOhm");
  f.Pick(f->cboRp(1), "kOhm");
  ExpectEveryValueDescribedByItsUnit(*f, "both resistors in kOhm");
  EXPECT_EQ(f->cboRp(1).AccessibleDescription(), "100 kiloohmi");
  EXPECT_EQ(f->txtRpt.AccessibleDescription(), "kiloohmi");
  EXPECT_EQ(f->txtUpt.AccessibleDescription(), "kilovolți");

  f.Pick(f->cboIpt, "uA");
  f.Pick(f->cboRezP, "4");
  f.Type(f->txtRp(3), "1");
  ExpectEveryValueDescribedByItsUnit(*f, "four resistors at microamperes");

  f->UserClicks(f->cmdClear);
  ExpectEveryValueDescribedByItsUnit(*f, "cleared");
}

// Two equal resistors of 2 in each resistor unit, fed by currents from a microampere to a million
// amperes, show every unit of the window's lists and results.
TEST(AccessibleDescriptions, EveryUnitTheWindowShowsIsDescribedInWords) {
  FormFixture f;
  f.Enter({"2", "2"}, "1");
  Seen seen;
  for (const std::string resistors : {"Ohm", "kOhm", "MOhm"}) {
    f.Pick(f->cboRp(0), resistors);
    f.Pick(f->cboRp(1), resistors);
    for (const auto& [current, unit] : {std::pair{"1", "uA"},
                                        {"1", "mA"},
                                        {"1", "A"},
                                        {"2", "A"},
                                        {"1000", "A"},
                                        {"1000000", "A"}}) {
      f.Type(f->txtIpt, current);
      f.Pick(f->cboIpt, unit);
      ExpectEveryValueDescribedByItsUnit(*f, resistors + ", " + current + " " + unit, &seen);
    }
  }
  for (const auto& [unit, words] : kUnitWords) EXPECT_TRUE(seen.contains(unit)) << unit;
}

TEST(AccessibleDescriptions, TheScreenReaderBindingHearsADescriptionChangeOnce) {
  FormFixture f;
  f.Enter({"100", "100"}, "1");
  std::vector<Property> heard;
  f->txtRpt.Watch([&heard](Property property) { heard.push_back(property); });
  f.Pick(f->cboRp(0), "kOhm");
  f.Pick(f->cboRp(1), "kOhm");
  EXPECT_EQ(std::count(heard.begin(), heard.end(), Property::AccessibleDescription), 1);
  EXPECT_EQ(f->txtRpt.AccessibleDescription(), "kiloohmi");
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

// Each user action and what the form announces after it: the total and the voltage whenever
// either changes, in Romanian with a decimal comma, and nothing when they stay.
TEST(Announcements, TheTotalAndTheVoltageAreAnnouncedAfterEveryActionThatChangesThem) {
  FormFixture f;
  struct Row {
    std::string action;
    std::function<void()> act;
    std::vector<std::string> announced;
  };
  // No current gives no voltage and no unit; cleared results show a voltage of 0 V.
  const std::string noVoltage = "Căderea de tensiune 0";
  const std::string cleared = "Căderea de tensiune 0 volți";
  const Row rows[] = {
      {"typing 4", [&] { f.Type(f->txtRp(0), "4"); }, {"Rezistenta totală 0 ohmi. " + cleared}},
      {"typing 4.7", [&] { f.Type(f->txtRp(0), "4.7"); }, {}},
      {"picking kOhm", [&] { f.Pick(f->cboRp(0), "kOhm"); }, {}},
      {"typing 2.2",
       [&] { f.Type(f->txtRp(1), "2.2"); },
       {"Rezistenta totală 2,199 ohmi. " + noVoltage}},
      {"picking kOhm again",
       [&] { f.Pick(f->cboRp(1), "kOhm"); },
       {"Rezistenta totală 1,499 kiloohmi. " + noVoltage}},
      {"typing 12",
       [&] { f.Type(f->txtIpt, "12"); },
       {"Rezistenta totală 1,499 kiloohmi. Căderea de tensiune 17,982612 kilovolți"}},
      {"typing 12.", [&] { f.Type(f->txtIpt, "12."); }, {}},
      {"picking mA",
       [&] { f.Pick(f->cboIpt, "mA"); },
       {"Rezistenta totală 1,499 kiloohmi. Căderea de tensiune 17,982612 volți"}},
      {"an overflowing current, which fails", [&] { f.Type(f->txtIpt, "1e300"); }, {}},
      {"clearing", [&] { f->UserClicks(f->cmdClear); }, {cleared}},
  };
  EXPECT_TRUE(f.announcements.empty()) << "start-up announces nothing";
  for (const Row& row : rows) {
    SCOPED_TRACE(row.action);
    f.announcements.clear();
    row.act();
    EXPECT_EQ(f.announcements, row.announced);
  }
  EXPECT_EQ(f.messages.size(), 1u) << "the failure is reported instead";
}

// On request, every visible result in reading order: the total, each shown row's power and
// current, and the voltage, its exponent in words.
TEST(Announcements, AskedForTheResultsTheFormAnnouncesEveryVisibleOne) {
  FormFixture f(kComma);
  f.Pick(f->cboRezP, "3");
  f.Enter({"2", "2", "1"}, "1,5e-20");
  f.announcements.clear();
  f->UserAsksForResults();
  std::string rows;
  for (const char* row : {"1", "2", "3"}) {
    rows += std::string("Puterea disipată ") + row + " 0 microwați. ";
    rows += std::string("Curent prin ramură ") + row + " 0 microamperi. ";
  }
  EXPECT_EQ(f.announcements, std::vector<std::string>{"Rezistenta totală 0,5 ohmi. " + rows +
                                                      "Căderea de tensiune 7,5 ori 10 la puterea "
                                                      "minus 15 microvolți"});
}
}  // namespace
}  // namespace zentavo
