// Makes the window usable by everyone it is written for: Romanian in Qt's own texts too, and
// interfaces that tell screen readers what each control is, holds and means.
#pragma once

class QCoreApplication;

namespace zentavo {

void SetUpLanguageAndAccessibility(QCoreApplication& app);

}  // namespace zentavo
