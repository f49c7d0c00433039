#include <gtest/gtest.h>

#include <random>

#include "core/views/ball_map.h"
#include "core/views/rule_maps.h"
#include "core/views/trace_table.h"
#include "views_fixture.h"

using namespace tovrin;
using testing_support::realHistory;
using testing_support::rowOfDraw;
using testing_support::tableOfBalls;

namespace {

// Six small draws; ball 3 in draw 3 is followed by 5 in draw 4, 7 in draw 5
// and 9 in draw 6, and 45/46 in draw 5 by 47/48 in draw 6.
const std::vector<std::string> kSix = {
    "01,02,03,04,05,06,07", "10,11,12,13,14,15,16", "03,20,21,22,23,24,25",
    "05,30,31,32,33,34,35", "07,41,42,43,44,45,46", "01,47,48,49,09,08,19",
};

RuleQuery query2(int x, int rowX, int y, int rowY, int offset = 0, bool fixed = false) {
  RuleQuery q;
  q.marks = 2;
  q.balls = {x, y, 0, 0};
  q.rows = {rowX, rowY, 0, 0};
  q.offset = offset;
  q.fixed = fixed;
  return q;
}

// Clicks the cells of (ball, row) picks in the given order.
void pickAll(PatternPicker& p, std::initializer_list<std::pair<int, int>> picks) {
  for (auto [ball, row] : picks) p.select(ball + 1, row);
}

}  // namespace

TEST(PatternPicker, TwoMarksStartTextsAndPickFlow) {
  PatternPicker p(2);
  EXPECT_EQ(p.cbText(1), "01");
  EXPECT_EQ(p.cbText(2), "02");
  EXPECT_EQ(p.labelText(2), "下? 期開");
  EXPECT_EQ(p.active(), 1);
  // Date and number columns and the heading row set no pick.
  EXPECT_EQ(p.select(1, 5), 0);
  EXPECT_EQ(p.select(5, 0), 0);
  EXPECT_EQ(p.select(15, 7), 1);  // ball 14 in row 7
  EXPECT_EQ(p.cbText(1), "14");
  EXPECT_EQ(p.active(), 2);
  EXPECT_EQ(p.select(9, 10), 2);  // ball 08 three draws later
  EXPECT_EQ(p.cbText(2), "08");
  EXPECT_EQ(p.labelText(2), "下3期開");
  EXPECT_EQ(p.active(), 0);
  EXPECT_EQ(p.select(20, 12), 0);  // no pick button down: nothing changes
  EXPECT_EQ(p.pick(2).row, 10);
  p.reset();
  EXPECT_EQ(p.cbText(1), "01");
  EXPECT_EQ(p.labelText(2), "下? 期開");
  EXPECT_FALSE(p.pick(1).isSet());
}

TEST(PatternPicker, TwoMarksKeepTheEarlierDrawFirstWhicheverPickCameLast) {
  // Each click: the pick button pressed, then the cell (ball, row) clicked.
  struct Click {
    int button, ball, row;
  };
  // Expected: ball and row of pick 1, then of pick 2.
  const std::vector<std::pair<std::vector<Click>, std::array<int, 4>>> cases = {
      // Second pick in an earlier draw: exchanged.
      {{{1, 14, 9}, {2, 8, 6}}, {8, 6, 14, 9}},
      // Second pick first, then the first in a later draw: exchanged too.
      {{{2, 8, 6}, {1, 14, 9}}, {8, 6, 14, 9}},
      // Re-picking the first ball after a complete pattern, past the second.
      {{{1, 3, 2}, {2, 4, 5}, {1, 30, 8}}, {4, 5, 30, 8}},
      // Same draw: not exchanged.
      {{{1, 14, 9}, {2, 8, 9}}, {14, 9, 8, 9}},
  };
  for (const auto& [clicks, want] : cases) {
    PatternPicker p(2);
    for (const auto& c : clicks) {
      p.press(c.button);
      p.select(c.ball + 1, c.row);
    }
    EXPECT_EQ(p.pick(1).ball, want[0]);
    EXPECT_EQ(p.pick(1).row, want[1]);
    EXPECT_EQ(p.pick(2).ball, want[2]);
    EXPECT_EQ(p.pick(2).row, want[3]);
    EXPECT_EQ(p.cbText(1), format00(want[0]));
    EXPECT_EQ(p.cbText(2), format00(want[2]));
    EXPECT_EQ(p.labelText(2), "下" + std::to_string(want[3] - want[1]) + "期開");
  }
}

TEST(PatternPicker, ThreeAndFourMarksSortByDrawThenBall) {
  PatternPicker p3(3);
  EXPECT_EQ(p3.cbText(2), "01");
  EXPECT_EQ(p3.labelText(3), "下 ? 期開");
  pickAll(p3, {{23, 12}, {25, 10}});
  // Not complete yet: texts as picked, distances from the unsorted first pick.
  EXPECT_EQ(p3.cbText(1), "23");
  EXPECT_EQ(p3.labelText(2), "下-2期開");
  EXPECT_EQ(p3.labelText(3), "下 ? 期開");
  pickAll(p3, {{14, 11}});
  EXPECT_EQ(p3.cbText(1), "25");
  EXPECT_EQ(p3.cbText(2), "14");
  EXPECT_EQ(p3.cbText(3), "23");
  EXPECT_EQ(p3.labelText(2), "下1期開");
  EXPECT_EQ(p3.labelText(3), "下2期開");
  EXPECT_EQ(p3.active(), 0);

  PatternPicker p4(4);
  pickAll(p4, {{30, 7}, {12, 7}, {5, 9}, {40, 4}});  // ties in a draw go by the smaller ball
  const int want[4][2] = {{40, 4}, {12, 7}, {30, 7}, {5, 9}};
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(p4.pick(j).ball, want[j - 1][0]) << j;
    EXPECT_EQ(p4.pick(j).row, want[j - 1][1]) << j;
  }
  EXPECT_EQ(p4.labelText(2), "下3期開");
  EXPECT_EQ(p4.labelText(3), "下3期開");
  EXPECT_EQ(p4.labelText(4), "下5期開");
}

TEST(RuleSearch, TwoMarksOnHandCheckedDraws) {
  const auto t = tableOfBalls(kSix);
  // Ball 45 in draw 5 followed by 47 in draw 6: distance 1, difference +2.
  struct Case {
    int offset;
    bool fixed;
    std::vector<int> results;
    std::vector<RuleMark> marks;
  };
  const std::vector<Case> cases = {
      // 3→5 (draws 3,4), 5→7 (4,5), 7→9, 45→47, 46→48 (5,6). A "２" left in
      // draw 4 and 5 is overwritten by the "１" of the next draw's match.
      {0, false, {4, 5, 6}, {{3, 3, 1}, {4, 5, 1}, {5, 7, 1}, {5, 45, 1}, {5, 46, 1}, {6, 9, 2}, {6, 47, 2}, {6, 48, 2}}},
      {0, true, {6}, {{5, 45, 1}, {6, 47, 2}}},
      {-1, false, {3, 4, 5}, {{3, 3, 1}, {4, 5, 1}, {5, 7, 1}, {5, 45, 1}, {5, 46, 1}, {6, 9, 2}, {6, 47, 2}, {6, 48, 2}}},
      // One later: the match in draw 5 would list draw 7 and leaves no marks.
      {1, false, {5, 6}, {{3, 3, 1}, {4, 5, 1}, {5, 7, 2}}},
      {-10, false, {}, {}},
  };
  for (const auto& c : cases) {
    const auto r = searchRule(t, 49, query2(45, 5, 47, 6, c.offset, c.fixed));
    EXPECT_TRUE(r.ran);
    EXPECT_EQ(r.results, c.results) << c.offset << c.fixed;
    EXPECT_EQ(r.marks, c.marks) << c.offset << c.fixed;
    const auto lit = searchRule_Literal(t, 49, query2(45, 5, 47, 6, c.offset, c.fixed));
    EXPECT_EQ(lit.results, c.results);
    EXPECT_EQ(lit.marks, c.marks);
  }
}

TEST(RuleSearch, SameDrawPairsFollowTheDrawnOrder) {
  // Pairs (v, v + 1) inside each draw: a ball that ends one pair and starts
  // the next keeps the mark written last, which the drawn order decides.
  const auto t = tableOfBalls({"01,02,03,04,05,06,07", "07,06,05,04,03,02,01", "10,20,30,40,41,42,43"});
  const std::vector<RuleMark> want = {{1, 1, 1}, {1, 2, 1}, {1, 3, 1}, {1, 4, 1}, {1, 5, 1}, {1, 6, 1}, {1, 7, 2},
                                      {2, 1, 1}, {2, 2, 2}, {2, 3, 2}, {2, 4, 2}, {2, 5, 2}, {2, 6, 2}, {2, 7, 2},
                                      {3, 40, 1}, {3, 41, 1}, {3, 42, 1}, {3, 43, 2}};
  for (auto search : {&searchRule, &searchRule_Literal}) {
    const auto r = search(t, 49, query2(1, 2, 2, 2));
    EXPECT_EQ(r.results, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(r.marks, want);
  }
}

TEST(RuleSearch, ThreeMarksOnHandCheckedDraws) {
  const auto t = tableOfBalls(kSix);
  RuleQuery q;
  q.marks = 3;
  q.balls = {3, 5, 7, 0};
  q.rows = {3, 4, 5, 0};
  // 3,5,7 in draws 3-5 and 5,7,9 in draws 4-6.
  const std::vector<RuleMark> want = {{3, 3, 1}, {4, 5, 1}, {5, 7, 2}, {6, 9, 3}};
  for (auto search : {&searchRule, &searchRule_Literal}) {
    const auto r = search(t, 49, q);
    EXPECT_EQ(r.results, (std::vector<int>{5, 6}));
    EXPECT_EQ(r.marks, want);
  }
}

TEST(RuleSearch, IncompleteOrBackwardPicksDoNotSearch) {
  const auto t = tableOfBalls(kSix);
  EXPECT_FALSE(searchRule(t, 49, query2(3, 0, 5, 4)).ran);
  EXPECT_FALSE(searchRule(t, 49, query2(3, 4, 5, 0)).ran);
  // A later pick in an earlier draw is refused instead of reading outside the table.
  EXPECT_FALSE(searchRule(t, 49, query2(3, 4, 5, 3)).ran);
  RuleQuery q;
  q.marks = 4;
  q.balls = {1, 2, 3, 4};
  q.rows = {1, 2, 0, 3};  // one row unset: refused, whatever the product of the others
  EXPECT_FALSE(searchRule(t, 49, q).ran);
  EXPECT_FALSE(searchRule_Literal(t, 49, q).ran);
}

// The expected counts come from an independent reading of the real history.
TEST(RuleSearch, RealBigLottoPatterns) {
  const auto& h = realHistory(true);
  const auto& t = h.table;
  const int r78 = rowOfDraw(t, "115078"), r79 = rowOfDraw(t, "115079"), r80 = rowOfDraw(t, "115080"),
            r81 = rowOfDraw(t, "115081");
  ASSERT_EQ(r81, t.count);
  auto count = [&](const RuleQuery& q) { return searchRule(t, 49, q).results.size(); };

  EXPECT_EQ(count(query2(14, r80, 14, r81)), 1473u);
  const auto fixed = searchRule(t, 49, query2(14, r80, 14, r81, 0, true));
  ASSERT_EQ(fixed.results.size(), 35u);
  EXPECT_EQ(t.dates[fixed.results.front() - 1].text(), "2008/10/28");
  EXPECT_EQ(fixed.results.back(), r81);
  const auto earlier = searchRule(t, 49, query2(14, r80, 14, r81, -1, true));
  EXPECT_EQ(earlier.results.size(), 35u);
  EXPECT_EQ(earlier.results.back(), r80);
  EXPECT_EQ(count(query2(14, r80, 14, r81, 1, true)), 34u);
  EXPECT_EQ(count(query2(8, r81, 14, r81)), 1269u);

  PatternPicker p3(3);
  pickAll(p3, {{23, r81}, {25, r79}, {14, r80}});
  EXPECT_EQ(count(p3.query(0, false)), 235u);
  PatternPicker p4(4);
  pickAll(p4, {{23, r81}, {25, r79}, {14, r80}, {12, r78}});
  EXPECT_EQ(count(p4.query(0, false)), 28u);
}

TEST(RuleSearch, FastSearchEqualsLiteralOnRandomPicks) {
  std::mt19937 rng(20261210);
  for (bool big : {true, false}) {
    const auto& t = realHistory(big).table;
    std::uniform_int_distribution<int> ball(1, 49), near(-5, 5), spread(0, 12);
    for (int n = 0; n < 48; ++n) {
      RuleQuery q;
      q.marks = 2 + n % 3;
      // Draws near the end as well as anywhere; same-draw picks now and then.
      const int base = n % 2 ? std::uniform_int_distribution<int>(1, t.count)(rng) : t.count - 15;
      for (int j = 0; j < q.marks; ++j) {
        q.balls[j] = ball(rng);
        q.rows[j] = std::clamp(base + (n % 5 == 0 ? 0 : spread(rng)), 1, t.count);
      }
      std::sort(q.rows.begin(), q.rows.begin() + q.marks);
      const int offsets[] = {near(rng), 3000, -3000};
      q.offset = offsets[n % 7 == 0 ? 1 + n % 2 : 0];
      q.fixed = n % 4 == 1;
      const auto fast = searchRule(t, 49, q);
      const auto lit = searchRule_Literal(t, 49, q);
      ASSERT_TRUE(fast.ran);
      ASSERT_EQ(fast.results, lit.results) << "game " << big << " case " << n;
      ASSERT_EQ(fast.marks, lit.marks) << "game " << big << " case " << n;
    }
  }
}

TEST(BallMap, RowsTextsAndOffsets) {
  const auto t = tableOfBalls({"08,14,23,24,26,47,30"});
  const auto row = mapRowTexts(t, 1, 49);
  ASSERT_EQ(row.size(), 51u);
  EXPECT_EQ(row[0], "2020/01/01");
  EXPECT_EQ(row[1], "100001");
  std::string marked;
  for (int b = 1; b <= 49; ++b)
    if (!row[b + 1].empty()) marked += format00(b) + row[b + 1] + " ";
  EXPECT_EQ(marked, "08● 14● 23● 24● 26● 30☆ 47● ");

  const std::pair<int, const char*> offsets[] = {{0, "本期"}, {-2, "上 2 期"}, {1, "下 1 期"}, {-15, "上 15 期"},
                                                 {123, "下 123 期"}};
  for (auto [o, text] : offsets) EXPECT_EQ(offsetText(o), text);
  EXPECT_EQ(shiftedRows({1, 2, 5, 6}, 1, 6), (std::vector<int>{2, 3, 6}));
  EXPECT_EQ(shiftedRows({1, 2, 5, 6}, -1, 6), (std::vector<int>{1, 4, 5}));
  EXPECT_EQ(ruleTotalText(35), "共 35 期");
}

TEST(TraceTable, CopiesMarkedRowsUpToTheLimitAndEmptiesTheRest) {
  TraceTable tt;
  std::vector<std::vector<std::string>> grid(3001, std::vector<std::string>(51));
  for (int r = 0; r < 3001; ++r) {
    grid[r][0] = "2020/01/01";
    grid[r][1] = std::to_string(100000 + r);
    grid[r][2 + r % 49] = "●";
  }
  grid[3000] = std::vector<std::string>(51);  // a blank last row, as under a listing
  tt.copyFrom(grid, "999999");
  EXPECT_EQ(tt.filledRows().size(), 3000u);
  EXPECT_EQ(tt.cell(2999, 1), "102999");
  EXPECT_EQ(tt.cell(2999, 2 + 2999 % 49), "*");
  EXPECT_EQ(tt.cell(2999, 2), "");

  // A shorter copy leaves nothing of the longer one; rows past the limit stay empty.
  std::vector<std::vector<std::string>> small = {{"2026/08/18", "115080", "", "☆", "●"},
                                                 {"2026/08/21", "115081", "●", "", ""},
                                                 {"", "", "", "", ""}};
  tt.copyFrom(small, "115080");
  EXPECT_EQ(tt.filledRows(), (std::vector<int>{0}));
  EXPECT_EQ(tt.cell(0, 0), "2026/08/18");
  EXPECT_EQ(tt.cell(0, 2), "");
  EXPECT_EQ(tt.cell(0, 3), "*");
  EXPECT_EQ(tt.cell(0, 4), "*");
  EXPECT_EQ(tt.cell(1200, 1), "");
}
