// Whatever the user types, pastes or picks, in whatever order, the inputs stay numbers and the
// program goes on.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "form_fixture.h"
#include "utf8.h"

namespace zentavo {
namespace {

using testing_support::FormFixture;
using testing_support::kComma;
using testing_support::kDot;

const NumberFormat kFrench{",", "\u202f"};

std::vector<TextBox*> ValueFields(frmZentavo& form) {
  return {&form.txtRp(0), &form.txtRp(1), &form.txtRp(2), &form.txtRp(3), &form.txtIpt};
}

double UnitFactor(const std::string& unit) {
  if (unit == "kOhm") return 1e3;
  if (unit == "MOhm") return 1e6;
  return 1;
}

// What the user has put in, and what the window shows for it.
std::vector<std::string> Inputs(frmZentavo& form) {
  std::vector<std::string> texts{form.cboRezP.Text(), form.txtIpt.Text(), form.cboIpt.Text()};
  for (int i = 0; i < 4; ++i) {
    texts.push_back(form.txtRp(i).Text());
    texts.push_back(form.cboRp(i).Text());
  }
  return texts;
}

std::vector<std::string> Results(frmZentavo& form) {
  std::vector<std::string> texts{form.txtRpt.Text(), form.lblUMr.Caption(), form.txtUpt.Text(),
                                 form.txtUMU.Text()};
  for (int i = 0; i < 4; ++i)
    for (TextBox* box : {&form.txtPp(i), &form.txtUMW(i), &form.txtIp(i), &form.txtUMI(i)})
      texts.push_back(box->Text());
  return texts;
}

// An action that raises no handler leaves the results as they were, even results cleared by an
// earlier failure.
void ExpectConsistent(FormFixture& f, std::size_t messagesBefore, bool unchangedResultsAllowed,
                      const std::string& step) {
  SCOPED_TRACE(step);
  frmZentavo& form = *f;
  for (TextBox* field : ValueFields(form)) {
    const FieldReading value = ReadValueField(field->Text(), form.Format());
    ASSERT_NE(value.kind, FieldReading::Kind::NotANumber)
        << field->QualifiedName() << " holds \"" << field->Text() << '"';
    ASSERT_FALSE(value.value < 0) << field->QualifiedName() << " holds " << field->Text();
  }
  const std::string& count = form.cboRezP.Text();
  ASSERT_TRUE(count == "2" || count == "3" || count == "4") << count;
  const int n = count[0] - '0';
  for (int i = 0; i < 4; ++i) ASSERT_EQ(form.txtRp(i).Visible(), i < n);
  for (int j = 0; j < 3; ++j) ASSERT_EQ(form.shaP(j).Visible(), j <= n - 2);
  for (std::size_t m = messagesBefore; m < f.messages.size(); ++m)
    ASSERT_EQ(f.messages[m].rfind("Depășire", 0), 0u) << f.messages[m];
  ASSERT_EQ(f.ends, 0);

  bool anyZero = false;
  double reciprocalSum = 0;
  for (int i = 0; i < n; ++i) {
    double r = ReadValueField(form.txtRp(i).Text(), form.Format()).value;
    anyZero = anyZero || r == 0;
    reciprocalSum += 1 / (r * UnitFactor(form.cboRp(i).Text()));
  }
  if (anyZero || f.messages.size() > messagesBefore) {
    for (int i = 0; i < 4; ++i) ASSERT_EQ(form.txtIp(i).Text(), "");
    return;
  }
  if (unchangedResultsAllowed) return;
  const double reference = 1 / reciprocalSum;
  const double factor = UnitFactor(form.lblUMr.Caption());
  const double shown = TextToDouble(form.txtRpt.Text(), form.Format()) * factor;
  // Each scaling stage rounds to 3 decimals of its own unit.
  const double tolerance = 0.0005 * factor * 1.001 + 0.0005 * factor / 1000 + reference * 1e-12;
  ASSERT_NEAR(shown, reference, tolerance) << form.txtRpt.Text() << ' ' << form.lblUMr.Caption();
  for (int i = 0; i < n; ++i) ASSERT_FALSE(form.txtUMI(i).Text().empty());
}

const char* const kPieces[] = {"0",      "1", "2",     "5",      "9",     ".",     ",",
                               "-",      "+", "e",     "E",      " ",     "\t",    "ă",
                               "\u202f", "x", "1e308", "1e-320", "9e999", "-12e8", "0.0004",
                               "1e300",  "-", "47",    "3,3",    "2.2"};

std::string RandomText(std::mt19937& random) {
  std::string text;
  int pieces = std::uniform_int_distribution<>(0, 5)(random);
  for (int i = 0; i < pieces; ++i)
    text += kPieces[std::uniform_int_distribution<std::size_t>(0, std::size(kPieces) - 1)(random)];
  return text;
}

// A number as a user would type it, sometimes negative, sometimes in exponent notation.
std::string RandomNumber(std::mt19937& random, const NumberFormat& format) {
  std::string text = std::uniform_int_distribution<>(0, 4)(random) == 0 ? "-" : "";
  text += std::to_string(std::uniform_int_distribution<>(1, 999)(random));
  if (std::uniform_int_distribution<>(0, 1)(random))
    text += (std::uniform_int_distribution<>(0, 1)(random) ? "." : format.decimalSeparator) +
            std::to_string(std::uniform_int_distribution<>(0, 99)(random));
  if (std::uniform_int_distribution<>(0, 3)(random) == 0)
    text += "e" + std::to_string(std::uniform_int_distribution<>(-4, 4)(random));
  return text;
}

class RandomActionsTest : public testing::TestWithParam<std::tuple<unsigned, NumberFormat>> {};

TEST_P(RandomActionsTest, EveryActionLeavesTheWindowConsistent) {
  std::mt19937 random(std::get<0>(GetParam()));
  FormFixture f(std::get<1>(GetParam()));
  frmZentavo& form = *f;
  std::vector<ComboBox*> lists{&form.cboRezP,  &form.cboRp(0), &form.cboRp(1),
                               &form.cboRp(2), &form.cboRp(3), &form.cboIpt};
  // paste, type, delete, pick, clear, key
  std::discrete_distribution<> actions({40, 20, 10, 20, 2, 8});
  for (int step = 0; step < 2000; ++step) {
    const std::size_t messagesBefore = f.messages.size();
    const auto inputsBefore = Inputs(form);
    const auto resultsBefore = Results(form);
    bool noEvent = false;  // set where the action raises no handler
    std::string description;
    TextBox& field = *ValueFields(form)[std::uniform_int_distribution<std::size_t>(0, 4)(random)];
    switch (actions(random)) {
      case 0: {  // paste over the whole text
        std::string text = std::uniform_int_distribution<>(0, 2)(random)
                               ? RandomNumber(random, form.Format())
                               : RandomText(random);
        description = "paste \"" + text + "\" into " + field.QualifiedName();
        noEvent = FirstCharacters(text, field.MaxLength() ? field.MaxLength() : text.size()) ==
                  field.Text();
        form.UserEditsText(field, text);
        break;
      }
      case 1: {  // type one more character at the end
        std::string text =
            field.Text() + kPieces[std::uniform_int_distribution<std::size_t>(0, 11)(random)];
        description = "type into " + field.QualifiedName() + " giving \"" + text + '"';
        noEvent = FirstCharacters(text, field.MaxLength() ? field.MaxLength() : text.size()) ==
                  field.Text();
        form.UserEditsText(field, text);
        break;
      }
      case 2: {  // delete the first character
        std::string text = field.Text().substr(field.Text().empty() ? 0 : 1);
        description = "delete in " + field.QualifiedName();
        noEvent = FirstCharacters(text, field.MaxLength() ? field.MaxLength() : text.size()) ==
                  field.Text();
        form.UserEditsText(field, text);
        break;
      }
      case 3: {
        ComboBox& list = *lists[std::uniform_int_distribution<std::size_t>(0, 5)(random)];
        int entry = std::uniform_int_distribution<>(0, 2)(random);
        description = "pick " + list.List(entry) + " in " + list.QualifiedName();
        noEvent = list.Text() == list.List(entry);
        form.UserPicks(list, entry);
        break;
      }
      case 4:
        description = "clear";
        form.UserClicks(form.cmdClear);
        break;
      default: {
        auto key = static_cast<std::int16_t>(std::uniform_int_distribution<>(0, 126)(random));
        if (key == frmZentavo::kEscape) key = 13;
        description = "key " + std::to_string(key);
        noEvent = true;
        EXPECT_TRUE(form.UserPressesKey(key));
        break;
      }
    }
    if (noEvent) {
      ASSERT_EQ(Inputs(form), inputsBefore) << description;
      ASSERT_EQ(Results(form), resultsBefore) << description;
    }
    ExpectConsistent(f, messagesBefore, noEvent,
                     "step " + std::to_string(step) + ": " + description);
    if (HasFatalFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomActionsTest,
                         testing::Combine(testing::Values(1u, 2u, 3u, 4u),
                                          testing::Values(kDot, kComma, kFrench)));

// Texts a user might paste; each must leave the field holding a non-negative number.
const char* const kBadTexts[] = {"",
                                 " ",
                                 "\t",
                                 "-",
                                 "+",
                                 "--1",
                                 "+-1",
                                 "1-",
                                 "1e",
                                 "1e+",
                                 "e5",
                                 ".",
                                 ",",
                                 "1.2.3",
                                 "1,2,3",
                                 "1 000",
                                 "1\u202f000",
                                 "1\u00a0000",
                                 "١٢",
                                 "１２",
                                 "∞",
                                 "inf",
                                 "-inf",
                                 "nan",
                                 "NaN",
                                 "0x1F",
                                 "&H10",
                                 "1e308",
                                 "1e309",
                                 "-1e309",
                                 "1e-320",
                                 "-1e-320",
                                 "1e-400",
                                 "-1e-400",
                                 "12kOhm",
                                 "Ohm",
                                 "ăîșțâ",
                                 "\xff\xfe\xfd",
                                 "\xc3",
                                 "-0",
                                 "-0.0",
                                 "  -7  ",
                                 "-1,5",
                                 "-1.5",
                                 "1E+15",
                                 "99999999999999999999999999",
                                 "-99999999999999999999999",
                                 "0000000",
                                 "-.5",
                                 "5.",
                                 "1e0010"};

class BadInputTest : public testing::TestWithParam<NumberFormat> {};

TEST_P(BadInputTest, EveryPastedTextLeavesANonNegativeNumber) {
  for (const char* text : kBadTexts) {
    FormFixture f(GetParam());
    f.Type(f->txtRp(0), "1");
    f.Type(f->txtRp(1), "1");
    for (TextBox* field : {&f->txtRp(1), &f->txtIpt}) {
      SCOPED_TRACE(field->QualifiedName() + " <- \"" + text + '"');
      f->UserEditsText(*field, text);
      const FieldReading value = ReadValueField(field->Text(), f->Format());
      ASSERT_NE(value.kind, FieldReading::Kind::NotANumber) << field->Text();
      EXPECT_FALSE(value.value < 0) << field->Text();
      EXPECT_FALSE(field->Text().empty());
    }
    for (const std::string& message : f.messages) EXPECT_EQ(message.rfind("Depășire", 0), 0u);
    EXPECT_EQ(f.ends, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, BadInputTest, testing::Values(kDot, kComma, kFrench));

}  // namespace
}  // namespace zentavo
