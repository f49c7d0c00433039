#include "core/views/strange.h"

#include <algorithm>

#include "core/views/ball_map.h"

namespace tovrin {

namespace {

// Criteria 7..13: at least `minimum` of the seven balls are multiples of `divisor`.
struct MultipleRule {
  int divisor, minimum;
};
constexpr MultipleRule kMultiples[] = {{3, 5}, {4, 4}, {5, 4}, {6, 3}, {7, 3}, {8, 3}, {9, 3}};

}  // namespace

const std::array<const char*, kStrangeCriteria>& strangeItems() {
  static const std::array<const char*, kStrangeCriteria> items = {
      "1. 六個或以上奇數或偶數",     "2. 號碼總數大於210或小於80",   "3. 三個號碼以上連號",
      "4. 四個號碼同字頭",           "5. 四個號碼以上同尾數",       "6. 五個號碼出現在10號之內",
      "7. 五個號碼以上同是3的倍數",  "8. 四個號碼以上同是4的倍數",  "9. 四個號碼以上同是5的倍數",
      "10. 三個號碼以上同是6的倍數", "11. 三個號碼以上同是7的倍數", "12. 三個號碼以上同是8的倍數",
      "13. 三個號碼以上同是9的倍數"};
  return items;
}

StrangeFlags strangeCriteria(const DrawTable& t, int r) {
  StrangeFlags f{};
  std::array<int, 7> v{}, s{};
  for (int p = 0; p < 7; ++p) {
    v[p] = ballValue(t.drawn[r - 1][p]);
    s[p] = ballValue(t.sorted[r - 1][p]);
  }
  int odd = 0, sum = 0;
  std::array<int, 10> lastDigits{};
  for (int x : v) {
    odd += x % 2;
    sum += x;
    ++lastDigits[x % 10];
  }
  f[0] = odd >= 6 || odd <= 1;
  f[1] = sum >= 210 || sum <= 80;
  for (int p = 0; p + 2 < 7; ++p)
    if (s[p + 1] == s[p] + 1 && s[p + 2] == s[p] + 2) f[2] = true;
  for (int p = 0; p + 3 < 7; ++p) {
    const int tens = v[p] / 10;
    if (v[p + 1] / 10 == tens && v[p + 2] / 10 == tens && v[p + 3] / 10 == tens) f[3] = true;
  }
  f[4] = *std::max_element(lastDigits.begin(), lastDigits.end()) >= 4;
  std::array<int, 7> u = v;
  std::sort(u.begin(), u.end());
  for (int k = 0; k < 3; ++k)
    if (u[k + 4] - u[k] < 10) f[5] = true;
  for (int c = 0; c < 7; ++c) {
    int n = 0;
    for (int x : v) n += x % kMultiples[c].divisor == 0;
    f[6 + c] = n >= kMultiples[c].minimum;
  }
  return f;
}

bool strangeCriterion_Literal(const DrawTable& t, int r, int c) {
  const auto& drawn = t.drawn[r - 1];
  auto ball = [&](int p) { return ballValue(drawn[p]); };
  switch (c) {
    case 1: {
      int odd = 0;
      for (int p = 0; p < 7; ++p)
        if (ball(p) % 2 == 1) ++odd;
      return odd >= 6 || odd <= 1;
    }
    case 2: {
      int sum = 0;
      for (int p = 0; p < 7; ++p) sum += ball(p);
      return sum >= 210 || sum <= 80;
    }
    case 3: {
      const auto& sorted = t.sorted[r - 1];
      for (int k = 0; k < 5; ++k) {
        const int a = ballValue(sorted[k]);
        if (ballValue(sorted[k + 1]) == a + 1 && ballValue(sorted[k + 2]) == a + 2) return true;
      }
      return false;
    }
    case 4:
      for (int k = 0; k < 4; ++k) {
        const char first = drawn[k][0];
        if (drawn[k + 1][0] == first && drawn[k + 2][0] == first && drawn[k + 3][0] == first) return true;
      }
      return false;
    case 5: {
      std::array<int, 7> last{};
      for (int p = 0; p < 7; ++p) last[p] = ball(p) % 10;
      std::sort(last.begin(), last.end());
      for (int k = 0; k + 3 < 7; ++k)
        if (last[k] == last[k + 3]) return true;
      return false;
    }
    case 6: {
      std::array<int, 7> s{};
      for (int p = 0; p < 7; ++p) s[p] = ball(p);
      std::sort(s.begin(), s.end());
      for (int k = 0; k < 3; ++k)
        if (s[k + 4] - s[k] < 10) return true;
      return false;
    }
    default: {
      if (c < 7 || c > 13) return false;
      const auto rule = kMultiples[c - 7];
      int n = 0;
      for (int p = 0; p < 7; ++p)
        if (ball(p) % rule.divisor == 0) ++n;
      return n >= rule.minimum;
    }
  }
}

std::vector<int> strangeMatches(const DrawTable& t, const StrangeTicks& ticks) {
  std::vector<int> out;
  if (std::none_of(ticks.begin(), ticks.end(), [](bool b) { return b; })) return out;
  for (int r = 1; r <= t.count; ++r) {
    const auto f = strangeCriteria(t, r);
    for (int c = 0; c < kStrangeCriteria; ++c)
      if (ticks[c] && f[c]) {
        out.push_back(r);
        break;
      }
  }
  return out;
}

std::vector<int> strangeMatches_Literal(const DrawTable& t, const StrangeTicks& ticks) {
  std::vector<int> out;
  for (int r = 1; r <= t.count; ++r) {
    bool match = false;
    for (int c = 1; c <= kStrangeCriteria; ++c)
      if (ticks[c - 1] && strangeCriterion_Literal(t, r, c)) match = true;
    if (match) out.push_back(r);
  }
  return out;
}

std::string matchCountText(int count) { return "合乎條件 " + std::to_string(count) + " 筆 "; }

}  // namespace tovrin
