#include <gtest/gtest.h>

#include <QString>
#include <ostream>

#include "caret_placement.h"

namespace zentavo {
namespace {

struct Rewrite {
  const char* typed;
  int caret;
  const char* rewritten;
  TextSelection expected;
};
void PrintTo(const Rewrite& r, std::ostream* out) {
  *out << '"' << r.typed << "\" caret " << r.caret << " to \"" << r.rewritten << '"';
}

class CaretPlacement : public ::testing::TestWithParam<Rewrite> {};

TEST_P(CaretPlacement, LeavesTheCaretWhereTypingGoesOn) {
  const Rewrite& r = GetParam();
  EXPECT_EQ(SelectionAfterRewrite(QString(r.typed), r.caret, QString(r.rewritten)), r.expected)
      << r.typed << " -> " << r.rewritten;
}

INSTANTIATE_TEST_SUITE_P(
    Rewrites, CaretPlacement,
    ::testing::Values(
        // A non-number becomes a selected "0".
        Rewrite{"", 0, "0", {0, 1}}, Rewrite{"a", 1, "0", {0, 1}}, Rewrite{"100a", 4, "0", {0, 1}},
        Rewrite{"-", 1, "0", {0, 1}},
        // A dropped minus sign: the caret stays beside the characters it was beside.
        Rewrite{"-5", 2, "5", {1, 0}}, Rewrite{"-5", 1, "5", {0, 0}},
        Rewrite{"-47", 3, "47", {2, 0}}, Rewrite{"-47", 2, "47", {1, 0}},
        Rewrite{"-1,5", 4, "1,5", {3, 0}}, Rewrite{"-1.50", 3, "1.5", {2, 0}},
        // Anything else: the caret at the end.
        Rewrite{"-12e8", 5, "120000", {6, 0}}, Rewrite{"-.5", 3, "0.5", {3, 0}}));

}  // namespace
}  // namespace zentavo
