#include "core/pillars/selection.h"

#include <algorithm>

#include "core/util/date.h"

namespace tovrin {

void Selection::rebuild(const std::array<bool, 50>& ticked) {
  text.clear();
  count = 0;
  for (int n = 1; n <= 49; ++n) {
    if (!ticked[n]) continue;
    ++count;
    balls[count] = format00(n);
    if (count == 19) text += ' ';
    text += balls[count] + ",";
  }
}

std::vector<std::string> Selection::selected() const {
  return std::vector<std::string>(balls.begin() + 1, balls.begin() + 1 + count);
}

void Selection::sortSelected() { std::sort(balls.begin() + 1, balls.begin() + 1 + count); }

int SelectionBoxes::tickedCount() const { return static_cast<int>(std::count(ball.begin() + 1, ball.end(), true)); }

void SelectionBoxes::ballChanged() {
  ++rebuilds;
  if (tickedCount() > kMaxSelected) ++overCap;
}

void SelectionBoxes::setBall(int n, bool v) {
  if (n < 1 || n > 49 || ball[n] == v) return;
  ball[n] = v;
  ballChanged();
}

void SelectionBoxes::setTail(int t, bool v) {
  if (tail[t] == v) return;
  tail[t] = v;
  tailPicker();
}

void SelectionBoxes::setHead(int h, bool v) {
  if (head[h] == v) return;
  head[h] = v;
  headPicker();
}

namespace {

template <class F>
void forTail(int t, int maxBall, F f) {
  for (int j = 0; j <= 4; ++j) {
    int b = t + 10 * j;
    if (b >= 1 && b <= maxBall) f(b);
  }
}

template <class F>
void forHead(int h, int maxBall, F f) {
  for (int k = 0; k <= 9; ++k) {
    int b = 10 * h + k;
    if (b >= 1 && b <= maxBall) f(b);
  }
}

}  // namespace

void SelectionBoxes::tailPicker() {
  for (int t = 0; t <= 9; ++t) forTail(t, maxBall, [&](int b) { setBall(b, tail[t]); });
  for (int h = 0; h <= 4; ++h)
    if (head[h]) forHead(h, maxBall, [&](int b) { setBall(b, true); });
}

void SelectionBoxes::headPicker() {
  for (int h = 0; h <= 4; ++h) forHead(h, maxBall, [&](int b) { setBall(b, head[h]); });
  for (int t = 0; t <= 9; ++t)
    if (tail[t]) forTail(t, maxBall, [&](int b) { setBall(b, true); });
}

void SelectionBoxes::clearAll() {
  for (int n = 1; n <= 49; ++n) setBall(n, false);
  for (int t = 0; t <= 9; ++t) setTail(t, false);
  for (int h = 0; h <= 4; ++h) setHead(h, false);
}

BetCounts betCounts(const std::vector<int>& sizes) {
  // e[k] = elementary symmetric sum of order k over the sizes seen so far.
  long long e[5] = {1, 0, 0, 0, 0};
  for (int s : sizes)
    for (int k = 4; k >= 1; --k) e[k] += e[k - 1] * s;
  return BetCounts{e[2], e[3], e[4]};
}

BetCounts betCounts(const std::array<int, kMaxPillars>& sizes) {
  return betCounts(std::vector<int>(sizes.begin(), sizes.end()));
}

long long choose(int n, int k) {
  if (k < 0 || n < k) return 0;
  long long r = 1;
  for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
  return r;
}

void PillarLayout::clearBalls() {
  for (auto& row : balls) row.fill(std::string());
}

}  // namespace tovrin
