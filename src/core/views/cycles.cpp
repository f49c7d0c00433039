#include "core/views/cycles.h"

#include <algorithm>
#include <charconv>

#include "core/util/format.h"
#include "core/views/draw_ball_masks.h"

namespace tovrin {

namespace {

int tailOf(const std::string& ball) { return ball.size() >= 2 && ball[1] >= '0' && ball[1] <= '9' ? ball[1] - '0' : -1; }

std::string averageText(int n, int c, int divisor) {
  return "平均值  " + formatNumber("##0.00", static_cast<double>(n) * c / divisor);
}

// "##": the count, or nothing for 0.
void appendCount(std::string& out, int v) {
  if (v == 0) return;
  char buf[12];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}

}  // namespace

CycleTable show_map(const DrawTable& t, int maxBall, int n, bool withSpecial, CycleKind kind) {
  CycleTable out;
  out.kind = kind;
  out.values = kind == CycleKind::Balls ? maxBall : 10;
  n = std::max(n, 1);
  const int c = withSpecial ? 7 : 6;
  out.rowCount = t.count / n + 2;
  const int cycles = (t.count + n - 1) / n;
  out.dates.reserve(cycles);
  out.numbers.reserve(cycles);
  out.counts.assign(static_cast<std::size_t>(cycles) * out.values, 0);

  // Value column of each ball 0..63: the ball itself, or its last digit.
  std::array<int, 64> column{};
  column.fill(-1);
  for (int b = 1; b < 64; ++b)
    if (kind == CycleKind::Tails)
      column[b] = b % 10;
    else if (b <= maxBall)
      column[b] = b - 1;

  const auto balls = drawBalls(t);
  for (int k = 0; k < cycles; ++k) {
    std::uint16_t* row = out.counts.data() + static_cast<std::size_t>(k) * out.values;
    const int first = k * n;
    const int last = std::min(t.count, first + n) - 1;
    for (int s = first; s <= last; ++s)
      for (int i = 0; i < c; ++i) {
        const int col = column[balls[s][i]];
        if (col >= 0) ++row[col];
      }
    out.dates.push_back(t.dates[last]);
    out.numbers.push_back(t.numbers[last]);
  }
  out.largest = out.counts.empty() ? 0 : *std::max_element(out.counts.begin(), out.counts.end());
  out.lbavr = averageText(n, c, out.values);
  out.lbmax = "最大值  " + std::to_string(out.largest);
  return out;
}

std::vector<int> cycleColumnOrder(const CycleTable& table, bool byTail) {
  std::vector<int> order(table.columnCount());
  for (int i = 0; i < table.columnCount(); ++i) order[i] = i;
  if (!byTail || table.kind != CycleKind::Balls) return order;
  int next = 2;
  for (int tail = 0; tail <= 9; ++tail)
    for (int b = 1; b <= table.values; ++b)
      if (b % 10 == tail) order[next++] = b + 1;
  return order;
}

std::string cycleHeading(const CycleTable& table, int column) {
  if (column == 0) return "日     期";
  if (column == 1) return " 期  數";
  if (table.kind == CycleKind::Balls) return format00(column - 1);
  return formatNumber("#0", column - 2) + " 尾";
}

std::string cycleCell(const CycleTable& table, int row, int column) {
  if (column < 0 || column >= table.columnCount()) return {};
  if (row == 0) return cycleHeading(table, column);
  if (row < 1 || row > table.cycles()) return {};
  if (column == 0) return table.dates[row - 1].text();
  if (column == 1) return table.numbers[row - 1];
  std::string s;
  appendCount(s, table.count(row - 1, column - 2));
  return s;
}

std::vector<std::string> cycleExportLines(const CycleTable& table, const std::vector<int>& order) {
  std::vector<std::string> lines;
  lines.reserve(table.rowCount);
  std::string line;
  for (int col : order) line += cycleHeading(table, col) + ",";
  lines.push_back(std::move(line));
  for (int row = 1; row < table.rowCount; ++row) {
    line.clear();
    if (row <= table.cycles()) {
      const std::uint16_t* counts = table.counts.data() + static_cast<std::size_t>(row - 1) * table.values;
      for (int col : order) {
        if (col == 0)
          line += table.dates[row - 1].text();
        else if (col == 1)
          line += table.numbers[row - 1];
        else
          appendCount(line, counts[col - 2]);
        line += ',';
      }
    } else {
      line.assign(order.size(), ',');
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

CycleGrids show_map_Literal(const DrawTable& t, int maxBall, int n, bool withSpecial, CycleKind kind,
                            bool byTail) {
  CycleGrids g;
  const bool balls = kind == CycleKind::Balls;
  const int values = balls ? maxBall : 10;
  const int cols = values + 2;
  const int c = withSpecial ? 7 : 6;
  g.lbavr = "平均值  " + formatNumber("##0.00", static_cast<double>(n) * c / values);

  const int rowCount = t.count / n + 2;
  g.sgmap.assign(rowCount, std::vector<std::string>(cols));
  g.sgmap[0][0] = "日     期";
  g.sgmap[0][1] = " 期  數";
  for (int v = 0; v < values; ++v)
    g.sgmap[0][v + 2] = balls ? format00(v + 1) : formatNumber("#0", v) + " 尾";

  std::vector<int> counter(values, 0);
  int row = 0;
  int largest = 0;
  for (int s = 1; s <= t.count; ++s) {
    for (int i = 0; i < c; ++i) {
      const std::string& ball = t.drawn[s - 1][i];
      if (balls) {
        for (int b = 1; b <= maxBall; ++b)
          if (format00(b) == ball) ++counter[b - 1];
      } else {
        const int tail = tailOf(ball);
        if (tail >= 0) ++counter[tail];
      }
    }
    if (s % n == 0 || s == t.count) {
      ++row;
      g.sgmap[row][0] = t.dates[s - 1].text();
      g.sgmap[row][1] = t.numbers[s - 1];
      for (int v = 0; v < values; ++v) {
        g.sgmap[row][v + 2] = formatNumber("##", counter[v]);
        largest = std::max(largest, counter[v]);
        counter[v] = 0;
      }
    }
  }
  g.lbmax = "最大值  " + std::to_string(largest);

  const std::vector<std::vector<std::string>>* shown = &g.sgmap;
  if (balls) {
    // The copy with the ball columns regrouped by the heading's last digit.
    g.sgmap2.assign(rowCount, std::vector<std::string>(cols));
    auto copyColumn = [&](int from, int to) {
      for (int r = 0; r < rowCount; ++r) g.sgmap2[r][to] = g.sgmap[r][from];
    };
    copyColumn(0, 0);
    copyColumn(1, 1);
    int next = 2;
    for (int tail = 0; tail <= 9; ++tail)
      for (int col = 2; col < cols; ++col)
        if (g.sgmap[0][col][1] == static_cast<char>('0' + tail)) copyColumn(col, next++);
    if (byTail) shown = &g.sgmap2;
  }
  for (const auto& r : *shown) {
    std::string line;
    for (const auto& cell : r) line += cell + ",";
    g.exportLines.push_back(std::move(line));
  }
  return g;
}

}  // namespace tovrin
