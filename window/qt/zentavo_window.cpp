#include "zentavo_window.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>

#include "failure_box.h"
#include "qt_conversions.h"
#include "schematic_frame.h"

// The icon's pixels, compiled in: read from the resource file, they would load every image
// format plugin first.
#include "zentavo.xpm"

namespace zentavo {

ZentavoWindow::ZentavoWindow(WindowHooks hooks)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      hooks_(std::move(hooks)),
      form_(Platform{SystemNumberFormat(),
                     [this](const std::string& message) { ShowFailure(message); },
                     [this] { EndProgram(); }}),
      frame_(new SchematicFrame(form_, this)),
      binding_(form_, *this, *frame_),
      keyPreview_(form_, *this) {
  setWindowIcon(QIcon(QPixmap(zentavo_icon)));
  if (QWidget* first = binding_.WidgetFor(form_.cboRezP)) first->setFocus();
  CentreOnScreen();
}

void ZentavoWindow::ShowFailure(const std::string& message) {
  if (hooks_.showFailure) {
    hooks_.showFailure(message);
    return;
  }
  (new FailureBox(ToQString(message), *this))->open();
}

void ZentavoWindow::EndProgram() {
  if (hooks_.endProgram) {
    hooks_.endProgram();
    return;
  }
  QCoreApplication::exit(0);
}

void ZentavoWindow::CentreOnScreen() {
  QRect placed(QPoint(), size());
  placed.moveCenter(screen()->availableGeometry().center());
  move(placed.topLeft());
}

}  // namespace zentavo
