#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "core/views/ball_map.h"
#include "core/views/rule_maps.h"
#include "core/views/strange.h"

namespace {

// A pattern of `marks` picks on the newest draws of the Mark Six history: the
// p-th ball of each of the last `marks` draws, as a user would pick them.
tovrin::RuleQuery newestPattern(int marks, bool fixed = false) {
  const auto& t = bench::markSix().table;
  tovrin::RuleQuery q;
  q.marks = marks;
  for (int j = 0; j < marks; ++j) {
    const int row = t.count - marks + 1 + j;
    q.rows[j] = row;
    q.balls[j] = tovrin::ballValue(t.drawn[row - 1][j]);
  }
  q.fixed = fixed;
  return q;
}

void runSearch(benchmark::State& state, const tovrin::RuleQuery& q, bool literal) {
  const auto& h = bench::markSix();
  std::size_t found = 0;
  for (auto _ : state) {
    auto r = literal ? tovrin::searchRule_Literal(h.table, h.settings.maxBall, q)
                     : tovrin::searchRule(h.table, h.settings.maxBall, q);
    found = r.results.size();
    benchmark::DoNotOptimize(r);
  }
  state.counters["results"] = static_cast<double>(found);
  state.SetItemsProcessed(state.iterations() * h.table.count);
}

}  // namespace

// One search with its marks over 3,000 Mark Six draws; items are draws scanned.
static void BM_Rule2A(benchmark::State& state) { runSearch(state, newestPattern(2), false); }
BENCHMARK(BM_Rule2A)->Unit(benchmark::kMicrosecond);
static void BM_Rule2A_Literal(benchmark::State& state) { runSearch(state, newestPattern(2), true); }
BENCHMARK(BM_Rule2A_Literal)->Unit(benchmark::kMicrosecond);
static void BM_Rule2AFixed(benchmark::State& state) { runSearch(state, newestPattern(2, true), false); }
BENCHMARK(BM_Rule2AFixed)->Unit(benchmark::kMicrosecond);
static void BM_Rule3A(benchmark::State& state) { runSearch(state, newestPattern(3), false); }
BENCHMARK(BM_Rule3A)->Unit(benchmark::kMicrosecond);
static void BM_Rule3A_Literal(benchmark::State& state) { runSearch(state, newestPattern(3), true); }
BENCHMARK(BM_Rule3A_Literal)->Unit(benchmark::kMicrosecond);
static void BM_Rule4A(benchmark::State& state) { runSearch(state, newestPattern(4), false); }
BENCHMARK(BM_Rule4A)->Unit(benchmark::kMicrosecond);
static void BM_Rule4A_Literal(benchmark::State& state) { runSearch(state, newestPattern(4), true); }
BENCHMARK(BM_Rule4A_Literal)->Unit(benchmark::kMicrosecond);

// Every strange-draw criterion ticked over 3,000 Mark Six draws.
static void BM_StrangeAllTicked(benchmark::State& state) {
  const auto& t = bench::markSix().table;
  tovrin::StrangeTicks all;
  all.fill(true);
  for (auto _ : state) {
    auto m = tovrin::strangeMatches(t, all);
    benchmark::DoNotOptimize(m);
  }
  state.SetItemsProcessed(state.iterations() * t.count);
}
BENCHMARK(BM_StrangeAllTicked)->Unit(benchmark::kMicrosecond);

static void BM_StrangeAllTicked_Literal(benchmark::State& state) {
  const auto& t = bench::markSix().table;
  tovrin::StrangeTicks all;
  all.fill(true);
  for (auto _ : state) {
    auto m = tovrin::strangeMatches_Literal(t, all);
    benchmark::DoNotOptimize(m);
  }
  state.SetItemsProcessed(state.iterations() * t.count);
}
BENCHMARK(BM_StrangeAllTicked_Literal)->Unit(benchmark::kMicrosecond);
