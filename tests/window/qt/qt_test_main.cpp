// Runs the widget tests inside one application, off screen unless a platform is named.
#include <gtest/gtest.h>

#include "offscreen_application.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
    qputenv("XDG_RUNTIME_DIR", ZENTAVO_TEST_RUNTIME_DIR);
  const zentavo::testing_support::OffscreenApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
