#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "core/views/statistics_view.h"

namespace {

// The view's opening period on Mark Six's 3,000 draws, special ball counted.
const tovrin::views::Period kPeriod{{2002, 1, 1}, {2026, 12, 10}, true, 49};

}  // namespace

// Each of the four computations behind one click of the statistics view.
static void BM_StatisticsView(benchmark::State& state) {
  const auto& table = bench::markSix().table;
  const int which = static_cast<int>(state.range(0));
  for (auto _ : state) {
    switch (which) {
      case 0: benchmark::DoNotOptimize(tovrin::views::F1_btn123(table, kPeriod)); break;
      case 1: benchmark::DoNotOptimize(tovrin::views::F1_btn321(table, kPeriod)); break;
      case 2: benchmark::DoNotOptimize(tovrin::views::F3_btn123(table, kPeriod)); break;
      default: benchmark::DoNotOptimize(tovrin::views::tailCount(table, kPeriod)); break;
    }
  }
  static const char* names[] = {"F1_btn123", "F1_btn321", "F3_btn123", "tailCount"};
  state.SetLabel(names[which]);
  state.SetItemsProcessed(state.iterations() * table.count);
}
BENCHMARK(BM_StatisticsView)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
