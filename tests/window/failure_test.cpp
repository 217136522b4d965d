#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

#include "failure_message.h"
#include "form_fixture.h"

namespace zentavo {
namespace {

using testing_support::FormFixture;

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

TEST(Failure, AnOverflowingCurrentIsReportedAndEveryInputStays) {
  FormFixture f;
  f.Type(f->txtRp(0), "1");
  f.Type(f->txtRp(1), "1");
  f.Pick(f->cboRp(1), "kOhm");
  f.Type(f->txtIpt, "1e300");
  ASSERT_EQ(f.messages.size(), 1u);
  EXPECT_TRUE(StartsWith(f.messages[0], "Depășire")) << f.messages[0];
  EXPECT_EQ(f.ends, 0);
  EXPECT_EQ(f->txtIpt.Text(), "1e300");
  EXPECT_EQ(f->txtRp(0).Text(), "1");
  EXPECT_EQ(f->cboRp(1).Text(), "kOhm");
  EXPECT_EQ(f->txtRpt.Text(), "0");
  EXPECT_EQ(f->lblUMr.Caption(), "Ohm");
  EXPECT_EQ(f->txtUpt.Text(), "0");
  EXPECT_EQ(f->txtUMU.Text(), "V");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(f->txtPp(i).Text(), "");

  f.Type(f->txtIpt, "1");
  EXPECT_EQ(f.messages.size(), 1u);
  EXPECT_EQ(f->txtRpt.Text(), "0.999");
}

TEST(Failure, AFailureInANestedHandlerIsReportedOnce) {
  FormFixture f;
  f.Type(f->txtRp(0), "1");
  f.Type(f->txtIpt, "1e300");
  ASSERT_TRUE(f.messages.empty()) << "one resistor of two is 0: nothing is computed";
  // The correction's nested change and the outer handler would both recalculate. The action
  // ends once, before its failure is reported, so that a display shows the cleared results first.
  int ended = 0;
  std::size_t reportedWhenEnded = 0;
  f->ActionEnded = [&] {
    ++ended;
    reportedWhenEnded = f.messages.size();
  };
  f.Type(f->txtRp(1), "-1");
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(reportedWhenEnded, 0u);
  EXPECT_EQ(f.messages.size(), 1u);
  EXPECT_EQ(f->txtRp(1).Text(), "1");
  EXPECT_EQ(f->txtIp(0).Text(), "");
}

TEST(Failure, ASubnormalResistorOverflowsItsReciprocal) {
  FormFixture f;
  f.Type(f->txtRp(1), "1");
  f.Type(f->txtRp(0), "4e-320");  // cut to six characters: 4e-320
  EXPECT_EQ(f->txtRp(0).Text(), "4e-320");
  ASSERT_EQ(f.messages.size(), 1u);
  EXPECT_TRUE(StartsWith(f.messages[0], "Depășire"));
}

TEST(Failure, ABigResistanceOverflowsOnlyWhereTheArithmeticDoes) {
  FormFixture f;
  f.Type(f->txtRp(0), "1e305");
  f.Type(f->txtRp(1), "1e305");
  f.Type(f->txtIpt, "1e-200");
  EXPECT_TRUE(f.messages.empty());
  EXPECT_EQ(f->lblUMr.Caption(), "MOhm");
  f.Pick(f->cboRp(0), "MOhm");
  EXPECT_EQ(f.messages.size(), 1u);
  f.Pick(f->cboRp(0), "Ohm");
  EXPECT_EQ(f.messages.size(), 1u);
  EXPECT_EQ(f->txtRpt.Text(), "5E+298");
  // A unit written with the number is the same pick: the edit keeps both, and reports once.
  f.Type(f->txtRp(0), "1e305M");
  EXPECT_EQ(f.messages.size(), 2u);
  EXPECT_EQ(f->txtRp(0).Text() + " " + f->cboRp(0).Text(), "1e305 MOhm");
  EXPECT_EQ(f->txtRpt.Text(), "0") << "the results are cleared";
}

TEST(Failure, AnotherExceptionLeavingAnActionLeavesTheNextFailureCaught) {
  FormFixture f;
  f->cmdClear.Click = [] { throw std::runtime_error("not a calculator failure"); };
  EXPECT_THROW(f->UserClicks(f->cmdClear), std::runtime_error);
  f.Enter({"1", "1"}, "1e308");
  EXPECT_EQ(f.messages.size(), 1u) << "the overflow is still caught and reported";
  EXPECT_EQ(f->txtIpt.Text(), "1e308");
}

TEST(FailureMessage, EveryKindHasItsOwnRomanianText) {
  std::set<std::string> texts;
  for (FailureKind kind : {FailureKind::Overflow, FailureKind::DivisionByZero,
                           FailureKind::TypeMismatch, FailureKind::IndexOutOfRange}) {
    std::string text = FailureMessage(kind);
    EXPECT_NE(text.find("valorile introduse"), std::string::npos) << text;
    texts.insert(text.substr(0, text.find('\n')));
  }
  EXPECT_EQ(texts.size(), 4u);
}

}  // namespace
}  // namespace zentavo
