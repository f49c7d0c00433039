#include "core/views/occurrence.h"

#include <algorithm>

#include "core/util/format.h"
#include "core/views/draw_ball_masks.h"

namespace tovrin {

OccurrenceGroups sumof(const DrawTable& t, int maxBall, int n, bool withSpecial) {
  OccurrenceGroups g;
  const int c = withSpecial ? 7 : 6;
  g.withColumns = c;
  n = std::clamp(n, 0, t.count);
  g.counts.assign(maxBall, 0);
  for (int r = 0; r < n; ++r)
    for (int i = 0; i < c; ++i) {
      const int b = ballValue(t.drawn[r][i]);
      if (b >= 1 && b <= maxBall) ++g.counts[b - 1];
    }

  // One group per count from 0 to the largest count (a long history gives
  // counts in the hundreds).
  const int top = maxBall > 0 ? *std::max_element(g.counts.begin(), g.counts.end()) : 0;
  std::vector<std::vector<int>> groups(top + 1);
  for (int b = 1; b <= maxBall; ++b) groups[g.counts[b - 1]].push_back(b);
  std::size_t largest = 0;
  for (int k = 1; k <= top; ++k) largest = std::max(largest, groups[k].size());
  const std::size_t columns = 1 + largest;

  std::vector<std::string> head(columns);
  head[0] = "次數";
  for (std::size_t col = 1; col < columns; ++col) head[col] = "  " + std::to_string(col);
  g.sg.push_back(std::move(head));
  for (int k = 0; k <= top; ++k) {
    if (groups[k].empty()) continue;
    std::vector<std::string> row(columns, "  ");
    row[0] = "  " + std::to_string(k);
    for (std::size_t j = 0; j < groups[k].size() && j + 1 < columns; ++j) row[j + 1] = format00(groups[k][j]);
    g.sg.push_back(std::move(row));
  }

  g.lbtitle = "第1期 至 第" + std::to_string(n) + "期次群統計表";
  g.lbavr = "        平均值 " + formatNumber("###.00", static_cast<double>(n) * c / maxBall);
  return g;
}

std::optional<DrawLocation> locateof(const DrawTable& t, int P, OccurrenceGroups& g) {
  if (P < 1 || P > t.count) return std::nullopt;
  const int c = g.withColumns;
  const auto& drawn = t.drawn[P - 1];
  long long sum = 0;
  std::string list;
  for (int i = 0; i < c; ++i) {
    const int b = ballValue(drawn[i]);
    if (b >= 1 && b <= static_cast<int>(g.counts.size())) sum += g.counts[b - 1];
    // The ball's cell, if the grid shows it.
    bool found = false;
    for (std::size_t row = 1; row < g.sg.size() && !found; ++row)
      for (std::size_t col = 1; col < g.sg[row].size() && !found; ++col)
        if (g.sg[row][col] == drawn[i]) {
          auto& cell = g.sg[row][col];
          cell = i < 6 ? cell + "●" : cell.substr(0, 2) + "★";
          found = true;
        }
    list += "  " + t.sorted[P - 1][i];
  }
  DrawLocation loc;
  loc.lb_is_no = "第 " + std::to_string(P) + " 期號碼為 " + list;
  loc.Label3 = "第 " + std::to_string(P) + " 期 ";
  loc.lbavr2 = "次群平均值 " + formatNumber("###.00", static_cast<double>(sum) / c);
  return loc;
}

std::vector<std::string> locate76(const DrawTable& t, int maxBall, int P, long long m, bool perDraw) {
  const bool hasDraw = P >= 1 && P <= t.count;
  const long long k = perDraw && hasDraw ? P : 1;
  // k * m reduced first, so no product overflows.
  const long long base = ((k % maxBall) * (m % maxBall)) % maxBall;
  std::vector<std::string> cells(49);
  std::vector<int> cellOf(64, -1);
  for (int i = 0; i < 49; ++i) {
    long long v = (base + i + 1) % maxBall;
    if (v < 0) v += maxBall;
    const int ball = v == 0 ? maxBall : static_cast<int>(v);
    cells[i] = format00(ball);
    if (ball < 64 && cellOf[ball] < 0) cellOf[ball] = i;
  }
  if (hasDraw)
    for (int i = 0; i < 7; ++i) {
      const int b = ballValue(t.drawn[P - 1][i]);
      if (b < 1 || cellOf[b] < 0) continue;
      auto& cell = cells[cellOf[b]];
      if (cell.size() != 2) continue;  // already marked
      cell = i < 6 ? cell + "●" : cell + "★";
    }
  return cells;
}

}  // namespace tovrin
