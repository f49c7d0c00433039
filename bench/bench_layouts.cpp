#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "core/pillars/layouts.h"

// Layout analyses over the real Big Lotto history's default period (1,900-odd
// draws), each against its literal twin that checks every layout draw by draw.
// Items are layouts scored.

namespace {

std::vector<std::string> spread(std::initializer_list<int> v) {
  std::vector<std::string> out;
  for (int b : v) out.push_back(tovrin::format00(b));
  return out;
}

const std::vector<std::string> kTen = spread({3, 8, 13, 18, 23, 28, 33, 38, 43, 48});
const std::vector<std::string> kTwelve = spread({2, 6, 10, 14, 18, 22, 26, 30, 34, 38, 42, 46});
const std::vector<std::string> kFifteen = spread({2, 5, 9, 12, 15, 19, 22, 25, 29, 32, 35, 39, 42, 45, 48});

void layout2x2x3x3(benchmark::State& state, tovrin::Scoring scoring) {
  const auto& lines = bench::defaultPeriodLines();
  for (auto _ : state) {
    auto a = tovrin::analyzeLayouts(tovrin::LayoutShape::P2x2x3x3, kTen, lines, "", tovrin::RankPriority::FourFirst,
                                    scoring);
    benchmark::DoNotOptimize(a);
  }
  state.SetItemsProcessed(state.iterations() * 2520);
}

// Runs `steps` sub-selections (all when negative) and writes the report.
void exhaustive(benchmark::State& state, tovrin::SubSelectionKind kind, const std::vector<std::string>& selected,
                tovrin::Scoring scoring, int steps, int layoutsEach) {
  const auto& lines = bench::defaultPeriodLines();
  int done = 0;
  for (auto _ : state) {
    tovrin::SubSelectionRun run(kind, selected, lines, "", tovrin::RankPriority::FourFirst, scoring);
    while ((steps < 0 || run.done() < steps) && run.step()) {
    }
    auto report = run.report("2026/01/01 00:00:00", "2026/01/01 00:00:01");
    benchmark::DoNotOptimize(report);
    done = run.done();
  }
  state.SetItemsProcessed(state.iterations() * done * layoutsEach);
}

}  // namespace

static void BM_Layout2x2x3x3(benchmark::State& state) { layout2x2x3x3(state, tovrin::Scoring::Fast); }
BENCHMARK(BM_Layout2x2x3x3)->Unit(benchmark::kMillisecond);

static void BM_Layout2x2x3x3_Literal(benchmark::State& state) { layout2x2x3x3(state, tovrin::Scoring::Literal); }
BENCHMARK(BM_Layout2x2x3x3_Literal)->Unit(benchmark::kMillisecond)->Iterations(2);

static void BM_Choose12of8(benchmark::State& state) {
  exhaustive(state, tovrin::SubSelectionKind::Choose12of8, kTwelve, tovrin::Scoring::Fast, -1, 105);
}
BENCHMARK(BM_Choose12of8)->Unit(benchmark::kMillisecond);

static void BM_Choose12of8_Literal(benchmark::State& state) {
  exhaustive(state, tovrin::SubSelectionKind::Choose12of8, kTwelve, tovrin::Scoring::Literal, -1, 105);
}
BENCHMARK(BM_Choose12of8_Literal)->Unit(benchmark::kMillisecond)->Iterations(1);

static void BM_Choose15of10(benchmark::State& state) {
  exhaustive(state, tovrin::SubSelectionKind::Choose15of10, kFifteen, tovrin::Scoring::Fast, -1, 2520);
}
BENCHMARK(BM_Choose15of10)->Unit(benchmark::kMillisecond);

// The literal run scores only the first two of the 3,003 sub-selections.
static void BM_Choose15of10_Literal(benchmark::State& state) {
  exhaustive(state, tovrin::SubSelectionKind::Choose15of10, kFifteen, tovrin::Scoring::Literal, 2, 2520);
}
BENCHMARK(BM_Choose15of10_Literal)->Unit(benchmark::kMillisecond)->Iterations(1);
