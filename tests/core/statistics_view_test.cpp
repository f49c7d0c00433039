#include <gtest/gtest.h>

#include "core/history/draw_table.h"
#include "core/views/chart_upload.h"
#include "core/views/statistics_view.h"
#include "support/temp_dir.h"

using namespace tovrin;
using namespace tovrin::views;

namespace {

// Draws given as "yyyy/mm/dd" and seven ball texts in drawn order.
struct Row {
  std::string date;
  std::array<std::string, 7> balls;
};

DrawTable tableOf(const std::vector<Row>& rows) {
  DrawTable t;
  t.count = static_cast<int>(rows.size());
  for (int r = 0; r < t.count; ++r) {
    t.dates[r] = *Date::parse(rows[r].date);
    t.numbers[r] = std::to_string(100001 + r);
    t.drawn[r] = rows[r].balls;
  }
  return t;
}

Period wholeRange(bool special = true, int maxBall = 49) {
  return Period{{2000, 1, 1}, {2099, 12, 31}, special, maxBall};
}

// The real history, loaded as the main window loads it.
DrawTable realHistory(const char* file) {
  testing_support::TempDir dir;
  testing_support::copyData(file, dir.path());
  DrawHistory h(dir.path());
  h.selectGame(std::string(file) == kBigLottoFile);
  h.fullReload("2026/12/10");
  return h.table;
}

const Period kOpening{{2002, 1, 1}, {2026, 12, 10}, true, 49};

std::vector<std::pair<std::string, int>> slots(const BallBoard& b, int from, int to) {
  std::vector<std::pair<std::string, int>> out;
  for (int s = from; s <= to; ++s) out.emplace_back(format00(b.ranking[s - 1]), b.valueOfBall[b.ranking[s - 1] - 1]);
  return out;
}

}  // namespace

// Figures read off the real Big Lotto history by hand.
TEST(StatisticsViewRealHistory, BigLottoBoardsAndTails) {
  const DrawTable t = realHistory(kBigLottoFile);
  ASSERT_EQ(t.count, 2163);

  const BallBoard f = F1_btn123(t, kOpening);
  EXPECT_EQ(f.count, 2163);
  using S = std::vector<std::pair<std::string, int>>;
  EXPECT_EQ(slots(f, 1, 3), (S{{"08", 346}, {"41", 341}, {"02", 337}}));
  EXPECT_EQ(slots(f, 49, 49), (S{{"17", 268}}));
  EXPECT_EQ(f.average, "平均值為 309.00");
  const auto lines = printLines(f);
  ASSERT_EQ(lines.size(), 49u);
  EXPECT_EQ(lines.front(), "08-346");
  EXPECT_EQ(lines.back(), "17-268");

  const BallBoard noSpecial = F1_btn123(t, {kOpening.start, kOpening.end, false, 49});
  EXPECT_EQ(slots(noSpecial, 1, 3), (S{{"08", 296}, {"15", 288}, {"02", 286}}));
  EXPECT_EQ(noSpecial.average, "平均值為 264.86");

  const BallBoard a = F3_btn123(t, kOpening);
  EXPECT_EQ(slots(a, 1, 4), (S{{"22", 27}, {"28", 18}, {"38", 18}, {"48", 18}}));
  EXPECT_EQ(slots(a, 43, 49), (S{{"08", 0}, {"26", 0}, {"14", 0}, {"23", 0}, {"47", 0}, {"24", 0}, {"30", 0}}));
  for (int s = 43; s <= 49; ++s) EXPECT_TRUE(a.red[a.ranking[s - 1] - 1]) << s;
  EXPECT_FALSE(a.red[22 - 1]);
  EXPECT_EQ(a.average, "平均值為 5.94");

  const TailCount tails = tailCount(t, kOpening);
  EXPECT_EQ(tails.labels, (std::array<std::string, 10>{"1244", "1621", "1571", "1562", "1463", "1560", "1532", "1502",
                                                        "1555", "1531"}));
  EXPECT_EQ(tails.average, "平均值為 1514.10");

  const ChartTable c = chartTable(true, t, f, 49);
  EXPECT_EQ(c.title2, "096001-115081 期號碼統計 (前段)");
  EXPECT_EQ(c.pictures, (std::array<std::string, 3>{"small1.gif", "index1A.gif", "index1B.gif"}));
  EXPECT_EQ(c.radioButton, 2);
  ASSERT_EQ(c.top.size(), 6u);
  std::string topBalls;
  for (const auto& p : c.top) topBalls += p.label + " ";
  EXPECT_EQ(topBalls, "08 41 02 15 30 11 ");
}

TEST(StatisticsViewRealHistory, MarkSixChartTable) {
  const DrawTable t = realHistory(kMarkSixFile);
  const BallBoard f = F1_btn123(t, kOpening);
  EXPECT_EQ(f.average, "平均值為 428.57");
  const ChartTable c = chartTable(false, t, f, 49);
  EXPECT_EQ(c.title2, "004100至025134 期號碼統計 (前段)");
  EXPECT_EQ(c.title3, "004100至025134 期號碼統計 (後段)");
  EXPECT_EQ(c.footText, "六合彩號碼統計");
  EXPECT_EQ(c.pictures[0], "small3.gif");
  EXPECT_EQ(c.radioButton, 4);
}

// Three draws: the period bounds are whole days, balls outside 1..MaxBall and
// non-numbers are skipped, and the special ball counts only when asked.
TEST(StatisticsView, PeriodBoundsColumnsAndSkippedTexts) {
  const DrawTable t = tableOf({
      {"2020/01/01", {"01", "02", "03", "04", "05", "06", "07"}},
      {"2020/01/02", {"01", "02", "xx", "49", "50", "00", "09"}},
      {"2020/01/03", {"01", "10", "11", "12", "13", "14", "02"}},
  });
  struct Case {
    Period p;
    int count;
    int ball1, ball2, ball9, ball49;
  };
  const Case cases[] = {
      {wholeRange(true), 3, 3, 3, 1, 1},
      {wholeRange(false), 3, 3, 2, 0, 1},
      {{{2020, 1, 2}, {2020, 1, 3}, true, 49}, 2, 2, 2, 1, 1},
      {{{2020, 1, 2}, {2020, 1, 2}, true, 49}, 1, 1, 1, 1, 1},
      {{{2020, 1, 4}, {2020, 1, 9}, true, 49}, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const BallBoard b = F1_btn321(t, c.p);
    EXPECT_EQ(b.count, c.count);
    EXPECT_EQ(b.valueOfBall[0], c.ball1);
    EXPECT_EQ(b.valueOfBall[1], c.ball2);
    EXPECT_EQ(b.valueOfBall[8], c.ball9);
    EXPECT_EQ(b.valueOfBall[48], c.ball49);
    // Number order keeps every ball in its own slot.
    for (int s = 1; s <= 49; ++s) EXPECT_EQ(b.ranking[s - 1], s);
  }
  // 1 (ball 1) + 1 (ball 9) + 1 (ball 49) counted in draw 2 with the special ball.
  EXPECT_EQ(tailCount(t, {{2020, 1, 2}, {2020, 1, 2}, true, 49}).counters,
            (std::array<int, 10>{0, 1, 1, 0, 0, 0, 0, 0, 0, 2}));
}

TEST(StatisticsView, FrequencyTiesRankHigherBallFirstAndLabelsFollowTheBall) {
  // 05 and 40 twice, 03 and 44 once.
  const DrawTable t = tableOf({
      {"2020/01/01", {"05", "40", "03", "44", "50", "50", "50"}},
      {"2020/01/02", {"40", "05", "99", "99", "99", "99", "99"}},
  });
  const BallBoard b = F1_btn123(t, wholeRange());
  EXPECT_EQ(b.ranking[0], 40);
  EXPECT_EQ(b.ranking[1], 5);
  EXPECT_EQ(b.ranking[2], 44);
  EXPECT_EQ(b.ranking[3], 3);
  EXPECT_EQ(b.ranking[4], 49);  // all others 0: descending ball
  EXPECT_EQ(b.ranking[48], 1);
  EXPECT_EQ(b.labels[39], "2");
  EXPECT_EQ(b.labels[0], "0");
  EXPECT_FALSE(b.red[0]);
  EXPECT_EQ(printLines(b)[0], "40-02");
  EXPECT_EQ(b.average, "平均值為 0.29");  // 2 × 7 ÷ 49 = 0.2857
}

TEST(StatisticsView, HundredDrawsAverageAndEmptyPeriod) {
  std::vector<Row> rows;
  for (int i = 0; i < 100; ++i) {
    const Date d = Date::fromSerial(Date{2020, 1, 1}.serial() + i);
    rows.push_back({d.text(), {"01", "02", "03", "04", "05", "06", "07"}});
  }
  const DrawTable t = tableOf(rows);
  EXPECT_EQ(F1_btn123(t, wholeRange()).average, "平均值為 14.29");
  EXPECT_EQ(F1_btn123(t, wholeRange(false)).average, "平均值為 12.24");

  const Period none{{2030, 1, 1}, {2030, 1, 2}, true, 49};
  const BallBoard f = F1_btn123(t, none);
  EXPECT_EQ(f.count, 0);
  EXPECT_EQ(f.average, "平均值為 0.00");
  for (int b = 0; b < 49; ++b) {
    EXPECT_EQ(f.labels[b], "0");
    EXPECT_FALSE(f.red[b]);
  }
  // The absence ends at the end picker; before the first draw nothing counts.
  const BallBoard a = F3_btn123(t, {{2030, 1, 1}, {2019, 12, 31}, true, 49});
  EXPECT_EQ(a.count, 0);
  for (int b = 0; b < 49; ++b) {
    EXPECT_EQ(a.labels[b], "0");
    EXPECT_TRUE(a.red[b]);
  }
  EXPECT_EQ(a.average, "平均值為 0.00");
  const TailCount tc = tailCount(t, none);
  for (const auto& l : tc.labels) EXPECT_EQ(l, "");
  EXPECT_EQ(tc.average, "平均值為 0.00");
}

// Hand-worked with five balls: absences 2, 2, 1, 0, 3 (ball 5 only ever the
// special ball). The exchange sort puts ball 2 before ball 1.
TEST(StatisticsView, AbsenceRanksInExchangeSortOrder) {
  const DrawTable t = tableOf({
      {"2002/07/03", {"05", "04", "03", "02", "01", "10", "11"}},  // before the fixed start
      {"2020/01/01", {"01", "02", "10", "11", "12", "13", "14"}},
      {"2020/01/02", {"03", "10", "11", "12", "13", "14", "15"}},
      {"2020/01/03", {"04", "10", "11", "12", "13", "14", "05"}},
  });
  // The start picker is not used: a start after every draw changes nothing.
  const BallBoard a = F3_btn123(t, {{2025, 1, 1}, {2020, 1, 3}, false, 5});
  EXPECT_EQ(a.count, 3);
  EXPECT_EQ(a.ranking, (std::vector<int>{5, 2, 1, 3, 4}));
  EXPECT_EQ(a.labels, (std::vector<std::string>{"2", "2", "1", "0", "3"}));
  EXPECT_EQ(a.red, (std::vector<bool>{false, false, false, true, false}));
  EXPECT_EQ(a.average, "平均值為 1.60");

  const BallBoard withSpecial = F3_btn123(t, {{2025, 1, 1}, {2020, 1, 3}, true, 5});
  EXPECT_EQ(withSpecial.labels, (std::vector<std::string>{"2", "2", "1", "0", "0"}));
  EXPECT_EQ(withSpecial.ranking, (std::vector<int>{1, 2, 3, 4, 5}));
  // An end before the last draw: ball 4 (drawn only then) has not appeared.
  const BallBoard earlier = F3_btn123(t, {{2025, 1, 1}, {2020, 1, 2}, false, 5});
  EXPECT_EQ(earlier.labels, (std::vector<std::string>{"1", "1", "0", "2", "2"}));
}

TEST(StatisticsView, SlotPositions) {
  const std::pair<int, Point> pictures[] = {{1, {32, 16}}, {10, {392, 16}}, {11, {32, 72}}, {49, {352, 240}}};
  for (const auto& [s, p] : pictures) {
    EXPECT_EQ(slotPicture(s), p) << s;
    EXPECT_EQ(slotLabel(s), (Point{p.x - 8, p.y + 32})) << s;
  }
}

TEST(StatisticsView, ChartTableByGameAndMode) {
  const DrawTable t = tableOf({
      {"2020/01/01", {"01", "02", "03", "04", "05", "06", "07"}},
      {"2020/01/02", {"01", "02", "03", "04", "05", "06", "08"}},
  });
  const BallBoard f = F1_btn123(t, wholeRange());
  const BallBoard a = F3_btn123(t, wholeRange());
  struct Case {
    bool big;
    const BallBoard* board;
    const char *foot, *title2, *title3, *small, *halfA, *halfB;
    int radio;
  };
  const Case cases[] = {
      {true, &f, "大樂透號碼統計", "100001-100002 期號碼統計 (前段)", "100001-100002 期號碼統計 (後段)", "small1.gif",
       "index1A.gif", "index1B.gif", 2},
      {true, &a, "大樂透遠星統計", "100001-100002 期遠星號碼 (前段)", "100001-100002 期遠星統計 (後段)", "small2.gif",
       "index2A.gif", "index2B.gif", 2},
      {false, &f, "六合彩號碼統計", "100001至100002 期號碼統計 (前段)", "100001至100002 期號碼統計 (後段)",
       "small3.gif", "index3A.gif", "index3B.gif", 4},
      {false, &a, "六合彩遠星統計", "100001至100002 期遠星號碼 (前段)", "100001至100002 期遠星統計 (後段)",
       "small4.gif", "index4A.gif", "index4B.gif", 4},
  };
  for (const Case& c : cases) {
    const ChartTable ct = chartTable(c.big, t, *c.board, 49);
    EXPECT_EQ(ct.footText, c.foot);
    EXPECT_EQ(ct.title2, c.title2);
    EXPECT_EQ(ct.title3, c.title3);
    EXPECT_EQ(ct.pictures, (std::array<std::string, 3>{c.small, c.halfA, c.halfB}));
    EXPECT_EQ(ct.radioButton, c.radio);
  }
  // Frequency: 01..06 twice (ranked 06 05 .. 01), 07 and 08 once, the rest never.
  const ChartTable ct = chartTable(true, t, f, 49);
  EXPECT_EQ(ct.top, (std::vector<ChartPoint>{{"06", 2}, {"05", 2}, {"04", 2}, {"03", 2}, {"02", 2}, {"01", 2}}));
  ASSERT_EQ(ct.firstHalf.size(), 24u);
  EXPECT_EQ(ct.firstHalf[6], (ChartPoint{"08", 1}));
  EXPECT_EQ(ct.firstHalf[23], (ChartPoint{"34", 0}));  // 49, 48, … after the eight drawn balls
  ASSERT_EQ(ct.secondHalf.size(), 25u);
  EXPECT_EQ(ct.secondHalf.front(), (ChartPoint{"09", 0}));  // the last slot first
  EXPECT_EQ(ct.secondHalf.back(), (ChartPoint{"33", 0}));

  // No history: no draw numbers to name, bars of height 0.
  const DrawTable empty;
  const ChartTable none = chartTable(true, empty, F1_btn123(empty, wholeRange()), 49);
  EXPECT_EQ(none.title2, "");
  EXPECT_EQ(none.title3, "");
  ASSERT_EQ(none.top.size(), 6u);
  EXPECT_EQ(none.top[0], (ChartPoint{"49", 0}));
}

TEST(ChartUploadSettings, ServerAddressAndPassword) {
  const std::pair<const char*, std::optional<ServerAddress>> cases[] = {
      {"127.0.0.1:2121", ServerAddress{"127.0.0.1", 2121}},
      {"ftp.example.org", ServerAddress{"ftp.example.org", 21}},
      {"  host-1:21 ", ServerAddress{"host-1", 21}},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"host:", std::nullopt},
      {"host:0", std::nullopt},
      {"host:65536", std::nullopt},
      {"host:21x", std::nullopt},
      {":21", std::nullopt},
      {"user@host", std::nullopt},
      {"host/path", std::nullopt},
      {"ho st", std::nullopt},
      {"-x", std::nullopt},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(parseServerAddress(text), expected) << text;

  EXPECT_TRUE(isSendablePassword("abc def!"));
  EXPECT_TRUE(isSendablePassword(""));
  EXPECT_FALSE(isSendablePassword("ab\r\nDELE x"));
  EXPECT_FALSE(isSendablePassword("ab\n"));
  EXPECT_FALSE(isSendablePassword(std::string_view("a\0b", 3)));
}
