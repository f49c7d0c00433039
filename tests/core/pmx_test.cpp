#include <gtest/gtest.h>

#include <random>

#include "core/views/pmx.h"
#include "support/temp_dir.h"
#include "view_tables.h"

using namespace tovrin;
using testing_support::viewTable;

namespace {

// Hand-checked history of three draws (the special ball last):
//   draw 1: 45 10 47 20 30 44 | 05
//   draw 2: 01 15 03 20 49 22 | 11
//   draw 3: 10 12 13 14 16 17 | 05
const std::vector<std::array<int, 7>> kThree = {
    {45, 10, 47, 20, 30, 44, 5},
    {1, 15, 3, 20, 49, 22, 11},
    {10, 12, 13, 14, 16, 17, 5},
};

DrawHistory realBigLotto(const testing_support::TempDir& dir) {
  testing_support::copyData(kBigLottoFile, dir.path());
  DrawHistory h(dir.path());
  h.fullReload("2026/12/10");
  return h;
}

}  // namespace

TEST(RepeatsAtInterval, MarksBallsSeenTheChosenNumberOfDrawsEarlier) {
  const auto t = viewTable(kThree);
  struct Case {
    std::string period;
    int n;
    bool special;
    std::vector<int> marks;  // draws 1..3
  } cases[] = {
      {"100003", 1, true, {0, 1, 0}},   // 2 shares 20 with 1; 3 shares nothing with 2
      {"100003", 2, true, {0, 0, 2}},   // 3 shares 10 and the special 05 with 1
      {"100003", 2, false, {0, 0, 1}},  // without special balls only 10
      {"100002", 1, true, {0, 1, 0}},   // counting starts at draw 2
      {"100001", 1, true, {0, 0, 0}},   // nothing before draw 1
      {"999999", 1, true, {0, 1, 0}},   // unknown number: from the newest draw
      {"100003", 3, true, {0, 0, 0}},   // interval beyond the history
      {"100003", 0, true, {0, 0, 0}},   // intervals below 1 mark nothing
      {"100003", -1, true, {0, 0, 0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(chk_7_1(t, c.period, c.n, c.special), c.marks) << c.period << " n=" << c.n << " sp=" << c.special;
    EXPECT_EQ(chk_7_1_Literal(t, c.period, c.n, c.special), c.marks) << c.period << " n=" << c.n;
  }
  EXPECT_EQ(hitText(0), "   ");
  EXPECT_EQ(hitText(2), "■   2");
}

TEST(PmxRule, PoolsSizesAndHitsOfAHandCheckedHistory) {
  const auto t = viewTable(kThree);
  // K = 1, add 5: each draw's pool is the previous draw shifted by 5.
  //   q = 2: 05 10 20 30 44 45 47 -> 10 15 25 35 49 01 03; draw 2 hits 15 49 01 03
  //   q = 3: 01 03 11 15 20 22 49 -> 06 08 16 20 25 27 05; draw 3 hits 16 and 05
  //   next:  05 10 12 13 14 16 17 -> 10 15 17 18 19 21 22
  PmxParams p{0, 1, 1, 5, true};
  PmxResult expected{{0, 7, 7}, {0, 4, 2}, "第 100003 期下一期號碼", "10 15 17 18 19 21 22 ", "共 7 個號碼"};
  EXPECT_EQ(chk_7_2(t, 49, p), expected);
  EXPECT_EQ(chk_7_2_Literal(t, 49, p), expected);

  // K = 2, no shift: a ball in both source draws (20) counts once.
  p = {0, 1, 2, 0, true};
  expected = {{0, 7, 13}, {0, 1, 2}, "第 100003 期下一期號碼", "01 03 05 10 11 12 13 14 15 16 17 20 22 49 ",
              "共 14 個號碼"};
  EXPECT_EQ(chk_7_2(t, 49, p), expected);
  EXPECT_EQ(chk_7_2_Literal(t, 49, p), expected);

  // Jump 1, subtract 5, no special balls: draw 3 uses draw 1; the next draw uses draw 2.
  //   q = 3: 10 20 30 44 45 47 -> 05 15 25 39 40 42; draw 3 (six) hits none
  //   next:  01 03 15 20 22 49 -> 45 47 10 15 17 44
  p = {1, 1, 1, -5, false};
  expected = {{0, 0, 6}, {0, 0, 0}, "第 100003 期下一期號碼", "45 47 10 15 17 44 ", "共 6 個號碼"};
  EXPECT_EQ(chk_7_2(t, 49, p), expected);
  EXPECT_EQ(chk_7_2_Literal(t, 49, p), expected);

  EXPECT_EQ(poolSizeText(0), "  ");
  EXPECT_EQ(poolSizeText(13), "  13");
}

TEST(PmxRule, ShiftWrapsAroundTheBallRangeAndKeepsTheUnshiftedOrder) {
  // Balls 10, 45, 47 and 44 moved up by 5 read 15, 01, 03 and 49, in the
  // order of the source balls.
  const auto t = viewTable({{45, 10, 47, 20, 30, 44, 5}});
  struct Case {
    long long shift;
    std::string next;
  } cases[] = {
      {5, "15 25 35 49 01 03 "},
      {5 + 49 * 3, "15 25 35 49 01 03 "},   // any multiple of the range wraps away
      {-44, "15 25 35 49 01 03 "},          // same place going down
      {-10, "49 10 20 34 35 37 "},          // 10 - 10 wraps to 49
      {-2147483647LL, "16 26 36 01 02 04 "},  // -2147483647 = -43826197 * 49 + 6
  };
  for (const auto& c : cases) {
    const auto r = chk_7_2(t, 49, {0, 1, 1, c.shift, false});
    EXPECT_EQ(r.lb_next, c.next) << c.shift;
    EXPECT_EQ(r.lbtot, "共 6 個號碼");
    EXPECT_EQ(chk_7_2_Literal(t, 49, {0, 1, 1, c.shift, false}), r) << c.shift;
  }
}

TEST(PmxRule, EmptyHistoryHasNoNextNumbers) {
  const DrawTable t;
  const auto r = chk_7_2(t, 49, {});
  EXPECT_TRUE(r.size.empty());
  EXPECT_EQ(r.lbtitle, "");
  EXPECT_EQ(r.lb_next, "");
  EXPECT_EQ(r.lbtot, "共 0 個號碼");
  EXPECT_EQ(chk_7_2_Literal(t, 49, {}), r);
  EXPECT_TRUE(chk_7_1(t, "", 1, true).empty());
}

TEST(PmxRule, RealBigLottoNextDraw) {
  testing_support::TempDir dir;
  const auto h = realBigLotto(dir);
  struct Case {
    PmxParams p;
    std::string next, total;
  } cases[] = {
      {{0, 1, 1, 0, true}, "08 14 23 24 26 30 47 ", "共 7 個號碼"},
      {{0, 1, 1, 5, true}, "13 19 28 29 31 35 03 ", "共 7 個號碼"},
  };
  for (const auto& c : cases) {
    const auto r = chk_7_2(h.table, 49, c.p);
    EXPECT_EQ(r.lbtitle, "第 115081 期下一期號碼");
    EXPECT_EQ(r.lb_next, c.next);
    EXPECT_EQ(r.lbtot, c.total);
  }
  EXPECT_EQ(chk_7_2(h.table, 49, {0, 1, 15, 5, true}).lbtot, "共 45 個號碼");

  // Repeats at interval 1 on the four newest draws.
  const auto marks = chk_7_1(h.table, "115081", 1, true);
  const int n = h.table.count;
  EXPECT_EQ((std::vector<int>{marks[n - 1], marks[n - 2], marks[n - 3], marks[n - 4]}),
            (std::vector<int>{1, 2, 1, 1}));
  const auto from79 = chk_7_1(h.table, "115079", 1, true);
  EXPECT_EQ(from79[n - 1], 0);
  EXPECT_EQ(from79[n - 2], 0);
  EXPECT_EQ(from79[n - 3], 1);
}

TEST(PmxRule, FastEqualsLiteralOnRandomHistories) {
  std::mt19937 rng(14);
  for (int round = 0; round < 4; ++round) {
    const auto t = testing_support::randomTable(rng, 20 + round * 15);
    std::uniform_int_distribution<int> J(0, 20), I(1, 30), K(1, 15), A(-49, 49);
    for (int i = 0; i < 80; ++i) {
      // The extremes first, then random choices.
      PmxParams p = i == 0 ? PmxParams{20, 30, 15, -49, true}
                    : i == 1 ? PmxParams{0, 1, 15, 49, false}
                             : PmxParams{J(rng), I(rng), K(rng), A(rng), (i % 2) == 0};
      ASSERT_EQ(chk_7_2(t, 49, p), chk_7_2_Literal(t, 49, p))
          << "J=" << p.jump << " I=" << p.interval << " K=" << p.count << " A=" << p.shift;
    }
    for (int n = -1; n <= t.count + 1; ++n)
      for (bool sp : {true, false}) {
        const std::string period = t.numbers[rng() % t.count];
        ASSERT_EQ(chk_7_1(t, period, n, sp), chk_7_1_Literal(t, period, n, sp)) << period << " " << n;
      }
  }
}
