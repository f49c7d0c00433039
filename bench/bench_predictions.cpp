// Non-appearing tails and groups searches on the real Big Lotto history.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench_support.h"
#include "core/views/nogood_groups.h"
#include "core/views/nogood_tails.h"

namespace {

using tovrin::tails::BallOrder;
namespace groups = tovrin::groups;

constexpr int kFormulas = 156250;
constexpr int kRoutes = 2205;

template <class Search>
void tailFormulas(benchmark::State& state, Search search) {
  const auto& t = bench::bigLotto().table;
  const int base = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(search(t, BallOrder::Drawn, base));
  state.SetItemsProcessed(state.iterations() * kFormulas);
}

void BM_TailFormulas(benchmark::State& state) { tailFormulas(state, tovrin::tails::search); }
void BM_TailFormulas_Literal(benchmark::State& state) { tailFormulas(state, tovrin::tails::search_Literal); }
BENCHMARK(BM_TailFormulas)->Arg(1)->Arg(6)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TailFormulas_Literal)->Arg(1)->Arg(6)->Unit(benchmark::kMillisecond);

// Arg 0: the defaults (爆一支, 九期過六期, 8); arg 1: 爆二支, 九期過五期, 14.
groups::Settings routeSettings(int which) { return which == 0 ? groups::Settings{} : groups::Settings{2, 5, 14}; }

template <class Search>
void groupRoutes(benchmark::State& state, Search search) {
  const auto& h = bench::bigLotto();
  const auto base = groups::findBase(h.table, h.table.dates[h.table.count - 1].text());
  const auto set = routeSettings(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(search(h.table, h.settings.maxBall, set, base));
  state.SetItemsProcessed(state.iterations() * kRoutes);
}

void BM_GroupRoutes(benchmark::State& state) { groupRoutes(state, groups::search); }
void BM_GroupRoutes_Literal(benchmark::State& state) { groupRoutes(state, groups::search_Literal); }
BENCHMARK(BM_GroupRoutes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GroupRoutes_Literal)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

size_t lineCount(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }
size_t lineCount(const std::vector<std::string>& lines) { return lines.size(); }

// 爆二支, 九期過五期, 5 numbers: 2,000 routes, every summary written.
template <class ShowAll>
void groupShowAll(benchmark::State& state, ShowAll showAll) {
  const auto& h = bench::bigLotto();
  const auto base = groups::findBase(h.table, h.table.dates[h.table.count - 1].text());
  const auto s = groups::search(h.table, h.settings.maxBall, {2, 5, 5}, base);
  size_t lines = 0;
  for (auto _ : state) {
    const auto out = showAll(h.table, s);
    lines = lineCount(out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(s.routes.size()));
  state.counters["lines"] = static_cast<double>(lines);
}

// The window's path: one text for the memo.
void BM_GroupShowAll(benchmark::State& state) { groupShowAll(state, groups::showAllText); }
void BM_GroupShowAll_Literal(benchmark::State& state) { groupShowAll(state, groups::showAll_Literal); }
BENCHMARK(BM_GroupShowAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupShowAll_Literal)->Unit(benchmark::kMillisecond);

}  // namespace
