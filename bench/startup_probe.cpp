// Starts one of three windows and says "painted" on standard output once its first frame is
// painted, then ends at once: the calculator's window, exactly as the program starts it; with
// --label, a window of the same size holding one label, the least a Qt program that draws text
// pays; with --bare, the same window without the label. --grab FILE also saves that first frame.
#include <unistd.h>
#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>

#include "application_setup.h"
#include "zentavo_window.h"

namespace {

// Reports the first paint of the watched window once every widget of that frame is painted.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QString grabFile) : grabFile_(std::move(grabFile)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      auto* window = static_cast<QWidget*>(watched);
      QTimer::singleShot(0, window, [this, window] {
        if (!grabFile_.isEmpty() && !window->grab().save(grabFile_)) _exit(1);
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        // Every kind of window ends here alike, so no start-up is charged for its teardown.
        _exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QString grabFile_;
  bool reported_ = false;
};

// The calculator's client area when it opens.
constexpr QSize kOpenedSize(689, 218);

}  // namespace

int main(int argc, char* argv[]) {
  const char* mode = "";
  QString grabFile;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--grab") == 0 && i + 1 < argc) {
      grabFile = QString::fromLocal8Bit(argv[++i]);
    } else {
      mode = argv[i];
    }
  }
  QApplication app(argc, argv);
  std::unique_ptr<QWidget> window;
  if (std::strcmp(mode, "--bare") == 0 || std::strcmp(mode, "--label") == 0) {
    window = std::make_unique<QWidget>();
    window->setFixedSize(kOpenedSize);
    if (std::strcmp(mode, "--label") == 0)
      (new QLabel(QStringLiteral("Numărul rezistoarelor în paralel:"), window.get()))->move(8, 8);
  } else {
    zentavo::SetUpApplication(app);
    window = std::make_unique<zentavo::ZentavoWindow>();
  }
  FirstPaint firstPaint(grabFile);
  window->installEventFilter(&firstPaint);
  window->show();
  return QApplication::exec();
}
