#include "zentavo_window.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>

#include "announcer.h"
#include "failure_box.h"
#include "qt_conversions.h"
#include "result_keys.h"
#include "schematic_frame.h"

// The icon's pixels, compiled in: read from the resource file, they would load every image
// format plugin first.
#include "zentavo.xpm"

namespace zentavo {

ZentavoWindow::ZentavoWindow() : ZentavoWindow(Platform{SystemNumberFormat(), {}, {}}) {}

ZentavoWindow::ZentavoWindow(Platform platform)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      announcer_(new Announcer(*this)),
      form_(OnThisDesktop(std::move(platform))),
      frame_(new SchematicFrame(form_, this)),
      binding_(form_, *this, *frame_),
      keyPreview_(form_, *this),
      resultKeys_(new ResultKeys(form_, binding_, *this)) {
  setWindowIcon(QIcon(QPixmap(zentavo_icon)));
  if (QWidget* first = binding_.WidgetFor(form_.cboRezP)) first->setFocus();
  CentreOnScreen();
}

Platform ZentavoWindow::OnThisDesktop(Platform platform) {
  if (!platform.showFailure) {
    platform.showFailure = [this](const std::string& message) {
      (new FailureBox(ToQString(message), *this))->open();
    };
  }
  if (!platform.endProgram) platform.endProgram = [] { QCoreApplication::exit(0); };
  if (!platform.announce) {
    platform.announce = [this](const std::string& words) {
      announcer_->Announce(ToQString(words));
    };
  }
  return platform;
}

void ZentavoWindow::CentreOnScreen() {
  QRect placed(QPoint(), size());
  placed.moveCenter(screen()->availableGeometry().center());
  move(placed.topLeft());
}

}  // namespace zentavo
