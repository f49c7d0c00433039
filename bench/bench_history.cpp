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

#include "core/history/record_editor.h"

// The draw editor's save on the Mark Six table (3,000 rows): rows with their
// Tai numbers, the newest-first sort and the lines to write.
static void BM_EditorSave(benchmark::State& state) {
  const auto& table = bench::markSix().table;
  tovrin::RecordEditor e;  // one editor for the program's life, as the window keeps it
  for (auto _ : state) {
    e.fill(table);
    auto lines = e.rowLines();
    benchmark::DoNotOptimize(lines);
  }
  state.SetItemsProcessed(state.iterations() * table.count);
}
BENCHMARK(BM_EditorSave)->Unit(benchmark::kMillisecond);

// The same save with the exchange sorts (the save's and the reload's two)
// and the per-draw decomposition.
static void BM_EditorSave_Literal(benchmark::State& state) {
  const auto& table = bench::markSix().table;
  std::vector<tovrin::EditorRow> rows;
  for (int k = 0; k < table.count; ++k) rows.push_back(tovrin::rowFromLine(table.lines[k]));
  for (auto _ : state) {
    auto saved = tovrin::editorSave_Literal(rows);
    benchmark::DoNotOptimize(saved);
  }
  state.SetItemsProcessed(state.iterations() * table.count);
}
BENCHMARK(BM_EditorSave_Literal)->Unit(benchmark::kMillisecond);
