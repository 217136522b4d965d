// Times every action on the longest current the current box takes, in the real widgets off
// screen, each until the box has repainted: pasting it, typing and deleting at either end, and
// redrawing it as the caret blinks; and a screen reader finding the character at a point of it and
// the screen extents of a current of some length.
// With --redraws=N it redraws the longest current N times and ends, for callgrind to count
// instructions in RedrawOnce alone.
#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "offscreen_application.h"
#include "window_driving.h"
#include "zentavo_window.h"

namespace zentavo {
namespace {

// "0." and zeros and a final 1: a valid number that keeps the whole text to be read.
QString LongCurrent(int length) {
  return "0." + QString(length - 3, '0') + "1";
}

class LongCurrentWindow {
 public:
  LongCurrentWindow() : window_(testing_support::SilentPlatform()) {
    window_.show();
    if (!QTest::qWaitForWindowExposed(&window_)) std::abort();
    frmZentavo& form = window_.Form();
    form.UserEditsText(form.txtRp(0), "47");
    form.UserEditsText(form.txtRp(1), "2.2");
    edit_ = testing_support::EditFor(window_, form.txtIpt);
    edit_->setFocus();
  }

  QLineEdit& Edit() { return *edit_; }
  int Longest() { return static_cast<int>(window_.Form().txtIpt.MaxLength()); }
  const std::string& Held() { return window_.Form().txtIpt.Text(); }

  void Paste(const QString& text) {
    testing_support::PasteOver(*edit_, text);
    edit_->repaint();
  }
  void Key(Qt::Key key, const QString& text = {}) {
    QTest::sendKeyEvent(QTest::Click, edit_, key, text, Qt::NoModifier);
    edit_->repaint();
  }
  [[gnu::noinline]] void RedrawOnce() { edit_->repaint(); }

 private:
  ZentavoWindow window_;
  QLineEdit* edit_ = nullptr;
};

void BM_PasteLongestCurrent(benchmark::State& state) {
  LongCurrentWindow window;
  const QString longest = LongCurrent(window.Longest());
  for (auto _ : state) {
    window.Paste(longest);
    state.PauseTiming();
    if (window.Held().size() != static_cast<std::size_t>(longest.size()))
      state.SkipWithError("the box did not take the whole text");
    window.Paste("2");
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PasteLongestCurrent)->Unit(benchmark::kMillisecond);

// A longer paste, which the box refuses whole, keeping the value it held.
void BM_PasteBeyondTheLimit(benchmark::State& state) {
  LongCurrentWindow window;
  window.Paste("2");
  const QString tooLong(40000, '7');
  for (auto _ : state) {
    window.Paste(tooLong);
    if (window.Held() != "2") {
      state.SkipWithError("the refused paste changed the value");
      break;
    }
  }
}
BENCHMARK(BM_PasteBeyondTheLimit)->Unit(benchmark::kMillisecond);

// Types a digit at one end of a text one character short of the limit, then deletes it.
void TypeAndDelete(benchmark::State& state, bool atStart) {
  LongCurrentWindow window;
  window.Paste(LongCurrent(window.Longest() - 1));
  const std::size_t shorter = window.Held().size();
  for (auto _ : state) {
    if (atStart) {
      window.Edit().home(false);
      window.Key(Qt::Key_0, "0");
      window.Edit().home(false);
      window.Key(Qt::Key_Delete);
    } else {
      window.Edit().end(false);
      window.Key(Qt::Key_5, "5");
      window.Key(Qt::Key_Backspace);
    }
    if (window.Held().size() != shorter)
      state.SkipWithError("typing and deleting changed the text");
  }
}
void BM_TypeAndDeleteAtEndOfLongestCurrent(benchmark::State& state) {
  TypeAndDelete(state, false);
}
void BM_TypeAndDeleteAtStartOfLongestCurrent(benchmark::State& state) {
  TypeAndDelete(state, true);
}
BENCHMARK(BM_TypeAndDeleteAtEndOfLongestCurrent)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeAndDeleteAtStartOfLongestCurrent)->Unit(benchmark::kMillisecond);

void BM_RedrawLongestCurrent(benchmark::State& state) {
  LongCurrentWindow window;
  window.Paste(LongCurrent(window.Longest()));
  for (auto _ : state) window.RedrawOnce();
}
BENCHMARK(BM_RedrawLongestCurrent)->Unit(benchmark::kMillisecond);

int RedrawLongestCurrent(int count) {
  LongCurrentWindow window;
  window.Paste(LongCurrent(window.Longest()));
  for (int i = 0; i < count; ++i) window.RedrawOnce();
  return 0;
}

// A reader's review asks which character lies under a point, here the middle of the box.
void BM_FindCharacterAtPointInLongestCurrent(benchmark::State& state) {
  LongCurrentWindow window;
  window.Paste(LongCurrent(window.Longest()));
  QAccessibleTextInterface* text =
      QAccessible::queryAccessibleInterface(&window.Edit())->textInterface();
  const QPoint middle = window.Edit().mapToGlobal(window.Edit().rect().center());
  for (auto _ : state) {
    const int offset = text->offsetAtPoint(middle);
    if (offset < 0) state.SkipWithError("no character was found in the middle of the box");
    benchmark::DoNotOptimize(offset);
  }
}
BENCHMARK(BM_FindCharacterAtPointInLongestCurrent)->Unit(benchmark::kMillisecond);

// A reader's GetRangeExtents over a whole current just typed: Qt's AT-SPI bridge asks for each
// character's rectangle in turn and unites them. Each round is asked about a new text, laid out
// afresh. Reported per character too, which stays flat where each text is laid out once.
void BM_RangeExtentsOfCurrent(benchmark::State& state) {
  LongCurrentWindow window;
  const int length = static_cast<int>(state.range(0));
  QAccessibleTextInterface* text =
      QAccessible::queryAccessibleInterface(&window.Edit())->textInterface();
  bool odd = false;
  for (auto _ : state) {
    state.PauseTiming();
    odd = !odd;
    window.Paste(LongCurrent(length - 1) + (odd ? "1" : "3"));
    state.ResumeTiming();
    QRect extents;
    for (int offset = 0; offset <= length; ++offset) extents |= text->characterRect(offset);
    if (extents.isEmpty()) state.SkipWithError("no character of the current is on screen");
    benchmark::DoNotOptimize(extents);
  }
  state.counters["per_character"] = benchmark::Counter(
      length, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RangeExtentsOfCurrent)
    ->Arg(1000)
    ->Arg(8000)
    ->Arg(32767)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zentavo

int main(int argc, char** argv) {
  const zentavo::testing_support::OffscreenApplication app(argc, argv);
  constexpr std::string_view kRedraws = "--redraws=";
  if (argc > 1 && std::string_view(argv[1]).starts_with(kRedraws)) {
    int count = 0;
    const char* number = argv[1] + kRedraws.size();
    std::from_chars(number, number + std::strlen(number), count);
    return zentavo::RedrawLongestCurrent(count);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
