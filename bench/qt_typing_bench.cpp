// Times one typed character in the real widgets, off screen: from the key press until every
// result widget holds its new text.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <array>

#include "application_setup.h"
#include "zentavo_window.h"

namespace zentavo {
namespace {

QLineEdit* EditFor(ZentavoWindow& window, const TextBox& box) {
  return qobject_cast<QLineEdit*>(window.WidgetFor(box));
}

void TypeOver(ZentavoWindow& window, const TextBox& box, const QString& keys) {
  QLineEdit* edit = EditFor(window, box);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, keys);
}

// The result boxes of the four rows and the voltage, as the widgets show them.
std::array<QString, 9> ShownResults(ZentavoWindow& window) {
  frmZentavo& form = window.Form();
  std::array<QString, 9> shown;
  for (int i = 0; i < 4; ++i) {
    shown[static_cast<std::size_t>(2 * i)] = EditFor(window, form.txtPp(i))->text();
    shown[static_cast<std::size_t>(2 * i + 1)] = EditFor(window, form.txtIp(i))->text();
  }
  shown[8] = EditFor(window, form.txtUpt)->text();
  return shown;
}

void BM_TypedCharacterInWidgets(benchmark::State& state) {
  ZentavoWindow window({[](const std::string&) {}, [] {}});
  window.show();
  frmZentavo& form = window.Form();
  form.UserPicks(form.cboRezP, 2);
  const QString values[] = {"1", "2.2", "47", "3.3"};
  for (int i = 0; i < 4; ++i) TypeOver(window, form.txtRp(i), values[i]);
  TypeOver(window, form.txtIpt, "12.5");
  QLineEdit* current = EditFor(window, form.txtIpt);
  current->setFocus();
  current->end(false);

  // Typing "1" after 12.5 and deleting it again moves between two sets of results.
  QTest::keyClick(current, Qt::Key_1);
  const auto withDigit = ShownResults(window);
  QTest::keyClick(current, Qt::Key_Backspace);
  const auto without = ShownResults(window);
  if (withDigit == without) state.SkipWithError("typing a digit changed no result");

  bool digit = true;
  for (auto _ : state) {
    QTest::keyClick(current, digit ? Qt::Key_1 : Qt::Key_Backspace);
    if (ShownResults(window) != (digit ? withDigit : without)) {
      state.SkipWithError("a result widget does not show the new result");
      break;
    }
    digit = !digit;
  }
}
BENCHMARK(BM_TypedCharacterInWidgets)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace zentavo

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  zentavo::SetUpApplication(app);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
