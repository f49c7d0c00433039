#pragma once
// Occurrence groups and the 7x7 landing map.
//
// Groups: how often every ball came out in the draws before a chosen draw P,
// the balls grouped by that count, and draw P's balls marked in the groups.
// 7x7 map: the balls laid out on a 7 x 7 board (optionally rotated, per draw
// if asked) with draw P's balls marked.
#include <optional>
#include <string>
#include <vector>

#include "core/history/draw_table.h"

namespace tovrin {

struct OccurrenceGroups {
  int withColumns = 7;          // c: 7 with the special ball, else 6
  std::vector<int> counts;      // per ball 1..maxBall (index b - 1)
  // The grid `sg`: row 0 the headings ("次數", "  1", "  2", …), then one row
  // per non-empty group in ascending order of its count: "  " + count, the
  // group's balls ascending, "  " in the cells after them. Every row has
  // 1 + (largest group among counts >= 1) cells; balls past the last cell
  // are not shown.
  std::vector<std::vector<std::string>> sg;
  std::string lbtitle;  // "第1期 至 第n期次群統計表"
  std::string lbavr;    // "        平均值 " + n * c / maxBall
};

// Groups over draws 1..n (clipped to the table).
OccurrenceGroups sumof(const DrawTable& t, int maxBall, int n, bool withSpecial);

struct DrawLocation {
  std::string lb_is_no;  // "第 P 期號碼為   08  14 …"
  std::string Label3;    // "第 P 期 "
  std::string lbavr2;    // "次群平均值 " + the mean count of the draw's balls
};

// Marks draw P's balls in `g.sg` ("●", the special ball "★") and returns the
// labels; nothing (grid untouched) when P names no draw.
std::optional<DrawLocation> locateof(const DrawTable& t, int P, OccurrenceGroups& g);

// --- 7x7 map ---

// The 49 board cells, row by row (cell i at column i % 7 + 1, row i / 7 + 1
// of the grid): the ball (k * m + i + 1) wrapped into 1..maxBall, "00"
// written, with "●" after draw P's six balls and "★" after its special ball.
// k is P when `perDraw`, else 1 (also when P names no draw, which marks
// nothing). Any m is accepted.
std::vector<std::string> locate76(const DrawTable& t, int maxBall, int P, long long m, bool perDraw);

}  // namespace tovrin
