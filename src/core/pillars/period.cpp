#include "core/pillars/period.h"

#include <algorithm>
#include <cstdio>

namespace tovrin {

std::string periodLine(const DrawTable& t, int row, int running, BallOrder order) {
  char num[16];
  std::snprintf(num, sizeof num, "%04d", running);
  const int k = row - 1;
  const auto& c = order == BallOrder::Chosen ? t.chosen[k] : t.sorted[k];
  std::string s = num;
  s += ',' + t.dates[k].text() + ',' + t.numbers[k];
  for (int i = 0; i < 7; ++i) s += ',' + c[i];
  return s;
}

std::string QueryResult::countText() const { return "  " + std::to_string(lines.size()); }

QueryResult dateRangeQuery(const DrawTable& t, Date d1, Date d2) {
  QueryResult r;
  for (int d = 1; d <= t.count; ++d)
    if (d1 <= t.dates[d - 1] && t.dates[d - 1] <= d2)
      r.lines.push_back(periodLine(t, d, static_cast<int>(r.lines.size()) + 1));
  r.caption = "驗證期間：" + d1.text() + " 至 " + d2.text() + " 共 " + r.countText() + " 期";
  return r;
}

namespace {

// Lists rows[start-1 .. end) and moves the start picker to the first listed draw.
void listRows(const DrawTable& t, const std::vector<int>& rows, int n, QueryResult& r) {
  const int m = static_cast<int>(rows.size());
  const int start = std::max(m - n + 1, 1);
  if (start <= m) r.newStart = t.dates[rows[start - 1] - 1];
  for (int i = start; i <= m; ++i) r.lines.push_back(periodLine(t, rows[i - 1], i - start + 1));
}

}  // namespace

QueryResult recentQuery(const DrawTable& t, int n) {
  QueryResult r;
  r.caption = "最近 " + std::to_string(n) + " 期驗證";
  std::vector<int> rows(t.count);
  for (int d = 1; d <= t.count; ++d) rows[d - 1] = d;
  listRows(t, rows, n, r);
  return r;
}

QueryResult periodicQuery(const DrawTable& t, int k, int n) {
  QueryResult r;
  r.caption = "每 " + std::to_string(k) + " 期一次，取最近 " + std::to_string(n) + " 期驗證";
  std::vector<int> rows;
  if (k >= 1) {
    const int rest = t.count % k;
    for (int d = 1; d <= t.count; ++d)
      if ((d - rest) % k == 0) rows.push_back(d);
  }
  listRows(t, rows, n, r);
  return r;
}

QueryResult dragQuery(const DrawTable& t, const DragParams& p) {
  QueryResult r;
  const auto& cols = p.drawnOrder ? t.chosen : t.sorted;
  const int i = std::clamp(p.position, 1, 7);
  std::vector<int> matches;
  // Only rows whose follower lies inside the table can be listed.
  for (int d = std::max(1, 1 - p.later); d <= t.count - p.later + 1 && d <= t.count; ++d) {
    const auto& c = cols[d - 1];
    bool hit = p.fixed ? c[i - 1] == p.ball : std::find(c.begin(), c.end(), p.ball) != c.end();
    if (hit) matches.push_back(d);
  }
  const BallOrder order = p.drawnOrder ? BallOrder::Chosen : BallOrder::Sorted;
  // The newest match has no follower yet to show, so it is not listed.
  for (std::size_t m = 0; m + 1 < matches.size(); ++m) {
    const int row = matches[m] + p.later;
    if (row < 1 || row > t.count) continue;
    r.lines.push_back(periodLine(t, row, static_cast<int>(r.lines.size()) + 1, order));
  }
  const std::string word = p.drawnOrder ? "《落球》" : "《順球》";
  const std::string count = std::to_string(r.lines.size());
  if (p.fixed)
    r.caption = word + "當第 " + std::to_string(i) + " 支開" + p.ball + "之下" + std::to_string(p.later) +
                "期統計驗證 (共 " + count + " 期)";
  else
    r.caption = word + "當" + p.ball + "不定點開出 之下" + std::to_string(p.later) + "期統計驗證 (共 " + count + " 期)";
  return r;
}

int findDrawRow(const DrawTable& t, const std::string& dateText) {
  for (int d = t.count; d >= 1; --d)
    if (t.dates[d - 1].text() == dateText) return d;
  return 0;
}

std::optional<ReferenceDraw> referenceDraw(const DrawTable& t, const std::string& dateText, int position,
                                           bool drawnOrder) {
  const int r = findDrawRow(t, dateText);
  if (r == 0 || position < 1 || position > 7) return std::nullopt;
  const auto& c = drawnOrder ? t.chosen[r - 1] : t.sorted[r - 1];
  return ReferenceDraw{c[position - 1], t.count - r + 1};
}

std::vector<std::string> latestDates(const DrawTable& t, int n) {
  std::vector<std::string> out;
  for (int d = t.count; d >= 1 && static_cast<int>(out.size()) < n; --d) out.push_back(t.dates[d - 1].text());
  return out;
}

std::string_view periodBallText(std::string_view line, int i) {
  const std::size_t off = kPeriodBallOffset[i];
  if (off >= line.size()) return {};
  return line.substr(off, 2);
}

uint64_t ballBit(std::string_view two) {
  if (two.size() != 2 || two[0] < '0' || two[0] > '9' || two[1] < '0' || two[1] > '9') return 0;
  const int v = (two[0] - '0') * 10 + (two[1] - '0');
  return v < 64 ? uint64_t{1} << v : 0;
}

uint64_t periodLineMask(std::string_view line) {
  uint64_t m = 0;
  for (int i = 0; i < 6; ++i) m |= ballBit(periodBallText(line, i));
  return m;
}

uint64_t comboMask(std::string_view balls) {
  uint64_t m = 0;
  for (std::size_t i = 0; i + 1 < balls.size(); i += 2) {
    uint64_t b = ballBit(balls.substr(i, 2));
    if (b == 0) return 0;  // a text that is no ball is in no line
    m |= b;
  }
  return m;
}

PeriodMasks::PeriodMasks(const std::vector<std::string>& lines) {
  masks_.reserve(lines.size());
  for (const auto& l : lines) masks_.push_back(periodLineMask(l));
}

int PeriodMasks::chkBingo(std::string_view comboText) const {
  const uint64_t m = comboMask(comboText);
  if (m == 0) return comboText.size() < 2 ? size() : 0;
  return countContaining(m);
}

int PeriodMasks::countContaining(uint64_t m) const {
  int n = 0;
  for (uint64_t x : masks_) n += (x & m) == m;
  return n;
}

}  // namespace tovrin
