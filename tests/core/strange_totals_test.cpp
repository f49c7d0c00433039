#include <gtest/gtest.h>

#include "core/views/strange.h"
#include "core/views/totals.h"
#include "views_fixture.h"

using namespace tovrin;
using testing_support::realHistory;
using testing_support::tableOfBalls;

TEST(StrangeCriteria, HandCheckedDraws) {
  struct Case {
    const char* balls;  // drawn order, special ball last
    int criterion;
    bool meets;
  };
  const Case cases[] = {
      {"01,03,05,07,09,11,02", 1, true},   // six odd
      {"01,03,05,07,09,02,04", 1, false},  // five odd
      {"02,04,06,08,10,12,01", 1, true},   // one odd
      {"02,04,06,08,11,13,01", 1, false},
      {"49,48,47,46,12,05,03", 2, true},   // total exactly 210
      {"49,48,47,46,12,05,02", 2, false},  // 209
      {"01,02,03,04,05,25,40", 2, true},   // exactly 80
      {"01,02,03,04,05,26,40", 2, false},  // 81
      {"07,20,05,30,06,40,45", 3, true},   // 05 06 07 the smallest
      {"33,01,31,10,32,20,45", 3, true},   // 31 32 33 the largest
      {"30,31,01,10,20,05,32", 3, true},   // special 32 after the largest 30 31
      {"01,02,10,20,30,40,03", 3, false},  // 01 02 03 only as a set, not side by side
      {"11,15,12,18,02,33,44", 4, true},   // positions 1-4 in the tens
      {"11,02,15,33,12,44,18", 4, false},  // the same four at positions 1, 3, 5, 7
      {"01,20,31,41,45,47,49", 4, true},   // positions 4-7, special ball included
      {"01,11,21,31,02,03,41", 5, true},   // last digit 1 five times
      {"01,11,21,02,12,22,03", 5, false},  // 1 and 2 three times each
      {"03,13,23,05,06,07,33", 5, true},   // the special ball makes the fourth 3
      {"02,04,05,30,40,07,09", 6, true},   // 02 04 05 07 09 within 10, special ball counted
      {"02,04,05,07,30,40,12", 6, false},  // 02 .. 12 spans ten
  };
  for (const auto& c : cases) {
    const auto t = tableOfBalls({c.balls});
    EXPECT_EQ(strangeCriteria(t, 1)[c.criterion - 1], c.meets) << c.balls << " #" << c.criterion;
    EXPECT_EQ(strangeCriterion_Literal(t, 1, c.criterion), c.meets) << c.balls << " #" << c.criterion;
  }
}

TEST(StrangeCriteria, MultiplesNeedTheirMinimumCount) {
  // Items 7-13: (divisor, minimum). Fillers are 1 and primes above 9, which
  // no divisor here divides.
  const std::pair<int, int> rules[] = {{3, 5}, {4, 4}, {5, 4}, {6, 3}, {7, 3}, {8, 3}, {9, 3}};
  const int fillers[] = {1, 11, 13, 17, 19, 23, 29};
  for (int c = 7; c <= 13; ++c) {
    const auto [divisor, minimum] = rules[c - 7];
    for (int multiples : {minimum - 1, minimum, minimum + 1}) {
      if (multiples * divisor > 49) continue;
      std::string balls;
      for (int p = 0; p < 7; ++p) {
        const int v = p < multiples ? divisor * (p + 1) : fillers[p];
        balls += (p ? "," : "") + format00(v);
      }
      const auto t = tableOfBalls({balls});
      const bool want = multiples >= minimum;
      EXPECT_EQ(strangeCriteria(t, 1)[c - 1], want) << balls << " #" << c;
      EXPECT_EQ(strangeCriterion_Literal(t, 1, c), want) << balls << " #" << c;
    }
  }
}

TEST(StrangeCriteria, RealHistoriesCountsAndEveryDrawEqualsLiteral) {
  StrangeTicks all;
  all.fill(true);
  StrangeTicks second{};
  second[1] = true;
  EXPECT_EQ(strangeMatches(realHistory(true).table, all).size(), 1028u);
  EXPECT_EQ(strangeMatches(realHistory(false).table, all).size(), 1385u);
  EXPECT_EQ(strangeMatches(realHistory(true).table, second).size(), 379u);
  EXPECT_TRUE(strangeMatches(realHistory(true).table, StrangeTicks{}).empty());
  for (bool big : {true, false}) {
    const auto& t = realHistory(big).table;
    for (int r = 1; r <= t.count; ++r) {
      const auto f = strangeCriteria(t, r);
      for (int c = 1; c <= kStrangeCriteria; ++c)
        ASSERT_EQ(f[c - 1], strangeCriterion_Literal(t, r, c)) << big << " draw " << r << " #" << c;
    }
    EXPECT_EQ(strangeMatches(t, all), strangeMatches_Literal(t, all));
  }
  EXPECT_EQ(matchCountText(0), "合乎條件 0 筆 ");
}

TEST(TotalRule, TextsAndToleranceOnHandCheckedDraws) {
  // Totals with the special ball 87, 129, 131; without it 80, 100, 129.
  const auto t = tableOfBalls({"01,02,03,04,30,40,07", "10,11,12,13,24,30,29", "05,10,15,20,35,44,02"});
  const auto run = ruleTotals(t, 130, 1, true, 0);
  EXPECT_EQ(run.totalTexts, (std::vector<std::string>{"087", "129  ●", "131  ●"}));
  EXPECT_EQ(run.listed, (std::vector<int>{2, 3}));
  EXPECT_EQ(ruleTotals(t, 130, 1, true, 1).listed, (std::vector<int>{3}));
  EXPECT_EQ(ruleTotals(t, 130, 1, true, -2).listed, (std::vector<int>{1}));
  EXPECT_EQ(ruleTotals(t, 80, 0, false, 0).totalTexts, (std::vector<std::string>{"080  ●", "100", "129"}));
  EXPECT_TRUE(ruleTotals(t, 130, -1, true, 0).matches.empty());
  EXPECT_EQ(latestTotal(t, true), 131);
  EXPECT_EQ(latestTotal(tableOfBalls({}), true), std::nullopt);
  EXPECT_EQ(totalListHeadings().at(2), "第1號");
  EXPECT_EQ(totalListHeadings().at(9), "總數");
}

TEST(TotalRule, RealBigLotto) {
  const auto& t = realHistory(true).table;
  ASSERT_EQ(latestTotal(t, true), 172);
  const auto run = ruleTotals(t, 172, 0, true, 0);
  EXPECT_EQ(run.listed.size(), 27u);
  EXPECT_EQ(run.totalTexts.back(), "172  ●");
  EXPECT_EQ(ruleTotals(t, 172, 0, true, 1).listed.size(), 26u);
  EXPECT_EQ(ruleTotals(t, 172, 3, true, 0).listed.size(), 168u);
  const auto six = ruleTotals(t, 172, 0, false, 0);
  EXPECT_EQ(six.totalTexts.back(), "142");
  EXPECT_EQ(six.listed.size(), 18u);
}
