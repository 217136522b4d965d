#include "zentavo_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QToolTip>

#include "announcer.h"
#include "failure_box.h"
#include "qt_conversions.h"
#include "result_keys.h"
#include "schematic_frame.h"
#include "window_icon_pixels.h"

namespace zentavo {
namespace {

// The icon at every size the window manager may show, from pixels compiled in: read from image
// files, they would load every image format plugin first.
QIcon WindowIcon() {
  QIcon icon;
  for (const IconPixels& size : WindowIconPixels()) {
    const QImage pixels(reinterpret_cast<const uchar*>(size.pixels), size.size, size.size,
                        QImage::Format_ARGB32_Premultiplied);
    icon.addPixmap(QPixmap::fromImage(pixels));
  }
  return icon;
}

}  // namespace

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
  setWindowIcon(WindowIcon());
  if (QWidget* first = binding_.WidgetFor(form_.cboRezP)) first->setFocus();
  CentreOnScreen();
}

// The widgets go while the form they report to is still there: the focus leaving a box as the
// window closes is a user action of its own.
ZentavoWindow::~ZentavoWindow() {
  delete frame_;
}

Platform ZentavoWindow::OnThisDesktop(Platform platform) {
  if (!platform.showFailure) {
    platform.showFailure = [this](const std::string& message) {
      FailureBox::Report(ToQString(message), *this);
    };
  }
  if (!platform.refuseEdit) {
    platform.refuseEdit = [this](const TextBox& box, const std::string& hint) {
      QApplication::beep();
      if (QWidget* widget = WidgetFor(box))
        QToolTip::showText(widget->mapToGlobal(QPoint(0, widget->height())), ToQString(hint),
                           widget);
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
