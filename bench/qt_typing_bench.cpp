// Times one typed character in the real widgets, off screen: from the key press until every box
// whose text it changes shows the new text and has been repainted, and counts the paint events
// the window's widgets receive for it.
// With --keystrokes=N it types N characters, prints the paint events per character and ends, for
// callgrind to count instructions in TypeAndRepaint alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <map>
#include <string_view>
#include <vector>

#include "offscreen_application.h"
#include "window_driving.h"
#include "zentavo_window.h"

namespace zentavo {
namespace {

using testing_support::EditFor;

// Counts the paint events each watched widget receives.
class PaintCounter : public QObject {
 public:
  void Watch(QWidget* widget) { widget->installEventFilter(this); }
  int Paints(const QObject* widget) const {
    auto found = paints_.find(widget);
    return found == paints_.end() ? 0 : found->second;
  }
  int AllPaints() const { return all_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++paints_[watched];
      ++all_;
    }
    return false;
  }

 private:
  std::map<const QObject*, int> paints_;
  int all_ = 0;
};

// The four resistors and a current filled in, the caret at the end of the current; typing "1"
// and deleting it again moves every result between two sets of texts.
class TypingSetUp {
 public:
  TypingSetUp() : window_(testing_support::SilentPlatform()) {
    window_.show();
    frmZentavo& form = window_.Form();
    form.UserPicks(form.cboRezP, 2);
    const QString values[] = {"1", "2.2", "47", "3.3"};
    for (int i = 0; i < 4; ++i)
      testing_support::TypeOver(*EditFor(window_, form.txtRp(i)), values[i]);
    testing_support::TypeOver(*EditFor(window_, form.txtIpt), "12.5");
    current_ = EditFor(window_, form.txtIpt);
    current_->setFocus();
    current_->end(false);
    QApplication::processEvents();

    const auto edits = window_.findChildren<QLineEdit*>();
    std::vector<QString> without, withDigit;
    for (QLineEdit* edit : edits) without.push_back(edit->text());
    QTest::keyClick(current_, Qt::Key_1);
    for (QLineEdit* edit : edits) withDigit.push_back(edit->text());
    QTest::keyClick(current_, Qt::Key_Backspace);
    QApplication::processEvents();
    for (std::size_t i = 0; i < without.size(); ++i) {
      if (withDigit[i] == without[i]) continue;
      changed_.push_back({edits[static_cast<qsizetype>(i)], withDigit[i], without[i]});
    }
    paints_.Watch(&window_);
    for (QWidget* widget : window_.findChildren<QWidget*>()) paints_.Watch(widget);
  }

  bool ChangesSomething() const { return changed_.size() > 1; }
  // Paint events received by any of the window's widgets since it was set up.
  int Paints() const { return paints_.AllPaints(); }

  // Types the digit or deletes it, and lets the event loop run until every changed box has
  // painted its new text; false if some box shows a wrong text or never paints.
  [[gnu::noinline]] bool TypeAndRepaint(bool digit) {
    std::vector<int> before;
    for (const Changed& box : changed_) before.push_back(paints_.Paints(box.edit));
    QTest::keyClick(current_, digit ? Qt::Key_1 : Qt::Key_Backspace);
    for (int round = 0; round < kMaxRounds; ++round) {
      QApplication::processEvents();
      bool painted = true;
      for (std::size_t i = 0; i < changed_.size() && painted; ++i)
        painted = paints_.Paints(changed_[i].edit) > before[i];
      if (painted) break;
    }
    for (std::size_t i = 0; i < changed_.size(); ++i) {
      const Changed& box = changed_[i];
      if (paints_.Paints(box.edit) == before[i]) return false;
      if (box.edit->text() != (digit ? box.withDigit : box.without)) return false;
    }
    return true;
  }

 private:
  static constexpr int kMaxRounds = 100;

  struct Changed {
    QLineEdit* edit;
    QString withDigit, without;
  };

  ZentavoWindow window_;
  QLineEdit* current_ = nullptr;
  PaintCounter paints_;
  std::vector<Changed> changed_;
};

void BM_TypedCharacterInWidgets(benchmark::State& state) {
  TypingSetUp typing;
  if (!typing.ChangesSomething()) state.SkipWithError("typing a digit changed no result");
  bool digit = true;
  const int paintsBefore = typing.Paints();
  for (auto _ : state) {
    if (!typing.TypeAndRepaint(digit)) {
      state.SkipWithError("a changed box does not show its new text, repainted");
      break;
    }
    digit = !digit;
  }
  state.counters["paints"] =
      benchmark::Counter(typing.Paints() - paintsBefore, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TypedCharacterInWidgets)->Repetitions(5)->ReportAggregatesOnly(true);

int TypeKeystrokes(int count) {
  TypingSetUp typing;
  const int paintsBefore = typing.Paints();
  for (int i = 0; i < count; ++i) {
    if (!typing.TypeAndRepaint(i % 2 == 0)) {
      std::fputs("a changed box does not show its new text, repainted\n", stderr);
      return 1;
    }
  }
  std::printf("%d %d\n", typing.Paints() - paintsBefore, count);
  return 0;
}

}  // namespace
}  // namespace zentavo

int main(int argc, char** argv) {
  const zentavo::testing_support::OffscreenApplication app(argc, argv);
  constexpr std::string_view kKeystrokes = "--keystrokes=";
  if (argc > 1 && std::string_view(argv[1]).starts_with(kKeystrokes)) {
    int count = 0;
    const char* number = argv[1] + kKeystrokes.size();
    std::from_chars(number, number + std::strlen(number), count);
    return zentavo::TypeKeystrokes(count);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
