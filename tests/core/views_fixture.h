#pragma once
// Draw tables for the view tests: small hand-made ones and the real histories.
#include <algorithm>
#include <string>
#include <vector>

#include "core/history/draw_table.h"
#include "support/temp_dir.h"

namespace testing_support {

// One draw per entry, seven balls "b1,b2,b3,b4,b5,b6,sp" in drawn order;
// dates 2020/01/01 onwards, draw numbers 100001 onwards.
inline tovrin::DrawTable tableOfBalls(const std::vector<std::string>& draws) {
  tovrin::DrawTable t;
  t.count = static_cast<int>(draws.size());
  for (int r = 0; r < t.count; ++r) {
    t.dates[r] = tovrin::Date::fromSerial(tovrin::Date{2020, 1, 1}.serial() + r);
    t.numbers[r] = std::to_string(100001 + r);
    for (int p = 0; p < 7; ++p) t.drawn[r][p] = draws[r].substr(3 * p, 2);
    t.sorted[r] = t.drawn[r];
    std::sort(t.sorted[r].begin(), t.sorted[r].begin() + 6);
    t.chosen[r] = t.drawn[r];
  }
  return t;
}

// The real histories, loaded once.
inline const tovrin::DrawHistory& realHistory(bool bigLotto) {
  auto load = [](bool big) {
    TempDir dir;
    copyData(big ? tovrin::kBigLottoFile : tovrin::kMarkSixFile, dir.path());
    tovrin::DrawHistory h(dir.path());
    h.selectGame(big);
    h.fullReload("2026/12/10");
    return h;
  };
  static const tovrin::DrawHistory big = load(true);
  static const tovrin::DrawHistory six = load(false);
  return bigLotto ? big : six;
}

// The map row (1-based) of the draw with this number, 0 when there is none.
inline int rowOfDraw(const tovrin::DrawTable& t, const std::string& number) {
  for (int r = 1; r <= t.count; ++r)
    if (t.numbers[r - 1] == number) return r;
  return 0;
}

}  // namespace testing_support
