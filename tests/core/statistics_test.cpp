#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "core/pillars/period.h"
#include "core/pillars/selection.h"
#include "core/pillars/statistics.h"

using namespace tovrin;

namespace {

// One draw: its date and seven balls in drawn order (index 6 = special ball).
struct Row {
  Date date;
  std::array<int, 7> balls;
};

DrawTable tableOf(const std::vector<Row>& rows) {
  DrawTable t;
  t.count = static_cast<int>(rows.size());
  for (int r = 0; r < t.count; ++r) {
    t.dates[r] = rows[r].date;
    t.numbers[r] = std::to_string(100001 + r);
    for (int i = 0; i < 7; ++i) t.drawn[r][i] = format00(rows[r].balls[i]);
    t.sorted[r] = t.drawn[r];
    std::sort(t.sorted[r].begin(), t.sorted[r].begin() + 6);
    t.chosen[r] = t.drawn[r];
  }
  return t;
}

Date day(int offset) { return Date::fromSerial(Date{2020, 1, 1}.serial() + offset); }

// The PeriodLines of every row, sorted or in drawn order.
std::vector<std::string> linesOf(const DrawTable& t, BallOrder order = BallOrder::Sorted) {
  std::vector<std::string> lines;
  for (int r = 1; r <= t.count; ++r) lines.push_back(periodLine(t, r, r, order));
  return lines;
}

std::vector<std::string> ballTexts(int from, int to) {
  std::vector<std::string> v;
  for (int b = from; b <= to; ++b) v.push_back(format00(b));
  return v;
}

std::vector<std::string> memoFor(const std::vector<std::string>& lines, int k) {
  const auto stats = Count_Sumno(lines);
  return hotMemoLines(rankHotCombos(stats.list(k), k, PeriodMasks(lines)), k);
}

std::vector<std::string> literalMemoFor(const std::vector<std::string>& lines, int k) {
  const auto stats = Count_Sumno(lines);
  return hotMemoLines(rankHotCombosLiteral(stats.list(k), lines), k);
}

const std::vector<Row> kOneDraw = {{{2009, 1, 2}, {43, 11, 35, 3, 27, 19, 7}}};

}  // namespace

// --- Ball and tail frequencies ---

TEST(BallAndTailStatistics, OneDrawPeriodRanksHigherBallAndTailFirstOnEqualCounts) {
  const auto lines = linesOf(tableOf(kOneDraw));
  const auto grids = show_sumno(Count_Sumno(lines).tally);
  ASSERT_EQ(grids.sga1.size(), 25u);
  ASSERT_EQ(grids.sga2.size(), 24u);
  const std::vector<std::string> head = {"43", "35", "27", "19", "11", "03", "49", "48", "47", "46", "45", "44", "42"};
  for (std::size_t c = 0; c < head.size(); ++c) {
    EXPECT_EQ(grids.sga1[c].label, head[c]) << c;
    EXPECT_EQ(grids.sga1[c].count, c < 6 ? "1" : "0") << c;
  }
  // The special ball 07 is not counted: it ranks among the unseen balls.
  EXPECT_EQ(grids.sga2.back(), (GridColumn{"01", "0"}));
  EXPECT_EQ(grids.sga2[grids.sga2.size() - 6], (GridColumn{"07", "0"}));

  const std::vector<GridColumn> tails = {{"3 尾", "2"}, {"9 尾", "1"}, {"7 尾", "1"}, {"5 尾", "1"}, {"1 尾", "1"},
                                         {"8 尾", "0"}, {"6 尾", "0"}, {"4 尾", "0"}, {"2 尾", "0"}, {"0 尾", "0"}};
  EXPECT_EQ(show_sumno_tail(Count_Sumno_tail(lines)), tails);
  EXPECT_EQ(show_sumno_tail(Count_Sumno_tail({})).size(), 10u);
}

TEST(BallAndTailStatistics, CountsEveryLineOfThePeriod) {
  const auto lines = linesOf(tableOf({{day(0), {5, 12, 20, 31, 40, 44, 1}},
                                      {day(1), {1, 5, 12, 22, 33, 49, 2}},
                                      {day(2), {12, 13, 14, 15, 16, 17, 5}}}));
  const auto tally = Count_Sumno(lines).tally;
  ASSERT_EQ(tally.size(), 49u);
  EXPECT_EQ(tally[0], 312);  // 12 three times
  EXPECT_EQ(tally[1], 205);  // 05 twice (not as the special ball)
  EXPECT_EQ(tally[2], 149);
  EXPECT_EQ(Count_Sumno_tail(lines)[0], 402);  // tail 2: 12 three times and 22
}

// --- Combination lists ---

TEST(CombinationLists, HoldEachTextOnceInFirstAppearanceOrder) {
  const auto t = tableOf(kOneDraw);
  const auto one = Count_Sumno(linesOf(t));
  EXPECT_EQ(one.pairs, (std::vector<std::string>{"0311", "0319", "0327", "0335", "0343", "1119", "1127", "1135",
                                                 "1143", "1927", "1935", "1943", "2735", "2743", "3543"}));
  ASSERT_EQ(one.triples.size(), 20u);
  EXPECT_EQ(one.triples.front(), "031119");
  EXPECT_EQ(one.triples.back(), "273543");
  ASSERT_EQ(one.quads.size(), 15u);
  EXPECT_EQ(one.quads.front(), "03111927");
  EXPECT_EQ(one.quads.back(), "19273543");

  // The same draw again, sorted and then in drawn order (43,11,35,03,27,19):
  // the sorted copy adds nothing, the drawn copy adds its texts that are not
  // in ascending order, after the first line's.
  auto lines = linesOf(t);
  lines.push_back(lines[0]);
  lines.push_back(periodLine(t, 1, 3, BallOrder::Chosen));
  const auto three = Count_Sumno(lines);
  EXPECT_EQ(std::vector<std::string>(three.pairs.begin() + 15, three.pairs.end()),
            (std::vector<std::string>{"4311", "4335", "4303", "4327", "4319", "1103", "3503", "3527", "3519", "2719"}));
  EXPECT_EQ(three.quads.size(), 30u);  // no four balls of that draw came out in ascending order
}

// --- Hot combinations ---

TEST(HotCombos, OneDrawListsEveryCombinationOnceHighestTextFirst) {
  const auto lines = linesOf(tableOf(kOneDraw));
  const auto pairs = memoFor(lines, 2);
  ASSERT_EQ(pairs.size(), 15u);
  EXPECT_EQ(std::vector<std::string>(pairs.begin(), pairs.begin() + 4),
            (std::vector<std::string>{"3543  001", "2743  001", "2735  001", "1943  001"}));
  EXPECT_EQ(pairs.back(), "0311  001");
  EXPECT_EQ(memoFor(lines, 3).front(), "273543  001");
  EXPECT_EQ(memoFor(lines, 4).back(), "03111927  001");
  EXPECT_TRUE(memoFor({}, 4).empty());
}

TEST(HotCombos, SharedPairHeadsTheMemo) {
  const auto lines = linesOf(tableOf({{day(0), {5, 12, 20, 31, 40, 44, 1}}, {day(1), {1, 5, 12, 22, 33, 49, 2}}}));
  const auto stats = Count_Sumno(lines);
  EXPECT_EQ(std::count(stats.pairs.begin(), stats.pairs.end(), "0512"), 1);
  const auto memo = memoFor(lines, 2);
  EXPECT_EQ(memo.size(), stats.pairs.size());
  EXPECT_EQ(memo.front(), "0512  002");
  EXPECT_EQ(memo[1], "4044  001");
}

// Lines in drawn order can list the set {05, 12} as "0512" and as "1205";
// chkBingo counts the set, so both texts get its count.
TEST(HotCombos, OneBallSetUnderTwoTextsGetsTheSetCountForEachText) {
  const auto t = tableOf({{day(0), {5, 12, 20, 31, 40, 44, 1}},
                          {day(1), {12, 5, 22, 33, 41, 49, 2}},
                          {day(2), {12, 20, 5, 31, 45, 46, 3}}});
  const auto lines = linesOf(t, BallOrder::Chosen);
  for (int k = 2; k <= 4; ++k) EXPECT_EQ(memoFor(lines, k), literalMemoFor(lines, k)) << k;
  const auto pairs = memoFor(lines, 2);
  EXPECT_EQ(std::vector<std::string>(pairs.begin(), pairs.begin() + 2),
            (std::vector<std::string>{"1205  003", "0512  003"}));
  const auto triples = memoFor(lines, 3);
  for (const char* text : {"122005  002", "051220  002"})
    EXPECT_NE(std::find(triples.begin(), triples.end(), text), triples.end()) << text;
}

// A field that is no ball matches nothing; a ball standing twice in a line
// makes a text such as "0505", which chkBingo counts as the one ball 05.
TEST(HotCombos, OddFieldsScoreAsChkBingoDoes) {
  const std::vector<std::string> lines = {"0001,2009/01/02,100001,05,05,12,20,33,41,07",
                                          "0002,2009/01/03,100002,05,12,7x,20,33,44,07",
                                          "0003,2009/01/04,100003,05,20,33,41,42,43,07"};
  const PeriodMasks masks(lines);
  for (int k = 2; k <= 4; ++k) {
    SCOPED_TRACE(k);
    const auto stats = Count_Sumno(lines);
    const auto fast = rankHotCombos(stats.list(k), k, masks);
    EXPECT_EQ(fast, rankHotCombosLiteral(stats.list(k), lines));
    for (const auto& s : fast) {
      EXPECT_EQ(s.find('x'), std::string::npos) << s;
      EXPECT_EQ(std::stoi(s.substr(0, 3)), masks.chkBingo(s.substr(3))) << s;
    }
  }
  const auto pairs = memoFor(lines, 2);
  EXPECT_NE(std::find(pairs.begin(), pairs.end(), "0505  003"), pairs.end());
  const auto quads = memoFor(lines, 4);
  EXPECT_NE(std::find(quads.begin(), quads.end(), "05051220  002"), quads.end());
  EXPECT_EQ(Count_Sumno(lines).tally[0], 405);  // 05 in three lines, four fields
}

TEST(HotCombos, CountsAbove999RankAboveThreeDigitCounts) {
  std::vector<Row> rows(1000, Row{day(0), {1, 2, 3, 4, 5, 6, 7}});
  rows.insert(rows.end(), 999, Row{day(1), {7, 8, 9, 10, 11, 12, 13}});
  const auto pairs = memoFor(linesOf(tableOf(rows)), 2);
  ASSERT_EQ(pairs.size(), 30u);
  EXPECT_EQ(pairs.front(), "0506  1000");
  EXPECT_EQ(pairs[14], "0102  1000");
  EXPECT_EQ(pairs[15], "1112  999");
}

TEST(HotCombosProperty, FastMatchesLiteralOnRandomPeriods) {
  std::mt19937 rng(20240611);
  const std::vector<int> sizes = {0, 1, 2, 9, 60, 110, 180, 300};
  for (std::size_t it = 0; it < sizes.size(); ++it) {
    const int n = sizes[it];
    // A small pool makes combinations repeat across lines, the full range
    // makes most of them unique.
    std::vector<int> pool(49);
    std::iota(pool.begin(), pool.end(), 1);
    std::shuffle(pool.begin(), pool.end(), rng);
    pool.resize(it % 2 ? 49 : 9 + rng() % 6);
    std::vector<Row> rows;
    for (int r = 0; r < n; ++r) {
      std::shuffle(pool.begin(), pool.end(), rng);
      rows.push_back({day(r), {pool[0], pool[1], pool[2], pool[3], pool[4], pool[5], pool[6]}});
    }
    const auto t = tableOf(rows);
    // Sorted, drawn order, or a mix of both.
    const int mode = it % 3;
    std::vector<std::string> lines;
    for (int r = 1; r <= n; ++r) {
      const bool drawn = mode == 1 || (mode == 2 && rng() % 2);
      lines.push_back(periodLine(t, r, r, drawn ? BallOrder::Chosen : BallOrder::Sorted));
    }
    const auto stats = Count_Sumno(lines);
    const PeriodMasks masks(lines);
    for (int k = 2; k <= 4; ++k) {
      SCOPED_TRACE(testing::Message() << "iteration " << it << ", " << n << " lines, k = " << k);
      const auto fast = hotMemoLines(rankHotCombos(stats.list(k), k, masks), k);
      EXPECT_EQ(fast, hotMemoLines(rankHotCombosLiteral(stats.list(k), lines), k));
      EXPECT_EQ(fast.size(), stats.list(k).size());
    }
  }
}

// --- Golden seven ---

TEST(ChkBingo9, CountsDrawsOfTheRangeWithFourGroupBallsAmongTheRegularBalls) {
  const auto t = tableOf({
      {day(0), {1, 2, 3, 4, 5, 6, 40}},      // before the range
      {day(1), {30, 1, 31, 2, 3, 4, 40}},    // four, on the first day
      {day(2), {1, 2, 3, 30, 31, 32, 4}},    // three; the special ball is not looked at
      {day(3), {7, 6, 5, 4, 40, 41, 42}},    // four in drawn order
      {day(4), {1, 2, 3, 4, 5, 33, 40}},     // five, on the last day
      {day(5), {1, 2, 3, 4, 5, 6, 40}},      // after the range
  });
  EXPECT_EQ(chkBingo9(t, day(1), day(4), "01020304050607"), 3);
  EXPECT_EQ(chkBingo9(t, day(1), day(4), "07060504030201"), 3);
  EXPECT_EQ(chkBingo9(t, day(0), day(5), "01020304050607"), 5);
  EXPECT_EQ(chkBingo9(t, day(4), day(1), "01020304050607"), 0);
}

TEST(GoldenSeven, ReportsTheTopGroupsWithTheirCounts) {
  struct Case {
    const char* name;
    std::vector<Row> rows;
    std::string first, tenth;
  };
  std::vector<Row> big(1000, Row{day(1), {1, 2, 3, 4, 40, 41, 42}});
  big.insert(big.end(), 999, Row{day(2), {20, 21, 22, 23, 42, 43, 44}});
  const std::vector<Case> cases = {
      {"four balls shared by three draws",
       {{day(0), {1, 2, 3, 4, 30, 31, 5}}, {day(1), {30, 4, 3, 31, 2, 1, 5}}, {day(2), {1, 2, 3, 4, 30, 31, 5}}},
       "第 01 組號碼 01 02 03 04 23 24 25 開出四星以上3 次",
       "第 10 組號碼 01 02 03 04 21 22 23 開出四星以上3 次"},
      // A draw line may name a ball more than once; each occurrence is a hit.
      {"one ball drawn four times",
       {{day(0), {5, 5, 5, 5, 40, 41, 42}}},
       "第 01 組號碼 05 20 21 22 23 24 25 開出四星以上1 次",
       "第 10 組號碼 05 18 20 21 23 24 25 開出四星以上1 次"},
      {"a count above 999 ranks above 999",
       big,
       "第 01 組號碼 01 02 03 04 23 24 25 開出四星以上1000 次",
       "第 10 組號碼 01 02 03 04 21 22 23 開出四星以上1000 次"},
  };
  const auto selected = ballTexts(1, 25);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto t = tableOf(c.rows);
    const auto r = goldenSeven(t, day(0), day(9), selected);
    const auto lines = r.reportLines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.front(), c.first);
    EXPECT_EQ(lines.back(), c.tenth);
    for (const auto& s : r.top)
      EXPECT_EQ(std::stoi(s.substr(0, s.size() - 14)), chkBingo9(t, day(0), day(9), s.substr(s.size() - 14))) << s;
  }
}

TEST(GoldenSeven, EmptyDateRangeListsNothing) {
  const auto t = tableOf({{day(0), {1, 2, 3, 4, 5, 6, 7}}, {day(5), {1, 2, 3, 4, 5, 6, 7}}});
  const auto r = goldenSeven(t, day(1), day(4), ballTexts(1, 25));
  EXPECT_TRUE(r.computed);
  EXPECT_TRUE(r.reportLines().empty());
  // Every group scores 000 and the greatest texts replace the start value.
  EXPECT_EQ(r.top[0], "00019202122232425");
  EXPECT_EQ(r.top[9], "00017192122232425");
}

TEST(GoldenSeven, RefusesFewerThan25SelectedBalls) {
  const auto t = tableOf({{day(0), {1, 2, 3, 4, 5, 6, 7}}});
  // 24 selected; entry 25 is left over from an earlier, larger selection.
  Selection sel;
  for (int i = 1; i <= 25; ++i) sel.balls[i] = format00(i);
  sel.count = 24;
  GoldenSeven g;
  EXPECT_FALSE(g.init(t, day(0), day(0), sel.selected()));
  EXPECT_TRUE(g.finished());
  EXPECT_FALSE(g.step(1000));
  EXPECT_FALSE(g.result().computed);
  EXPECT_TRUE(g.result().reportLines().empty());
  EXPECT_FALSE(goldenSevenLiteral(t, day(0), day(0), sel.selected()).computed);

  auto twice = ballTexts(1, 25);
  twice[24] = "01";
  EXPECT_FALSE(goldenSeven(t, day(0), day(0), twice).computed);
  sel.count = 25;
  EXPECT_TRUE(g.init(t, day(0), day(0), sel.selected()));
}

TEST(GoldenSeven, StepsCoverEveryGroupOnce) {
  const auto t = tableOf({{day(0), {1, 2, 3, 4, 5, 6, 7}}});
  GoldenSeven g;
  ASSERT_TRUE(g.init(t, day(0), day(0), ballTexts(1, 25)));
  EXPECT_EQ(g.total(), kGoldenGroups);
  EXPECT_TRUE(g.step(1000));
  EXPECT_EQ(g.done(), 1000);
  while (g.step(99999)) {
  }
  EXPECT_EQ(g.done(), kGoldenGroups);
  EXPECT_EQ(g.result().top, goldenSeven(t, day(0), day(0), ballTexts(1, 25)).top);
}

namespace {

// A random history whose draws lean towards `favoured` so that groups reach
// four hits; now and then a draw names one ball twice.
std::vector<Row> randomHistory(std::mt19937& rng, int n, int days, const std::vector<int>& favoured) {
  std::vector<Row> rows;
  for (int r = 0; r < n; ++r) {
    std::vector<int> pool = favoured;
    std::shuffle(pool.begin(), pool.end(), rng);
    pool.resize(3 + rng() % 4);
    while (pool.size() < 7) {
      const int b = 1 + rng() % 49;
      if (std::find(pool.begin(), pool.end(), b) == pool.end()) pool.push_back(b);
    }
    std::shuffle(pool.begin(), pool.begin() + 6, rng);
    if (rng() % 10 == 0) pool[1] = pool[0];
    rows.push_back({day(rng() % days), {pool[0], pool[1], pool[2], pool[3], pool[4], pool[5], pool[6]}});
  }
  std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.date < b.date; });
  return rows;
}

}  // namespace

// The literal search reads every draw for each of the 480,700 groups, so the
// full comparison runs on a handful of draws, and longer histories are
// compared on a prefix of the groups (the stepped search reports the top ten
// of the groups scored so far).
TEST(GoldenSevenProperty, FastMatchesLiteralOnRandomHistories) {
  std::mt19937 rng(7700);
  struct Run {
    int draws;
    int groups;
  };
  const std::vector<Run> runs = {
      {4, kGoldenGroups}, {50, 20000}, {250, 3000}, {120, 6000}};
  for (std::size_t it = 0; it < runs.size(); ++it) {
    SCOPED_TRACE(testing::Message() << "run " << it);
    std::vector<int> balls(49);
    std::iota(balls.begin(), balls.end(), 1);
    std::shuffle(balls.begin(), balls.end(), rng);
    balls.resize(25);
    if (it % 2 == 1) std::sort(balls.begin(), balls.end());
    std::vector<std::string> selected;
    for (int b : balls) selected.push_back(format00(b));
    // Lean towards the balls of the first groups.
    const std::vector<int> favoured(balls.begin(), balls.begin() + 12);
    const auto t = tableOf(randomHistory(rng, runs[it].draws, 20, favoured));
    const Date d1 = day(rng() % 5), d2 = day(12 + rng() % 10);

    GoldenSeven g;
    ASSERT_TRUE(g.init(t, d1, d2, selected));
    while (g.done() < runs[it].groups) g.step(std::min<int>(1 + rng() % 40000, runs[it].groups - g.done()));
    const auto fast = g.result();
    const auto literal = goldenSevenLiteral(t, d1, d2, selected, runs[it].groups);
    EXPECT_EQ(fast.top, literal.top);
    EXPECT_EQ(fast.reportLines(), literal.reportLines());
  }
}
