#include "core/pillars/chance.h"

#include <gtest/gtest.h>

using namespace tovrin;

// Group probabilities in a six-from-49 draw, worked out by hand:
//   pair   30 / 2,352           (6*5 / 49*48)
//   triple 120 / 110,544        (6*5*4 / 49*48*47)
//   four   360 / 5,085,024      (6*5*4*3 / 49*48*47*46)
TEST(ChanceBaseline, ExpectedHitsAndRatiosOfHandWorkedCases) {
  struct Case {
    const char* what;
    BetCounts bets;
    long long draws;
    HitCounts actual;
    int maxBall;
    std::array<double, 3> expected;
    std::array<double, 3> ratio;  // -1: nothing expected
  };
  const Case cases[] = {
      // 2x2x2x2 forms 24, 32 and 16 bets.
      {"2x2x2x2 over 100 draws", {24, 32, 16}, 100, {35, 3, 0}, 49,
       {72000.0 / 2352, 384000.0 / 110544, 576000.0 / 5085024},
       {35 / (72000.0 / 2352), 3 / (384000.0 / 110544), 0.0}},
      // Two pillars of 2 and 3 balls: six pairs, no triple or four.
      {"two pillars", {6, 0, 0}, 1954, {100, 0, 0}, 49, {351720.0 / 2352, 0, 0}, {100 / (351720.0 / 2352), -1, -1}},
      // Every combination of 36 balls: 630, 7140 and 58905 bets.
      {"36 balls combined", {630, 7140, 58905}, 2000, {32143, 0, 8340}, 49,
       {37800000.0 / 2352, 1713600000.0 / 110544, 42411600000.0 / 5085024},
       {32143 / (37800000.0 / 2352), 0, 8340 / (42411600000.0 / 5085024)}},
      // A 42-ball game: pair 30/1722 and triple 120/68880, so these draw
      // counts expect exactly 30 and 120 hits.
      {"42 balls, pairs", {1, 0, 0}, 1722, {45, 0, 0}, 42, {30, 0, 0}, {1.5, -1, -1}},
      {"42 balls, triples", {0, 1, 0}, 68880, {0, 60, 0}, 42, {0, 120, 0}, {-1, 0.5, -1}},
      {"no draws", {24, 32, 16}, 0, {0, 0, 0}, 49, {0, 0, 0}, {-1, -1, -1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto b = chanceBaseline(c.bets, c.draws, c.actual, c.maxBall);
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(b.expected[i], c.expected[i], 1e-9 * (1 + c.expected[i])) << i;
      if (c.ratio[i] < 0) {
        EXPECT_FALSE(b.ratio[i].has_value()) << i;
      } else {
        ASSERT_TRUE(b.ratio[i].has_value()) << i;
        EXPECT_NEAR(*b.ratio[i], c.ratio[i], 1e-9) << i;
      }
    }
  }
}

TEST(ChanceBaseline, LabelTexts) {
  // 30.612.. / 3.4737.. / 0.1133.. expected; 35, 3 and 0 actual.
  const auto layout = chanceBaseline({24, 32, 16}, 100, {35, 3, 0}, 49);
  EXPECT_EQ(chanceText(layout),
            "隨機期望：二星 30.6 碰，三星 3.5 碰，四星 0.1 碰 ｜ 實際/期望：二星 1.14，三星 0.86，四星 0.00");
  EXPECT_EQ(chanceText(layout, 20, 105),
            "隨機期望：二星 30.6 碰，三星 3.5 碰，四星 0.1 碰 ｜ 實際/期望：二星 1.14，三星 0.86，四星 0.00"
            " ｜ 最佳 20 / 105 種排列");
  // Large expectations take thousands separators; nothing expected shows "-".
  EXPECT_EQ(chanceText(chanceBaseline({630, 7140, 58905}, 2000, {32143, 0, 8340}, 49), 5, 7567560),
            "隨機期望：二星 16,071.4 碰，三星 15,501.5 碰，四星 8,340.5 碰 ｜ 實際/期望：二星 2.00，三星 0.00，四星 1.00"
            " ｜ 最佳 5 / 7,567,560 種排列");
  EXPECT_EQ(chanceText(chanceBaseline({6, 0, 0}, 1954, {100, 0, 0}, 49)),
            "隨機期望：二星 149.5 碰，三星 0.0 碰，四星 0.0 碰 ｜ 實際/期望：二星 0.67，三星 -，四星 -");
}
