#include "core/views/statistics_view.h"

#include <algorithm>
#include <charconv>

#include "core/util/format.h"

namespace tovrin::views {
namespace {

// The ball of a column, or 0 when its text is not a whole number or lies
// outside 1..maxBall (such a column is not counted).
int ballOf(const std::string& text, int maxBall) {
  int v = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  auto [p, ec] = std::from_chars(first, last, v);
  if (text.empty() || ec != std::errc() || p != last) return 0;
  return v >= 1 && v <= maxBall ? v : 0;
}

// Calls f(ball) for every counted column of every draw from `from` to `to`
// (whole days, both included), draw by draw oldest first; `perDraw` runs
// once per counted draw before its columns.
template <class PerDraw, class PerBall>
void forEachCounted(const DrawTable& t, Date from, Date to, const Period& p, PerDraw perDraw, PerBall perBall) {
  const int columns = p.withSpecial ? 7 : 6;
  for (int k = 0; k < t.count; ++k) {
    if (t.dates[k] < from || to < t.dates[k]) continue;
    perDraw();
    for (int c = 0; c < columns; ++c)
      if (int v = ballOf(t.drawn[k][c], p.maxBall)) perBall(v);
  }
}

std::string averageText(double v) { return "平均值為 " + formatNumber("###0.00", v); }

int columnsCounted(const Period& p) { return p.withSpecial ? 7 : 6; }

BallBoard startBoard(int maxBall) {
  BallBoard b;
  b.valueOfBall.assign(maxBall, 0);
  b.labels.assign(maxBall, "");
  b.red.assign(maxBall, false);
  b.ranking.resize(maxBall);
  b.rankScore.assign(maxBall, 0);
  for (int i = 0; i < maxBall; ++i) b.ranking[i] = i + 1;
  return b;
}

// Labels come from the scores in ball order, before any ranking.
void fillLabels(BallBoard& b) {
  for (size_t i = 0; i < b.rankScore.size(); ++i) {
    b.valueOfBall[i] = b.rankScore[i] / 100;
    b.labels[i] = formatNumber("##0", b.valueOfBall[i]);
    b.red[i] = b.absence && b.rankScore[i] == 0;
  }
}

// Descending exchange sort that swaps only on a strictly smaller score. It is
// not stable, and the absence ranking's order of equal entries depends on
// exactly this procedure, so it stays as it is.
void exchangeSort(BallBoard& b) {
  const int n = static_cast<int>(b.ranking.size());
  for (int i = 0; i < n - 1; ++i)
    for (int j = i + 1; j < n; ++j)
      if (b.rankScore[i] < b.rankScore[j]) {
        std::swap(b.rankScore[i], b.rankScore[j]);
        std::swap(b.ranking[i], b.ranking[j]);
      }
}

BallBoard frequency(const DrawTable& table, const Period& p, bool ranked) {
  BallBoard b = startBoard(p.maxBall);
  for (int i = 0; i < p.maxBall; ++i) b.rankScore[i] = i + 1;
  forEachCounted(
      table, p.start, p.end, p, [&] { ++b.count; }, [&](int v) { b.rankScore[v - 1] += 100; });
  fillLabels(b);
  if (ranked) exchangeSort(b);
  b.average = averageText(p.maxBall > 0 ? double(b.count) * columnsCounted(p) / p.maxBall : 0.0);
  return b;
}

}  // namespace

BallBoard F1_btn123(const DrawTable& table, const Period& period) { return frequency(table, period, true); }

BallBoard F1_btn321(const DrawTable& table, const Period& period) { return frequency(table, period, false); }

BallBoard F3_btn123(const DrawTable& table, const Period& period) {
  BallBoard b = startBoard(period.maxBall);
  b.absence = true;
  std::vector<int> last(period.maxBall, 0);
  int n = 0;
  forEachCounted(
      table, kAbsenceStart, period.end, period, [&] { ++n; }, [&](int v) { last[v - 1] = n; });
  b.count = n;
  long long sum = 0;
  for (int i = 0; i < period.maxBall; ++i) {
    b.rankScore[i] = (n - last[i]) * 100;
    sum += b.rankScore[i];
  }
  fillLabels(b);
  exchangeSort(b);
  b.average = averageText(period.maxBall > 0 ? double(sum) / period.maxBall / 100.0 : 0.0);
  return b;
}

TailCount tailCount(const DrawTable& table, const Period& period) {
  TailCount t;
  forEachCounted(
      table, period.start, period.end, period, [&] { ++t.count; }, [&](int v) { ++t.counters[v % 10]; });
  for (int d = 0; d < 10; ++d) t.labels[d] = formatNumber("###", t.counters[d]);
  t.average = averageText(double(t.count) * columnsCounted(period) / 10.0);
  return t;
}

std::vector<std::string> printLines(const BallBoard& board) {
  std::vector<std::string> out;
  out.reserve(board.ranking.size());
  for (size_t s = 0; s < board.ranking.size(); ++s)
    out.push_back(format00(board.ranking[s]) + "-" + format00(board.rankScore[s] / 100));
  return out;
}

Point slotPicture(int s) { return {32 + 40 * ((s - 1) % 10), 16 + 56 * ((s - 1) / 10)}; }

Point slotLabel(int s) {
  const Point p = slotPicture(s);
  return {p.x - 8, p.y + 32};
}

ChartTable chartTable(bool bigLotto, const DrawTable& table, const BallBoard& board, int maxBall) {
  ChartTable c;
  const bool abs = board.absence;
  c.footText = std::string(bigLotto ? "大樂透" : "六合彩") + (abs ? "遠星統計" : "號碼統計");
  const int set = (bigLotto ? 1 : 3) + (abs ? 1 : 0);
  const std::string n = std::to_string(set);
  c.pictures = {"small" + n + ".gif", "index" + n + "A.gif", "index" + n + "B.gif"};
  c.radioButton = bigLotto ? 2 : 4;
  // An empty history has no first or last draw to name.
  if (table.count > 0) {
    const std::string span = table.numbers[0] + (bigLotto ? "-" : "至") + table.numbers[table.count - 1];
    c.title2 = span + (abs ? " 期遠星號碼 (前段)" : " 期號碼統計 (前段)");
    c.title3 = span + (abs ? " 期遠星統計 (後段)" : " 期號碼統計 (後段)");
  }
  const int slots = std::min<int>(maxBall, static_cast<int>(board.ranking.size()));
  auto point = [&](int s) { return ChartPoint{format00(board.ranking[s - 1]), board.rankScore[s - 1] / 100}; };
  for (int s = 1; s <= std::min(6, slots); ++s) c.top.push_back(point(s));
  for (int s = 1; s <= slots / 2; ++s) c.firstHalf.push_back(point(s));
  for (int s = slots; s >= slots / 2 + 1; --s) c.secondHalf.push_back(point(s));
  return c;
}

}  // namespace tovrin::views
