#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "core/history/draw_table.h"

// Full reload of the real Mark Six history (4,288 lines, keeps 3,000).
static void BM_FullReloadMarkSix(benchmark::State& state) {
  bench::DataDir dir(tovrin::kMarkSixFile);
  tovrin::DrawHistory h(dir.path());
  h.selectGame(false);
  for (auto _ : state) {
    auto r = h.fullReload("2026/12/10");
    benchmark::DoNotOptimize(r);
  }
  state.SetItemsProcessed(state.iterations() * 4288);
}
BENCHMARK(BM_FullReloadMarkSix)->Unit(benchmark::kMillisecond);
