// Expects an action to throw the calculator's Failure of a given kind, and reports the caller's
// line when it throws none or another kind.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <source_location>

#include "failure.h"

namespace zentavo {

inline void PrintTo(FailureKind kind, std::ostream* out) {
  constexpr const char* kNames[] = {"Overflow", "DivisionByZero", "TypeMismatch",
                                    "IndexOutOfRange"};
  *out << kNames[static_cast<int>(kind)];
}

namespace testing_support {

template <typename Action>
void ExpectFailure(FailureKind kind, Action action,
                   std::source_location where = std::source_location::current()) {
  const ::testing::ScopedTrace trace(where.file_name(), static_cast<int>(where.line()),
                                     "expected a failure here");
  try {
    action();
    ADD_FAILURE() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.Kind(), kind);
  }
}

}  // namespace testing_support
}  // namespace zentavo
