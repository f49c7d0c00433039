#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "core/views/cycles.h"
#include "core/views/occurrence.h"
#include "core/views/pmx.h"

namespace {

// The settings the PMX benchmarks use: no jump, interval 1, 15 source draws,
// add 5, special balls included.
const tovrin::PmxParams kPmx{0, 1, 15, 5, true};

}  // namespace

// The PMX rule over every draw and the next one, as after each control change.
static void BM_Pmx(benchmark::State& state) {
  const auto& t = bench::bigLotto().table;
  for (auto _ : state) {
    auto r = tovrin::chk_7_2(t, 49, kPmx);
    benchmark::DoNotOptimize(r);
  }
  state.SetItemsProcessed(state.iterations() * (t.count + 1));
}
BENCHMARK(BM_Pmx)->Unit(benchmark::kMicrosecond);

static void BM_Pmx_Literal(benchmark::State& state) {
  const auto& t = bench::bigLotto().table;
  for (auto _ : state) {
    auto r = tovrin::chk_7_2_Literal(t, 49, kPmx);
    benchmark::DoNotOptimize(r);
  }
  state.SetItemsProcessed(state.iterations() * (t.count + 1));
}
BENCHMARK(BM_Pmx_Literal)->Unit(benchmark::kMillisecond);

// Repeats at interval 1 from the newest draw.
static void BM_RepeatsAtInterval(benchmark::State& state) {
  const auto& t = bench::bigLotto().table;
  for (auto _ : state) {
    auto r = tovrin::chk_7_1(t, t.numbers[t.count - 1], 1, true);
    benchmark::DoNotOptimize(r);
  }
  state.SetItemsProcessed(state.iterations() * t.count);
}
BENCHMARK(BM_RepeatsAtInterval)->Unit(benchmark::kMicrosecond);

// Cycle table of length n (argument) with both column orders, as every
// change of the cycle length builds them.
static void BM_CycleTable(benchmark::State& state) {
  const auto& t = bench::bigLotto().table;
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    auto table = tovrin::show_map(t, 49, n, true, tovrin::CycleKind::Balls);
    auto plain = tovrin::cycleColumnOrder(table, false);
    auto byTail = tovrin::cycleColumnOrder(table, true);
    benchmark::DoNotOptimize(table);
    benchmark::DoNotOptimize(plain);
    benchmark::DoNotOptimize(byTail);
  }
  state.SetItemsProcessed(state.iterations() * t.count);
}
BENCHMARK(BM_CycleTable)->Arg(1)->Arg(100)->Unit(benchmark::kMicrosecond);

// The literal routine: every cell text, the regrouped copy and the export lines.
static void BM_CycleTable_Literal(benchmark::State& state) {
  const auto& t = bench::bigLotto().table;
  const int n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    auto g = tovrin::show_map_Literal(t, 49, n, true, tovrin::CycleKind::Balls, false);
    benchmark::DoNotOptimize(g);
  }
  state.SetItemsProcessed(state.iterations() * t.count);
}
BENCHMARK(BM_CycleTable_Literal)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

// The export lines of the n = 1 table, made only when the user saves.
static void BM_CycleExport(benchmark::State& state) {
  const auto& t = bench::bigLotto().table;
  const auto table = tovrin::show_map(t, 49, 1, true, tovrin::CycleKind::Balls);
  const auto order = tovrin::cycleColumnOrder(table, true);
  for (auto _ : state) {
    auto lines = tovrin::cycleExportLines(table, order);
    benchmark::DoNotOptimize(lines);
  }
  state.SetItemsProcessed(state.iterations() * table.rowCount);
}
BENCHMARK(BM_CycleExport)->Unit(benchmark::kMillisecond);

// Occurrence groups before the newest draw, and its marks.
static void BM_OccurrenceGroups(benchmark::State& state) {
  const auto& t = bench::bigLotto().table;
  for (auto _ : state) {
    auto g = tovrin::sumof(t, 49, t.count - 1, true);
    auto loc = tovrin::locateof(t, t.count, g);
    benchmark::DoNotOptimize(loc);
  }
}
BENCHMARK(BM_OccurrenceGroups)->Unit(benchmark::kMicrosecond);

static void BM_LandingMap(benchmark::State& state) {
  const auto& t = bench::bigLotto().table;
  for (auto _ : state) {
    auto cells = tovrin::locate76(t, 49, t.count, 3, true);
    benchmark::DoNotOptimize(cells);
  }
}
BENCHMARK(BM_LandingMap)->Unit(benchmark::kMicrosecond);
