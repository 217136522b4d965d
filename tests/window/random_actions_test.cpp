// Whatever the user types, pastes or picks, in whatever order, the inputs stay numbers and the
// program goes on. The actions are decoded from pseudo-random bytes as the form's fuzz target
// decodes its input, and the window is checked after each as the fuzz target checks it.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "checked_session.h"
#include "number_formats.h"

namespace zentavo {
namespace {

using form_checks::CheckedSession;
using testing_support::FormatName;
using testing_support::kComma;
using testing_support::kDot;
using testing_support::kFrench;

class RandomActionsTest : public testing::TestWithParam<std::tuple<unsigned, NumberFormat>> {};

TEST_P(RandomActionsTest, EveryActionLeavesTheWindowConsistent) {
  constexpr int kActions = 5000;
  std::mt19937 random(std::get<0>(GetParam()));
  std::uniform_int_distribution<int> byte(0, 255);
  // No action takes more than a few dozen bytes.
  std::vector<std::uint8_t> bytes(64 * kActions);
  for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(byte(random));
  fuzz_reference::ByteReader in(bytes.data(), bytes.size());
  int actions = 0, computing = 0, failing = 0;
  // Esc ends a session; the next one starts afresh.
  while (actions < kActions) {
    CheckedSession session(std::get<1>(GetParam()));
    for (; actions < kActions && !session.Ended(); ++actions) session.PerformNext(in);
    computing += session.ComputingActions();
    failing += session.FailedActions();
  }
  // The actions reach what matters: results computed, and overflows.
  EXPECT_GT(computing, kActions / 20);
  EXPECT_GT(failing, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomActionsTest,
                         testing::Combine(testing::Values(1u, 2u, 3u, 4u),
                                          testing::Values(kDot, kComma, kFrench)),
                         [](const auto& info) {
                           return "Seed" + std::to_string(std::get<0>(info.param)) + "In" +
                                  FormatName(std::get<1>(info.param));
                         });

// Texts a user might paste into a value field.
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

TEST_P(BadInputTest, EveryPastedTextIsCorrectedAndTheWindowStaysConsistent) {
  for (const char* text : kBadTexts) {
    CheckedSession session(GetParam());
    auto paste = [&session](TextBox& field, const std::string& pasted) {
      session.Perform(
          {.kind = form_checks::UserAction::Kind::Edit,
           .box = &field,
           .newText = pasted,
           .description = "the user pastes \"" + pasted + "\" into " + field.QualifiedName()});
    };
    frmZentavo& form = session.Form();
    paste(form.txtRp(0), "1");
    paste(form.txtRp(1), "1");
    paste(form.txtRp(1), text);
    paste(form.txtIpt, text);
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, BadInputTest, testing::Values(kDot, kComma, kFrench),
                         [](const auto& info) { return FormatName(info.param); });

}  // namespace
}  // namespace zentavo
