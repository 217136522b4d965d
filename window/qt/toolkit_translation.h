// Qt's own texts in the window (an edit box's context menu, the role names screen readers are
// given) in Romanian, whatever the user's locale: the window is Romanian throughout and Qt ships
// no Romanian catalogue of its own. The message box's "OK" reads the same in Romanian.
#pragma once

class QCoreApplication;

namespace zentavo {

void InstallToolkitTranslation(QCoreApplication& app);

}  // namespace zentavo
