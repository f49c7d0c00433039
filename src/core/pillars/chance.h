#pragma once
// What pure chance gives a set of bets. In a six-from-MaxBall draw a given
// group of k regular balls is drawn with probability
//   (6 * 5 * ... * (6-k+1)) / (MaxBall * (MaxBall-1) * ... * (MaxBall-k+1)),
// so bets forming b2 pairs, b3 triples and b4 four-ball groups expect
// N * b2 * p2, N * b3 * p3 and N * b4 * p4 hits over N draws. Setting a
// backtest against that tells a player whether its hits are more than luck.
#include <array>
#include <optional>
#include <string>

#include "core/pillars/selection.h"
#include "core/pillars/verification.h"

namespace tovrin {

struct ChanceBaseline {
  std::array<double, 3> expected{};                // two-, three-, four-star hits by chance
  std::array<std::optional<double>, 3> ratio{};    // actual / expected; none when nothing is expected
};

// The expected hits of the bets over `draws` draws of a six-from-`maxBall`
// game, and how the actual hits compare. A layout's bets are betCounts(sizes);
// every combination of n balls (連碰) forms C(n,2), C(n,3), C(n,4).
ChanceBaseline chanceBaseline(const BetCounts& bets, long long draws, const HitCounts& actual, int maxBall);

// "隨機期望：二星 15.6 碰，三星 2.2 碰，四星 0.1 碰 ｜ 實際/期望：二星 1.15，三星 0.91，四星 0.00";
// a ratio with nothing expected shows as "-".
std::string chanceText(const ChanceBaseline& c);

// The same for the winner of a search, with how many layouts it was chosen
// from: "... ｜ 最佳 20 / 7,567,560 種排列". The best of many beats chance by
// selection alone, so the player sees the size of the field beside it.
std::string chanceText(const ChanceBaseline& c, int reported, long long compared);

}  // namespace tovrin
