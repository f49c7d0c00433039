#pragma once
// Small and random DrawTables for the view tests.
#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "core/history/draw_table.h"
#include "core/util/date.h"

namespace testing_support {

// Seven balls in drawn order, the special ball last; draw r (1-based) gets
// date 2020/01/01 + r - 1 and number 100000 + r.
inline tovrin::DrawTable viewTable(const std::vector<std::array<int, 7>>& draws) {
  tovrin::DrawTable t;
  t.count = static_cast<int>(draws.size());
  for (int r = 0; r < t.count; ++r) {
    t.dates[r] = tovrin::Date::fromSerial(tovrin::Date{2020, 1, 1}.serial() + r);
    t.numbers[r] = std::to_string(100001 + r);
    for (int i = 0; i < 7; ++i) t.drawn[r][i] = tovrin::format00(draws[r][i]);
    t.sorted[r] = t.drawn[r];
    std::sort(t.sorted[r].begin(), t.sorted[r].begin() + 6);
    t.chosen[r] = t.drawn[r];
  }
  return t;
}

// `count` draws of seven distinct random balls 1..49.
inline tovrin::DrawTable randomTable(std::mt19937& rng, int count) {
  std::vector<std::array<int, 7>> draws(count);
  std::array<int, 49> all;
  std::iota(all.begin(), all.end(), 1);
  for (auto& d : draws) {
    std::shuffle(all.begin(), all.end(), rng);
    std::copy_n(all.begin(), 7, d.begin());
  }
  return viewTable(draws);
}

}  // namespace testing_support
