#include <gtest/gtest.h>

#include "core/pillars/period.h"
#include "draw_fixture.h"

using namespace tovrin;
using testing_support::consecutiveDraws;
using testing_support::loadDraws;
using testing_support::TempDir;

TEST(PeriodLine, BallsStandAtPositions24To39) {
  TempDir dir;
  auto h = loadDraws(dir, {{"2009/01/02", "43,11,35,03,27,19,07"}});
  const std::string line = periodLine(h.table, 1, 1);
  EXPECT_EQ(line, "0001,2009/01/02,100001,03,11,19,27,35,43,07");
  const char* expected[] = {"03", "11", "19", "27", "35", "43"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(line.substr(23 + 3 * i, 2), expected[i]);
  EXPECT_EQ(periodLine(h.table, 1, 12, BallOrder::Chosen), "0012,2009/01/02,100001,43,11,35,03,27,19,07");
}

TEST(Queries, DateRangeIncludesBothEnds) {
  TempDir dir;
  auto h = loadDraws(dir, {{"2008/12/30", "01,02,03,04,05,06,07"},
                           {"2009/01/01", "01,02,03,04,05,06,07"},
                           {"2009/06/01", "01,02,03,04,05,06,07"},
                           {"2009/12/31", "01,02,03,04,05,06,07"},
                           {"2010/01/01", "01,02,03,04,05,06,07"}});
  const auto r = dateRangeQuery(h.table, {2009, 1, 1}, {2009, 12, 31});
  ASSERT_EQ(r.lines.size(), 3u);
  EXPECT_EQ(r.lines[0].substr(0, 15), "0001,2009/01/01");
  EXPECT_EQ(r.lines[2].substr(0, 15), "0003,2009/12/31");
  EXPECT_EQ(r.countText(), "  3");
  EXPECT_EQ(r.caption, "驗證期間：2009/01/01 至 2009/12/31 共   3 期");
  EXPECT_FALSE(r.newStart);
}

TEST(Queries, RecentNBeyondTheHistoryListsAll) {
  TempDir dir;
  auto h = loadDraws(dir, consecutiveDraws(30));
  const auto r = recentQuery(h.table, 50);
  ASSERT_EQ(r.lines.size(), 30u);
  EXPECT_EQ(r.lines.front().substr(0, 4), "0001");
  EXPECT_EQ(r.lines.back().substr(0, 4), "0030");
  EXPECT_EQ(r.newStart, (Date{2020, 1, 1}));
  EXPECT_EQ(r.caption, "最近 50 期驗證");
  const auto last5 = recentQuery(h.table, 5);
  ASSERT_EQ(last5.lines.size(), 5u);
  EXPECT_EQ(last5.newStart, (Date{2020, 1, 26}));
}

TEST(Queries, PeriodicTakesTheLatestAndEveryKthBefore) {
  TempDir dir;
  auto h = loadDraws(dir, consecutiveDraws(10));
  auto rowOf = [](const std::string& line) { return std::stoi(line.substr(13, 2)); };  // day = row
  auto all = periodicQuery(h.table, 3, 50);
  ASSERT_EQ(all.lines.size(), 4u);
  EXPECT_EQ((std::vector<int>{rowOf(all.lines[0]), rowOf(all.lines[1]), rowOf(all.lines[2]), rowOf(all.lines[3])}),
            (std::vector<int>{1, 4, 7, 10}));
  auto two = periodicQuery(h.table, 3, 2);
  ASSERT_EQ(two.lines.size(), 2u);
  EXPECT_EQ(two.lines[0].substr(0, 15), "0001,2020/01/07");
  EXPECT_EQ(two.lines[1].substr(0, 15), "0002,2020/01/10");
  EXPECT_EQ(two.newStart, (Date{2020, 1, 7}));
  EXPECT_EQ(two.caption, "每 3 期一次，取最近 2 期驗證");
}

TEST(Queries, EmptyTableAndNonPositiveCountsReadNothingOutside) {
  TempDir dir;
  auto empty = loadDraws(dir, {});
  for (const auto& r : {recentQuery(empty.table, 50), periodicQuery(empty.table, 2, 50),
                        dateRangeQuery(empty.table, {2009, 1, 1}, {2026, 1, 1}),
                        dragQuery(empty.table, DragParams{1, "05", 1, true, false})}) {
    EXPECT_TRUE(r.lines.empty());
    EXPECT_FALSE(r.newStart);
  }
  TempDir dir2;
  auto h = loadDraws(dir2, consecutiveDraws(10));
  EXPECT_TRUE(recentQuery(h.table, 0).lines.empty());
  EXPECT_FALSE(recentQuery(h.table, -3).newStart);
  EXPECT_TRUE(periodicQuery(h.table, 2, 0).lines.empty());
}

TEST(Queries, DragListsTheDrawsAfterEachMatchButTheNewest) {
  TempDir dir;
  // Ball 05 first in drawn order in draws 1, 3 and 5; special ball 05 in draw 2.
  auto h = loadDraws(dir, {{"2020/01/01", "05,10,20,30,40,45,01"},
                           {"2020/01/02", "11,12,13,14,15,16,05"},
                           {"2020/01/03", "05,21,22,23,24,25,02"},
                           {"2020/01/04", "31,32,33,34,35,36,03"},
                           {"2020/01/05", "05,41,42,43,44,46,04"}});
  DragParams p{1, "05", 1, true, false};
  auto r = dragQuery(h.table, p);
  ASSERT_EQ(r.lines.size(), 2u);  // after draws 1 and 3; draw 5 is the newest match
  EXPECT_EQ(r.lines[0], "0001,2020/01/02,100002,11,12,13,14,15,16,05");
  EXPECT_EQ(r.lines[1], "0002,2020/01/04,100004,31,32,33,34,35,36,03");
  EXPECT_EQ(r.caption, "《順球》當第 1 支開05之下1期統計驗證 (共 2 期)");

  p.fixed = false;  // any position, the special ball included
  r = dragQuery(h.table, p);
  ASSERT_EQ(r.lines.size(), 3u);
  EXPECT_EQ(r.lines[1].substr(5, 10), "2020/01/03");
  EXPECT_EQ(r.caption, "《順球》當05不定點開出 之下1期統計驗證 (共 3 期)");

  p.fixed = true;
  p.drawnOrder = true;
  p.later = 2;
  r = dragQuery(h.table, p);
  ASSERT_EQ(r.lines.size(), 1u);  // matches 1 and 3 (5 is past the range); 3 is the newest
  EXPECT_EQ(r.lines[0], "0001,2020/01/03,100003,05,21,22,23,24,25,02");
  EXPECT_EQ(r.caption, "《落球》當第 1 支開05之下2期統計驗證 (共 1 期)");
}

TEST(Queries, ReferenceDrawRefresh) {
  TempDir dir;
  auto h = loadDraws(dir, {{"2020/01/01", "05,10,20,30,40,45,01"}, {"2020/01/02", "41,12,03,14,15,16,07"}});
  auto ref = referenceDraw(h.table, "2020/01/02", 1, false);
  ASSERT_TRUE(ref);
  EXPECT_EQ(ref->ball, "03");
  EXPECT_EQ(ref->later, 1);
  EXPECT_EQ(referenceDraw(h.table, "2020/01/02", 1, true)->ball, "41");
  EXPECT_EQ(referenceDraw(h.table, "2020/01/02", 7, false)->ball, "07");
  EXPECT_EQ(referenceDraw(h.table, "2020/01/01", 2, false)->later, 2);
  EXPECT_FALSE(referenceDraw(h.table, "2019/01/01", 1, false));
  EXPECT_EQ(latestDates(h.table, 20), (std::vector<std::string>{"2020/01/02", "2020/01/01"}));
}

TEST(PeriodMasks, ChkBingoCountsLinesHoldingEveryBall) {
  const std::vector<std::string> lines = {
      "0001,2020/01/01,100001,05,12,20,30,40,45,01",
      "0002,2020/01/02,100002,05,12,13,14,15,16,20",  // special ball 20 never counts
      "0003,2020/01/03,100003,01,02,03,04,05,06,12",
      "short",
  };
  PeriodMasks m(lines);
  EXPECT_EQ(m.chkBingo("0512"), 2);
  EXPECT_EQ(m.chkBingo("051220"), 1);
  EXPECT_EQ(m.chkBingo("0505"), 3);  // a ball is counted once per line
  EXPECT_EQ(m.chkBingo("12"), 2);
  EXPECT_EQ(m.chkBingo("5x"), 0);
}
