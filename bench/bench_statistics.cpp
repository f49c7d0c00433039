#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "core/pillars/period.h"
#include "core/pillars/statistics.h"

namespace {

const tovrin::Date kFrom{2009, 1, 1};
const tovrin::Date kTo{2026, 12, 10};

// A fixed choice of 25 balls spread over the whole range: the odd balls.
const std::vector<std::string>& goldenSelection() {
  static const std::vector<std::string> balls = [] {
    std::vector<std::string> v;
    for (int b = 1; b <= 49; b += 2) v.push_back(tovrin::format00(b));
    return v;
  }();
  return balls;
}

const std::vector<std::string>& defaultQuads() {
  static const std::vector<std::string> quads = tovrin::Count_Sumno(bench::defaultPeriodLines()).quads;
  return quads;
}

}  // namespace

// Ball tally and the three combination lists of the default period, as after
// every number source query.
static void BM_CountSumno(benchmark::State& state) {
  const auto& lines = bench::defaultPeriodLines();
  for (auto _ : state) {
    auto s = tovrin::Count_Sumno(lines);
    benchmark::DoNotOptimize(s);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}
BENCHMARK(BM_CountSumno)->Unit(benchmark::kMillisecond);

// The whole golden seven search: 480,700 groups over the default date range.
static void BM_GoldenSeven(benchmark::State& state) {
  const auto& t = bench::bigLotto().table;
  for (auto _ : state) {
    tovrin::GoldenSeven g;
    g.init(t, kFrom, kTo, goldenSelection());
    while (g.step(1000)) {
    }
    auto r = g.result();
    benchmark::DoNotOptimize(r);
  }
  state.SetItemsProcessed(state.iterations() * tovrin::kGoldenGroups);
}
BENCHMARK(BM_GoldenSeven)->Unit(benchmark::kMillisecond);

// The literal search on the first 2,000 groups only; items are groups scored.
static void BM_GoldenSeven_Literal(benchmark::State& state) {
  constexpr int kGroups = 2000;
  const auto& t = bench::bigLotto().table;
  for (auto _ : state) {
    auto r = tovrin::goldenSevenLiteral(t, kFrom, kTo, goldenSelection(), kGroups);
    benchmark::DoNotOptimize(r);
  }
  state.SetItemsProcessed(state.iterations() * kGroups);
}
BENCHMARK(BM_GoldenSeven_Literal)->Unit(benchmark::kMillisecond);

// The hot four-ball ranking of the default period: counting, ranking and the
// memo lines; items are the four-ball combinations scored.
static void BM_HotQuads(benchmark::State& state) {
  const auto& lines = bench::defaultPeriodLines();
  const auto& quads = defaultQuads();
  for (auto _ : state) {
    const tovrin::PeriodMasks masks(lines);
    auto memo = tovrin::hotMemoLines(tovrin::rankHotCombos(quads, 4, masks), 4);
    benchmark::DoNotOptimize(memo);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(quads.size()));
}
BENCHMARK(BM_HotQuads)->Unit(benchmark::kMillisecond);

static void BM_HotQuads_Literal(benchmark::State& state) {
  const auto& lines = bench::defaultPeriodLines();
  const auto& quads = defaultQuads();
  for (auto _ : state) {
    auto memo = tovrin::hotMemoLines(tovrin::rankHotCombosLiteral(quads, lines), 4);
    benchmark::DoNotOptimize(memo);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(quads.size()));
}
BENCHMARK(BM_HotQuads_Literal)->Unit(benchmark::kMillisecond);
