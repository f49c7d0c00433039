#pragma once
// In-memory DrawTables for the non-appearing tails and groups tests.
#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "core/history/draw_table.h"
#include "core/util/date.h"

namespace testing_support {

// Draws from the given balls (six in drawn order, then the special ball),
// oldest first: dates one day apart from 2020/01/01, numbers 200001, ….
inline tovrin::DrawTable tableOf(const std::vector<std::array<int, 7>>& draws) {
  tovrin::DrawTable t;
  t.count = static_cast<int>(draws.size());
  for (int i = 0; i < t.count; ++i) {
    t.dates[i] = tovrin::Date::fromSerial(tovrin::Date{2020, 1, 1}.serial() + i);
    t.numbers[i] = std::to_string(200001 + i);
    for (int c = 0; c < 7; ++c) t.drawn[i][c] = tovrin::format00(draws[i][c]);
    t.sorted[i] = t.drawn[i];
    std::sort(t.sorted[i].begin(), t.sorted[i].begin() + 6);
    t.chosen[i] = t.drawn[i];
  }
  return t;
}

// `n` random draws of seven distinct balls from `pool`.
inline tovrin::DrawTable randomTable(std::mt19937& rng, int n, std::vector<int> pool) {
  std::vector<std::array<int, 7>> draws;
  for (int i = 0; i < n; ++i) {
    std::shuffle(pool.begin(), pool.end(), rng);
    std::array<int, 7> d{};
    std::copy(pool.begin(), pool.begin() + 7, d.begin());
    draws.push_back(d);
  }
  return tableOf(draws);
}

inline std::vector<int> allBalls() {
  std::vector<int> v;
  for (int b = 1; b <= 49; ++b) v.push_back(b);
  return v;
}

}  // namespace testing_support
