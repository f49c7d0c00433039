#include <gtest/gtest.h>

#include <random>

#include "core/views/cycles.h"
#include "support/temp_dir.h"
#include "view_tables.h"

using namespace tovrin;
using testing_support::viewTable;

namespace {

// Ten draws: draw r holds balls 7(r-1)+1 .. 7(r-1)+7 wrapped into 1..49,
// the last of them as the special ball. Balls 1..21 come out twice (draws
// 1-3 and 8-10), 22..49 once.
DrawTable tenDraws() {
  std::vector<std::array<int, 7>> d(10);
  for (int r = 0; r < 10; ++r)
    for (int i = 0; i < 7; ++i) d[r][i] = (r * 7 + i) % 49 + 1;
  return viewTable(d);
}

// The whole grid as text, row by row, in the given column order.
std::vector<std::vector<std::string>> grid(const CycleTable& t, const std::vector<int>& order) {
  std::vector<std::vector<std::string>> g(t.rowCount);
  for (int r = 0; r < t.rowCount; ++r)
    for (int c : order) g[r].push_back(cycleCell(t, r, c));
  return g;
}

}  // namespace

TEST(CycleStatistics, CyclesEndEveryNDrawsAndAtTheLastDraw) {
  const auto t = tenDraws();
  struct Case {
    int n;
    int rowCount;
    std::vector<std::string> ends;  // draw numbers of the cycles' last draws
    std::string firstDate;          // date of the first row
    bool spare;                     // an empty last row
  } cases[] = {
      {3, 5, {"100003", "100006", "100009", "100010"}, "2020/01/03", false},
      {5, 4, {"100005", "100010"}, "2020/01/05", true},  // n divides 10
      {10, 3, {"100010"}, "2020/01/10", true},
      {11, 2, {"100010"}, "2020/01/10", false},  // beyond the history: one cycle
      {1, 12, {"100001", "100002", "100003", "100004", "100005", "100006", "100007", "100008", "100009", "100010"},
       "2020/01/01", true},
  };
  for (const auto& c : cases) {
    const auto table = show_map(t, 49, c.n, true, CycleKind::Balls);
    EXPECT_EQ(table.rowCount, c.rowCount) << c.n;
    EXPECT_EQ(table.numbers, c.ends) << c.n;
    EXPECT_EQ(cycleCell(table, 1, 0), c.firstDate) << c.n;
    EXPECT_EQ(cycleCell(table, c.rowCount - 1, 1).empty(), c.spare) << c.n;
  }
  // n = 3: the last row counts draw 10 alone (balls 15..21).
  const auto three = show_map(t, 49, 3, true, CycleKind::Balls);
  for (int b = 1; b <= 49; ++b) EXPECT_EQ(cycleCell(three, 4, b + 1), b >= 15 && b <= 21 ? "1" : "") << b;
  EXPECT_EQ(three.lbmax, "最大值  1");
  EXPECT_EQ(three.lbavr, "平均值  0.43");  // 3 * 7 / 49
}

TEST(CycleStatistics, WholeHistoryTotalsForBallsAndTails) {
  const auto t = tenDraws();
  const auto balls = show_map(t, 49, 10, true, CycleKind::Balls);
  for (int b = 1; b <= 49; ++b) EXPECT_EQ(cycleCell(balls, 1, b + 1), b <= 21 ? "2" : "1") << b;
  EXPECT_EQ(balls.lbmax, "最大值  2");
  EXPECT_EQ(balls.lbavr, "平均值  1.43");

  // Without special balls the multiples of 7 (always the special ball here) drop out.
  const auto six = show_map(t, 49, 10, false, CycleKind::Balls);
  for (int b = 1; b <= 49; ++b) EXPECT_EQ(cycleCell(six, 1, b + 1), b % 7 == 0 ? "" : b <= 21 ? "2" : "1") << b;
  EXPECT_EQ(six.lbavr, "平均值  1.22");  // 10 * 6 / 49

  // Tails: 0 has 10 20 30 40 + 10 20, 1 has 01 11 21 31 41 + 01 11 21, the others 5 + 2.
  const auto tails = show_map(t, 49, 10, true, CycleKind::Tails);
  EXPECT_EQ(tails.columnCount(), 12);
  const std::vector<std::string> tailRow = {"2020/01/10", "100010", "6", "8", "7", "7", "7", "7", "7", "7", "7", "7"};
  EXPECT_EQ(grid(tails, cycleColumnOrder(tails, false))[1], tailRow);
  EXPECT_EQ(cycleHeading(tails, 2), "0 尾");
  EXPECT_EQ(cycleHeading(tails, 11), "9 尾");
  EXPECT_EQ(tails.lbmax, "最大值  8");
  EXPECT_EQ(tails.lbavr, "平均值  7.00");
}

TEST(CycleStatistics, ExportLinesInBothColumnOrders) {
  const auto t = tenDraws();
  const auto table = show_map(t, 49, 5, true, CycleKind::Balls);
  auto lines = cycleExportLines(table, cycleColumnOrder(table, false));
  ASSERT_EQ(lines.size(), 4u);
  std::string head = "日     期, 期  數,";
  for (int b = 1; b <= 49; ++b) head += format00(b) + ",";
  EXPECT_EQ(lines[0], head);
  // Draws 6..10: balls 36..49 and 1..21 once each.
  std::string second = "2020/01/10,100010,";
  for (int b = 1; b <= 49; ++b) second += (b <= 21 || b >= 36 ? "1," : ",");
  EXPECT_EQ(lines[2], second);
  EXPECT_EQ(lines[3], std::string(51, ','));

  lines = cycleExportLines(table, cycleColumnOrder(table, true));
  EXPECT_TRUE(lines[0].starts_with("日     期, 期  數,10,20,30,40,01,11,21,31,41,02,12,")) << lines[0];
  EXPECT_TRUE(lines[0].ends_with(",09,19,29,39,49,"));
}

TEST(CycleStatistics, EmptyHistory) {
  const DrawTable t;
  const auto table = show_map(t, 49, 1, true, CycleKind::Balls);
  EXPECT_EQ(table.rowCount, 2);
  EXPECT_EQ(table.cycles(), 0);
  EXPECT_EQ(table.lbmax, "最大值  0");
  EXPECT_EQ(cycleExportLines(table, cycleColumnOrder(table, false))[1], std::string(51, ','));
}

TEST(CycleStatistics, RealBigLotto) {
  testing_support::TempDir dir;
  testing_support::copyData(kBigLottoFile, dir.path());
  DrawHistory h(dir.path());
  h.fullReload("2026/12/10");
  const auto one = show_map(h.table, 49, 1, true, CycleKind::Balls);
  EXPECT_EQ(one.rowCount, 2165);
  EXPECT_EQ(one.lbavr, "平均值  0.14");
  EXPECT_EQ(one.lbmax, "最大值  1");
  const auto hundred = show_map(h.table, 49, 100, true, CycleKind::Balls);
  EXPECT_EQ(hundred.cycles(), 22);
  EXPECT_EQ(cycleCell(hundred, 22, 0), "2026/08/21");
  EXPECT_EQ(hundred.lbavr, "平均值  14.29");
  EXPECT_EQ(hundred.lbmax, "最大值  26");
  const auto tails = show_map(h.table, 49, 100, true, CycleKind::Tails);
  EXPECT_EQ(tails.lbavr, "平均值  70.00");
  EXPECT_EQ(tails.lbmax, "最大值  91");
}

TEST(CycleStatistics, FastEqualsLiteralOnRandomHistories) {
  std::mt19937 rng(1405);
  for (int count : {1, 13, 30}) {
    const auto t = testing_support::randomTable(rng, count);
    for (int n = 1; n <= count + 5; ++n)
      for (bool sp : {true, false})
        for (auto kind : {CycleKind::Balls, CycleKind::Tails})
          for (bool byTail : {false, true}) {
            if (kind == CycleKind::Tails && byTail) continue;
            const auto lit = show_map_Literal(t, 49, n, sp, kind, byTail);
            const auto table = show_map(t, 49, n, sp, kind);
            const auto order = cycleColumnOrder(table, byTail);
            const auto& shown = byTail ? lit.sgmap2 : lit.sgmap;
            ASSERT_EQ(grid(table, order), shown) << count << " n=" << n << " sp=" << sp;
            if (kind == CycleKind::Balls) {
              ASSERT_EQ(grid(table, cycleColumnOrder(table, true)), lit.sgmap2);
            }
            ASSERT_EQ(cycleExportLines(table, order), lit.exportLines) << count << " n=" << n;
            ASSERT_EQ(table.lbavr, lit.lbavr);
            ASSERT_EQ(table.lbmax, lit.lbmax);
          }
  }
}
