#include "core/views/rule_maps.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/util/date.h"
#include "core/views/ball_map.h"

namespace tovrin {

const char* pickDigit(int digit) {
  static const char* const kDigits[] = {"", "１", "２", "３", "４"};
  return digit >= 1 && digit <= 4 ? kDigits[digit] : "";
}

PatternPicker::PatternPicker(int marks) : marks_(std::clamp(marks, 2, 4)) { reset(); }

void PatternPicker::reset() {
  picks_ = {};
  for (int j = 0; j < 4; ++j) {
    // The 2A label has no blank between 下 and ?, the others have one.
    label_[j] = marks_ == 2 ? "下? 期開" : "下 ? 期開";
    cb_[j] = "01";
  }
  if (marks_ == 2) cb_[1] = "02";
  active_ = 1;
}

bool PatternPicker::complete() const {
  for (int j = 0; j < marks_; ++j)
    if (picks_[j].row <= 0) return false;
  return true;
}

void PatternPicker::writeTexts(int j) {
  cb_[j - 1] = format00(picks_[j - 1].ball);
  if (j >= 2) label_[j - 1] = "下" + std::to_string(picks_[j - 1].row - picks_[0].row) + "期開";
}

void PatternPicker::writeAllTexts() {
  for (int j = 1; j <= marks_; ++j) writeTexts(j);
}

int PatternPicker::select(int col, int row) {
  if (col <= 1 || row <= 0 || active_ < 1 || active_ > marks_) return 0;
  const int j = active_;
  picks_[j - 1] = {col - 1, row};
  writeTexts(j);
  active_ = j < marks_ ? j + 1 : 0;
  if (marks_ == 2) {
    // Whichever pick was set last, the first pick is kept the earlier draw,
    // so the distance between them is never negative.
    if (complete()) {
      if (picks_[1].row < picks_[0].row) std::swap(picks_[0], picks_[1]);
      writeAllTexts();
    }
  } else if (complete()) {
    // Pick 1 is the earliest draw, ties by the smaller ball; the labels give
    // distances from it. The digits already in the map stay as placed.
    for (int a = 0; a < marks_ - 1; ++a)
      for (int b = a + 1; b < marks_; ++b) {
        const int ka = picks_[a].row * 1000 + picks_[a].ball;
        const int kb = picks_[b].row * 1000 + picks_[b].ball;
        if (kb < ka) std::swap(picks_[a], picks_[b]);
      }
    writeAllTexts();
  }
  return j;
}

RuleQuery PatternPicker::query(int offset, bool fixed) const {
  RuleQuery q;
  q.marks = marks_;
  for (int j = 0; j < marks_; ++j) {
    q.balls[j] = picks_[j].ball;
    q.rows[j] = picks_[j].row;
  }
  q.offset = offset;
  q.fixed = fixed;
  return q;
}

namespace {

// The shape of a query: distances in draws and ball differences from pick 1.
struct Shape {
  bool ok = false;
  std::array<int, 4> d{}, diff{};
  int dLast = 0, dMax = 0;
};

Shape shapeOf(const RuleQuery& q) {
  Shape s;
  if (q.marks < 2 || q.marks > 4) return s;
  for (int j = 0; j < q.marks; ++j)
    if (q.rows[j] <= 0) return s;
  for (int j = 0; j < q.marks; ++j) {
    s.d[j] = q.rows[j] - q.rows[0];
    s.diff[j] = q.balls[j] - q.balls[0];
    // A later pick in an earlier draw would send the scan out of the table.
    if (s.d[j] < 0) return s;
    s.dMax = std::max(s.dMax, s.d[j]);
  }
  s.dLast = s.d[q.marks - 1];
  s.ok = true;
  return s;
}

// Bits h of m moved to bit h - diff: the balls v that have v + diff in m.
std::uint64_t shiftBack(std::uint64_t m, int diff) {
  if (diff >= 64 || diff <= -64) return 0;
  return diff >= 0 ? m >> diff : m << -diff;
}

bool inTable(long long R, int n) { return R >= 1 && R <= n; }

}  // namespace

RuleSearchResult searchRule(const DrawTable& t, int maxBall, const RuleQuery& q) {
  RuleSearchResult res;
  const Shape s = shapeOf(q);
  if (!s.ok) return res;
  res.ran = true;
  const int n = t.count;
  if (n - s.dMax < 1) return res;

  std::vector<std::array<int, 7>> balls(n + 1);
  std::vector<std::uint64_t> mask(n + 1, 0);
  for (int r = 1; r <= n; ++r) {
    balls[r] = drawnBalls(t, r, maxBall);
    for (int v : balls[r])
      if (v) mask[r] |= std::uint64_t{1} << v;
  }
  std::uint64_t first = ~std::uint64_t{0};
  if (q.fixed) first = q.balls[0] >= 1 && q.balls[0] < 64 ? std::uint64_t{1} << q.balls[0] : 0;

  // Final digit of every cell (row * 64 + ball); a later write wins, as the
  // marks are written draw after draw.
  std::vector<std::uint8_t> digit(static_cast<std::size_t>(n + 1) * 64, 0);
  std::vector<std::uint8_t> touched(n + 1, 0);
  res.results.reserve(n);
  for (int i = 1; i <= n - s.dMax; ++i) {
    const long long R = static_cast<long long>(i) + s.dLast + q.offset;
    if (!inTable(R, n)) continue;
    std::uint64_t m = mask[i] & first;
    for (int j = 1; j < q.marks && m; ++j) m &= shiftBack(mask[i + s.d[j]], s.diff[j]);
    if (!m) continue;
    res.results.push_back(static_cast<int>(R));
    for (int v : balls[i]) {
      if (!v || !((m >> v) & 1)) continue;
      for (int j = 0; j < q.marks; ++j) {
        const int row = i + s.d[j];
        digit[static_cast<std::size_t>(row) * 64 + v + s.diff[j]] = static_cast<std::uint8_t>(j + 1);
        touched[row] = 1;
      }
    }
  }
  for (int r = 1; r <= n; ++r) {
    if (!touched[r]) continue;
    for (int b = 1; b < 64; ++b)
      if (const int dg = digit[static_cast<std::size_t>(r) * 64 + b]) res.marks.push_back({r, b, dg});
  }
  return res;
}

RuleSearchResult searchRule_Literal(const DrawTable& t, int maxBall, const RuleQuery& q) {
  RuleSearchResult res;
  const Shape s = shapeOf(q);
  if (!s.ok) return res;
  res.ran = true;
  const int n = t.count;
  std::map<std::pair<int, int>, int> cells;
  auto ball = [&](int row, int pos) {
    const int v = ballValue(t.drawn[row - 1][pos]);
    return v >= 1 && v <= maxBall ? v : 0;
  };
  const int X = q.balls[0];
  for (int i = 1; i <= n - s.dMax; ++i) {
    const long long R = static_cast<long long>(i) + s.dLast + q.offset;
    if (!inTable(R, n)) continue;
    bool match = false;
    for (int a = 0; a < 7; ++a) {
      const int v = ball(i, a);
      if (!v) continue;
      if (q.marks == 2) {
        for (int b = 0; b < 7; ++b) {
          const int h = ball(i + s.d[1], b);
          if (h && h - v == s.diff[1] && (!q.fixed || v == X)) {
            cells[{i, v}] = 1;
            cells[{i + s.d[1], h}] = 2;
            match = true;
          }
        }
        continue;
      }
      for (int b = 0; b < 7; ++b) {
        const int h2 = ball(i + s.d[1], b);
        if (!h2 || h2 - v != s.diff[1] || (q.fixed && v != X)) continue;
        for (int c = 0; c < 7; ++c) {
          const int h3 = ball(i + s.d[2], c);
          if (!h3 || h3 - v != s.diff[2]) continue;
          if (q.marks == 3) {
            cells[{i, v}] = 1;
            cells[{i + s.d[1], h2}] = 2;
            cells[{i + s.d[2], h3}] = 3;
            match = true;
            break;
          }
          for (int e = 0; e < 7; ++e) {
            const int h4 = ball(i + s.d[3], e);
            if (!h4 || h4 - v != s.diff[3]) continue;
            cells[{i, v}] = 1;
            cells[{i + s.d[1], h2}] = 2;
            cells[{i + s.d[2], h3}] = 3;
            cells[{i + s.d[3], h4}] = 4;
            match = true;
            break;
          }
        }
      }
    }
    if (match) res.results.push_back(static_cast<int>(R));
  }
  for (const auto& [cell, dg] : cells) res.marks.push_back({cell.first, cell.second, dg});
  return res;
}

std::string ruleTotalText(int count) { return "共 " + std::to_string(count) + " 期"; }

}  // namespace tovrin
