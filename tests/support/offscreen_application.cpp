#include "offscreen_application.h"

#include "application_setup.h"

namespace zentavo::testing_support {

int& OffscreenApplication::OffscreenUnlessNamed(int& argc) {
  // Test discovery and benchmark runs happen where there may be no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return argc;
}

OffscreenApplication::OffscreenApplication(int& argc, char** argv)
    : app_(OffscreenUnlessNamed(argc), argv) {
  SetUpApplication(app_);
}

}  // namespace zentavo::testing_support
