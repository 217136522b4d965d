// The application that widget tests, benchmarks and drivers run the window in: set up as the
// program sets itself up, and off screen unless QT_QPA_PLATFORM names a platform.
#pragma once

#include <QApplication>

namespace zentavo::testing_support {

class OffscreenApplication {
 public:
  OffscreenApplication(int& argc, char** argv);

 private:
  // Chooses the platform before the application starts, and hands argc on.
  static int& OffscreenUnlessNamed(int& argc);

  QApplication app_;
};

}  // namespace zentavo::testing_support
