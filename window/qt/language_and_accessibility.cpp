#include "language_and_accessibility.h"

#include "accessible_factory.h"
#include "toolkit_translation.h"

namespace zentavo {

void SetUpLanguageAndAccessibility(QCoreApplication& app) {
  InstallToolkitTranslation(app);
  InstallAccessibleInterfaces();
}

}  // namespace zentavo
