// Run with LANG=ro_RO.UTF-8: the window shows and reads numbers with a decimal comma.
#include <QLocale>

#include "window_fixture.h"

namespace zentavo {
namespace {

using testing_support::WindowTest;

TEST(RomanianLocale, ComesFromTheEnvironmentAlone) {
  // Qt reads LANG itself, so no generated C library locale is needed.
  EXPECT_EQ(QLocale::system().name(), "ro_RO");
  EXPECT_EQ(QLocale::system().decimalPoint(), ",");
  EXPECT_EQ(QLocale::system().groupSeparator(), ".");
}

TEST_F(WindowTest, ShowsResultsWithADecimalComma) {
  TypeOver(Form().txtRp(0), "1");
  TypeOver(Form().txtRp(1), "1");
  TypeOver(Form().txtIpt, "3");
  EXPECT_EQ(Shown(Form().txtRpt), "0,5");
  EXPECT_EQ(Shown(Form().txtUpt), "1,5");
  EXPECT_EQ(Shown(Form().txtUMU), "V");
  EXPECT_EQ(Shown(Form().txtPp(0)), "2,25");
}

TEST_F(WindowTest, ReadsANegativeCommaNumberAsOneValue) {
  PasteOver(Form().txtIpt, "-1,5");
  EXPECT_EQ(Shown(Form().txtIpt), "1,5");
}

TEST_F(WindowTest, KeepsADecimalCommaAndAnExponentTypedKeyByKey) {
  TypeOver(Form().txtRp(0), "1");
  TypeOver(Form().txtRp(1), "1");
  TypeOver(Form().txtIpt, "2,5E+3");
  EXPECT_EQ(Shown(Form().txtIpt), "2,5E+3");
  EXPECT_EQ(Shown(Form().txtUpt), "1,25");
  EXPECT_EQ(Shown(Form().txtUMU), "kV");
  TypeOver(Form().txtIpt, ",5");
  EXPECT_EQ(Shown(Form().txtIpt), ",5");
  EXPECT_EQ(Shown(Form().txtUpt), "250");
  EXPECT_EQ(Shown(Form().txtUMU), "mV");
}

}  // namespace
}  // namespace zentavo
