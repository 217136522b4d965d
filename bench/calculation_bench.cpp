// Times the work behind one edit: a whole recalculation, and one typed character.
#include <benchmark/benchmark.h>

#include "calculator.h"
#include "frm_zentavo.h"

namespace zentavo {
namespace {

Platform QuietPlatform() {
  return Platform{NumberFormat{",", "."}, {}, {}};
}

void FillFourResistors(frmZentavo& form) {
  form.UserPicks(form.cboRezP, 2);
  const char* values[] = {"1", "2,2", "47", "3,3"};
  for (int i = 0; i < 4; ++i) {
    form.UserEditsText(form.txtRp(i), values[i]);
    form.UserPicks(form.cboRp(i), i % 3);
  }
  form.UserEditsText(form.txtIpt, "12,5");
  form.UserPicks(form.cboIpt, 1);
}

void BM_RecalculateFourResistors(benchmark::State& state) {
  frmZentavo form(QuietPlatform());
  FillFourResistors(form);
  Calculator calculator(form, form.Format());
  for (auto _ : state) {
    calculator.Recalculate();
    benchmark::DoNotOptimize(form.txtIp(3).Text().data());
  }
}
BENCHMARK(BM_RecalculateFourResistors)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_TypedCharacter(benchmark::State& state) {
  frmZentavo form(QuietPlatform());
  FillFourResistors(form);
  const std::string texts[] = {"12,51", "12,5"};
  std::size_t next = 0;
  for (auto _ : state) {
    form.UserEditsText(form.txtIpt, texts[next]);
    next ^= 1;
    benchmark::DoNotOptimize(form.txtIp(3).Text().data());
  }
}
BENCHMARK(BM_TypedCharacter)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace zentavo
