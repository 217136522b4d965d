// Starts either the calculator's window, exactly as the program does, or a bare Qt window of the
// same size, and says "painted" on standard output once the window's first frame is painted.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <memory>

#include "application_setup.h"
#include "zentavo_window.h"

namespace {

// Reports the first paint of the watched window once that paint has been handled.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      QTimer::singleShot(0, [] {
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        QApplication::exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool reported_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
  QApplication app(argc, argv);
  std::unique_ptr<QWidget> window;
  if (bare) {
    window = std::make_unique<QWidget>();
    window->setFixedSize(689, 218);  // the calculator's client area when it opens
  } else {
    zentavo::SetUpApplication(app);
    window = std::make_unique<zentavo::ZentavoWindow>();
  }
  FirstPaint firstPaint;
  window->installEventFilter(&firstPaint);
  window->show();
  return QApplication::exec();
}
