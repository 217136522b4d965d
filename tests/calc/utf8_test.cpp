#include "utf8.h"

#include <gtest/gtest.h>

namespace zentavo {
namespace {

TEST(Characters, CountAndCutByCodePointNotByte) {
  EXPECT_EQ(CharacterCount("ăîș"), 3u);
  EXPECT_EQ(CharacterCount("\U0001F600x"), 2u);
  EXPECT_EQ(FirstCharacters("ăîșțâ12", 3), "ăîș");
  EXPECT_EQ(FirstCharacters("12", 6), "12");
  EXPECT_EQ(FirstCharacters("1234567", 6), "123456");
  EXPECT_EQ(FirstCharacters("\U0001F600\U0001F600", 1), "\U0001F600");
}

}  // namespace
}  // namespace zentavo
