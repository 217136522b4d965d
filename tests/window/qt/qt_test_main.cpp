// Runs the widget tests inside one QApplication, off screen unless a platform is named.
#include <gtest/gtest.h>

#include <QApplication>

#include "application_setup.h"

int main(int argc, char** argv) {
  // Test discovery runs the binary at build time, where there may be no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
    qputenv("XDG_RUNTIME_DIR", ZENTAVO_TEST_RUNTIME_DIR);
  QApplication app(argc, argv);
  zentavo::SetUpApplication(app);
  // The icon file, which the tests compare with the icon the window carries.
  Q_INIT_RESOURCE(zentavo);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
