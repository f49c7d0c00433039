#include "core/views/nogood_tails.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "core/util/format.h"

namespace tovrin::tails {

namespace {

constexpr int kAllTens = 0x3FF;

std::string codeText(int base, int failures, const std::array<int, 6>& c, int k) {
  std::string code;
  code += static_cast<char>('0' + base);
  code += failures == 0 ? "00" : "01";
  for (int v : c) code += static_cast<char>('0' + v);
  code += static_cast<char>('0' + k);
  return code;
}

int progressOf(const std::array<int, 6>& c) { return 25 * c[0] + 5 * c[1] + c[2] + 1; }

// The units digit of a two-digit ball text.
int tailOf(const std::string& ball) { return ball.size() >= 2 ? ball[1] - '0' : 0; }

}  // namespace

const std::vector<DrawTable::Balls>& orderColumn(const DrawTable& t, BallOrder order) {
  return order == BallOrder::Sorted ? t.sorted : t.drawn;
}

const char* orderWord(BallOrder order) { return order == BallOrder::Sorted ? "順" : "落"; }

bool canSearch(const DrawTable& t, int base) {
  return base >= 1 && base <= 6 && t.count >= minimumDraws(base);
}

Search search(const DrawTable& t, BallOrder order, int base) {
  Search s;
  s.base = base;
  s.order = order;
  const auto& balls = orderColumn(t, order);
  const int n = t.count;

  // Per verified draw: the base draw's six tails (B mod 10 is all a formula
  // needs) and, for each formula sum S mod 10, the constants k whose tail
  // (S + k) mod 10 appears among the draw's seven balls.
  std::array<std::array<int, 6>, kVerified> baseTail{};
  std::array<std::array<int, 10>, kVerified> failK{};
  for (int d = 0; d < kVerified; ++d) {
    const int target = n - kVerified + d;
    for (int c = 0; c < 6; ++c) baseTail[d][c] = tailOf(balls[target - base][c]);
    int seen = 0;
    for (int c = 0; c < 7; ++c) seen |= 1 << tailOf(balls[target][c]);
    for (int sum = 0; sum < 10; ++sum) {
      int ks = 0;
      for (int k = 0; k < 10; ++k)
        if (seen & (1 << ((sum + k) % 10))) ks |= 1 << k;
      failK[d][sum] = ks;
    }
  }

  // sums[l][d]: (c1·t1 + … + c_l·t_l) mod 10 for the coefficients chosen so far.
  std::array<std::array<int, kVerified>, 7> sums{};
  std::array<int, 6> c{};
  bool stopped = false;
  auto step = [&](int level) {
    for (int d = 0; d < kVerified; ++d) {
      int v = sums[level + 1][d] + baseTail[d][level];
      sums[level + 1][d] = v >= 10 ? v - 10 : v;
    }
  };
  auto reset = [&](int level) { sums[level + 1] = sums[level]; };

  for (c[0] = 0, reset(0); c[0] < 5 && !stopped; ++c[0], step(0))
    for (c[1] = 0, reset(1); c[1] < 5 && !stopped; ++c[1], step(1))
      for (c[2] = 0, reset(2); c[2] < 5 && !stopped; ++c[2], step(2))
        for (c[3] = 0, reset(3); c[3] < 5 && !stopped; ++c[3], step(3))
          for (c[4] = 0, reset(4); c[4] < 5 && !stopped; ++c[4], step(4))
            for (c[5] = 0, reset(5); c[5] < 5 && !stopped; ++c[5], step(5)) {
              // Failures of all ten constants at once: `once` marks a
              // constant that failed at least once, `twice` at least twice.
              int once = 0, twice = 0;
              for (int d = 0; d < kVerified && twice != kAllTens; ++d) {
                const int f = failK[d][sums[6][d]];
                twice |= once & f;
                once |= f;
              }
              s.progress = progressOf(c);
              if (twice == kAllTens) continue;
              for (int k = 0; k < 10; ++k) {
                if (twice & (1 << k)) continue;
                s.accepted.push_back(codeText(base, (once >> k) & 1, c, k));
                if (static_cast<int>(s.accepted.size()) == kAcceptStop) {
                  // The stop falls inside this formula's constants; the
                  // progress value is per coefficient set, so it stays.
                  stopped = true;
                  break;
                }
              }
            }

  std::sort(s.accepted.begin(), s.accepted.end());
  s.codes.assign(s.accepted.begin(), s.accepted.begin() + std::min<size_t>(kKept, s.accepted.size()));
  return s;
}

Search search_Literal(const DrawTable& t, BallOrder order, int base) {
  Search s;
  s.base = base;
  s.order = order;
  const auto& balls = orderColumn(t, order);
  const int n = t.count;
  std::array<int, 6> c{};
  for (c[0] = 0; c[0] <= 4; ++c[0])
    for (c[1] = 0; c[1] <= 4; ++c[1])
      for (c[2] = 0; c[2] <= 4; ++c[2])
        for (c[3] = 0; c[3] <= 4; ++c[3])
          for (c[4] = 0; c[4] <= 4; ++c[4])
            for (c[5] = 0; c[5] <= 4; ++c[5])
              for (int k = 0; k <= 9; ++k) {
                s.progress = progressOf(c);
                int failures = 0;
                // Draws numbered 1 = oldest; the prediction rows never fail.
                for (int j = n - 14; j <= n + base; ++j) {
                  if (j > n) continue;
                  const auto& from = balls[j - base - 1];
                  int sum = k;
                  for (int i = 0; i < 6; ++i) sum += c[i] * std::atoi(from[i].c_str());
                  const char tail = static_cast<char>('0' + sum % 10);
                  bool fails = false;
                  for (int i = 0; i < 7; ++i)
                    if (balls[j - 1][i].substr(1, 1)[0] == tail) fails = true;
                  if (fails) ++failures;
                }
                if (failures <= 1) {
                  s.accepted.push_back(codeText(base, failures, c, k));
                  if (static_cast<int>(s.accepted.size()) == kAcceptStop) goto done;
                }
              }
done:
  // Exchange sort, swapping when the earlier text is strictly greater.
  for (size_t i = 0; i < s.accepted.size(); ++i)
    for (size_t j = i + 1; j < s.accepted.size(); ++j)
      if (s.accepted[i] > s.accepted[j]) std::swap(s.accepted[i], s.accepted[j]);
  for (size_t i = 0; i < s.accepted.size() && i < static_cast<size_t>(kKept); ++i) s.codes.push_back(s.accepted[i]);
  return s;
}

std::vector<std::vector<std::string>> drawRows(const DrawTable& t, BallOrder order) {
  const auto& balls = orderColumn(t, order);
  std::vector<std::vector<std::string>> rows;
  for (int i = std::max(0, t.count - kVerified); i < t.count; ++i) {
    std::vector<std::string> row{t.dates[i].text(), t.numbers[i]};
    for (int c = 0; c < 7; ++c) row.push_back(balls[i][c]);
    rows.push_back(std::move(row));
  }
  return rows;
}

FormulaView showFormula(const DrawTable& t, BallOrder order, const std::string& code) {
  static const char* const kOrdinal[6] = {"第一", "第二", "第三", "第四", "第五", "第六"};
  FormulaView v;
  const auto& balls = orderColumn(t, order);
  const int n = t.count;
  v.base = std::max(1, code[0] - '0');
  const int b = v.base;
  std::array<int, 6> c{};
  for (int i = 0; i < 6; ++i) c[i] = code[3 + i] - '0';
  const int k = code[9] - '0';

  std::string formula = "不出尾數版路：上" + std::to_string(b) + "期 ";
  for (int i = 0; i < 6; ++i)
    if (c[i] > 0) formula += std::string(kOrdinal[i]) + orderWord(order) + "x" + std::to_string(c[i]) + " + ";
  if (k > 0) formula += " " + std::to_string(k);
  formula += " 取尾數本期不出（驗證15 期） ";
  v.explanation = {"代號 " + code, formula};

  int m = 0;
  for (int j = n - 14; j <= n + b; ++j) {  // draws numbered 1 = oldest
    FormulaRow row;
    int sum = k;
    for (int i = 0; i < 6; ++i) sum += c[i] * std::atoi(balls[j - b - 1][i].c_str());
    row.tail = static_cast<char>('0' + sum % 10);
    row.stored = j <= n;
    std::string line = t.numbers[j - b - 1] + "期計算結果預測";
    if (row.stored) {
      for (int i = 0; i < 7; ++i)
        if (balls[j - 1][i][1] == row.tail) row.failed = true;
      line += t.numbers[j - 1] + "期 " + row.tail + " 尾不出";
      if (row.failed) {
        ++v.failures;
        line += "  失敗(" + t.numbers[j - 1] + "期開出)";
      } else {
        line += "  成功(" + t.numbers[j - 1] + "期不出)";
      }
    } else {
      ++m;
      row.label = "下 " + std::to_string(m) + " 期預測";
      line += "下    " + std::to_string(m) + "   期 " + row.tail + " 尾不出";
    }
    v.rows.push_back(row);
    v.explanation.push_back(line);
  }
  v.explanation.push_back("本不出尾數版路最近15期成功機率 " +
                          formatNumber("00.00", (1500.0 - 100.0 * v.failures) / 15.0) + "﹪");
  return v;
}

}  // namespace tovrin::tails
