#include "core/pillars/chance.h"

#include "core/util/format.h"

namespace tovrin {

namespace {

constexpr int kDrawnBalls = 6;

// Probability that a given group of k regular balls is among the six drawn.
double groupProbability(int k, int maxBall) {
  double p = 1.0;
  for (int i = 0; i < k; ++i) {
    if (maxBall - i <= 0) return 0.0;
    p *= static_cast<double>(kDrawnBalls - i) / (maxBall - i);
  }
  return p;
}

const char* const kStars[3] = {"二星", "三星", "四星"};

}  // namespace

ChanceBaseline chanceBaseline(const BetCounts& bets, long long draws, const HitCounts& actual, int maxBall) {
  ChanceBaseline c;
  const long long betCount[3] = {bets.two, bets.three, bets.four};
  const long long hits[3] = {actual.two, actual.three, actual.four};
  for (int i = 0; i < 3; ++i) {
    c.expected[i] = static_cast<double>(draws) * static_cast<double>(betCount[i]) * groupProbability(i + 2, maxBall);
    if (c.expected[i] > 0) c.ratio[i] = static_cast<double>(hits[i]) / c.expected[i];
  }
  return c;
}

std::string chanceText(const ChanceBaseline& c) {
  std::string s = "隨機期望：";
  for (int i = 0; i < 3; ++i)
    s += std::string(i ? "，" : "") + kStars[i] + " " + formatNumber("#,##0.0", c.expected[i]) + " 碰";
  s += " ｜ 實際/期望：";
  for (int i = 0; i < 3; ++i)
    s += std::string(i ? "，" : "") + kStars[i] + " " + (c.ratio[i] ? formatNumber("#,##0.00", *c.ratio[i]) : "-");
  return s;
}

std::string chanceText(const ChanceBaseline& c, int reported, long long compared) {
  return chanceText(c) + " ｜ 最佳 " + formatCount(reported) + " / " + formatCount(compared) + " 種排列";
}

}  // namespace tovrin
