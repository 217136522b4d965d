#include "zentavo_window.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>

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
  // Window-modal and not blocking: the handler that failed returns at once, and the window
  // goes on when the box is closed.
  auto* box = new QMessageBox(QMessageBox::Critical, windowTitle(), ToQString(message),
                              QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  // The box is the desktop's, not part of the design: it keeps the desktop's font, which the
  // application's font no longer is.
  box->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
  box->open();
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
