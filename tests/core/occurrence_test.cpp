#include <gtest/gtest.h>

#include "core/views/occurrence.h"
#include "support/temp_dir.h"
#include "view_tables.h"

using namespace tovrin;
using testing_support::viewTable;

namespace {

// draw 1: 45 10 47 20 30 44 | 05
// draw 2: 01 15 03 20 49 22 | 11
// draw 3: 10 12 13 14 16 40 | 05
const std::vector<std::array<int, 7>> kThree = {
    {45, 10, 47, 20, 30, 44, 5},
    {1, 15, 3, 20, 49, 22, 11},
    {10, 12, 13, 14, 16, 40, 5},
};

using Row = std::vector<std::string>;

Row row(std::string head, std::vector<std::string> cells, std::size_t width) {
  Row r{std::move(head)};
  for (auto& c : cells) r.push_back(std::move(c));
  r.resize(width, "  ");
  return r;
}

}  // namespace

TEST(OccurrenceGroups, GroupsAndMarksOfTheThirdDraw) {
  const auto t = viewTable(kThree);
  // Draws 1 and 2 with special balls: 20 twice, twelve balls once, 36 never.
  auto g = sumof(t, 49, 2, true);
  const std::size_t w = 13;  // 1 + the twelve balls seen once
  std::vector<Row> expected = {
      row("次數", {"  1", "  2", "  3", "  4", "  5", "  6", "  7", "  8", "  9", "  10", "  11", "  12"}, w),
      // The 36 unseen balls: only the first twelve fit.
      row("  0", {"02", "04", "06", "07", "08", "09", "12", "13", "14", "16", "17", "18"}, w),
      row("  1", {"01", "03", "05", "10", "11", "15", "22", "30", "44", "45", "47", "49"}, w),
      row("  2", {"20"}, w),
  };
  EXPECT_EQ(g.sg, expected);
  EXPECT_EQ(g.lbtitle, "第1期 至 第2期次群統計表");
  EXPECT_EQ(g.lbavr, "        平均值 .29");  // 2 * 7 / 49

  const auto loc = locateof(t, 3, g);
  ASSERT_TRUE(loc);
  EXPECT_EQ(loc->lb_is_no, "第 3 期號碼為   10  12  13  14  16  40  05");
  EXPECT_EQ(loc->Label3, "第 3 期 ");
  EXPECT_EQ(loc->lbavr2, "次群平均值 .29");  // (1 + 0 + 0 + 0 + 0 + 0 + 1) / 7
  expected[1] = row("  0", {"02", "04", "06", "07", "08", "09", "12●", "13●", "14●", "16●", "17", "18"}, w);
  expected[2] = row("  1", {"01", "03", "05★", "10●", "11", "15", "22", "30", "44", "45", "47", "49"}, w);
  EXPECT_EQ(g.sg, expected);  // 40 lies past the last column and stays unmarked
}

TEST(OccurrenceGroups, WithoutSpecialBalls) {
  const auto t = viewTable(kThree);
  auto g = sumof(t, 49, 2, false);
  ASSERT_EQ(g.sg.size(), 4u);
  EXPECT_EQ(g.sg[0].size(), 11u);
  EXPECT_EQ(g.sg[2], row("  1", {"01", "03", "10", "15", "22", "30", "44", "45", "47", "49"}, 11));
  EXPECT_EQ(g.lbavr, "        平均值 .24");  // 2 * 6 / 49
  const auto loc = locateof(t, 3, g);
  ASSERT_TRUE(loc);
  EXPECT_EQ(loc->lb_is_no, "第 3 期號碼為   10  12  13  14  16  40");
  EXPECT_EQ(loc->lbavr2, "次群平均值 .17");  // 1 / 6
  EXPECT_EQ(g.sg[2][3], "10●");
  EXPECT_EQ(g.sg[2][1], "01");  // the special ball 05 is not counted at all
}

TEST(OccurrenceGroups, FirstDrawAndPositionsWithoutADraw) {
  const auto t = viewTable(kThree);
  auto g = sumof(t, 49, 0, true);
  // Every ball unseen: one group, and no group among counts >= 1 gives one column.
  EXPECT_EQ(g.sg, (std::vector<Row>{{"次數"}, {"  0"}}));
  EXPECT_EQ(g.lbtitle, "第1期 至 第0期次群統計表");
  const auto loc = locateof(t, 1, g);
  ASSERT_TRUE(loc);
  EXPECT_EQ(loc->lbavr2, "次群平均值 .00");

  // After the newest draw: the groups cover every draw, nothing is marked.
  auto all = sumof(t, 49, 3, true);
  const auto before = all.sg;
  EXPECT_FALSE(locateof(t, 4, all));
  EXPECT_FALSE(locateof(t, 0, all));
  EXPECT_EQ(all.sg, before);
}

TEST(OccurrenceGroups, RealBigLottoNewestDraw) {
  testing_support::TempDir dir;
  testing_support::copyData(kBigLottoFile, dir.path());
  DrawHistory h(dir.path());
  h.fullReload("2026/12/10");
  const int n = h.table.count;
  auto g = sumof(h.table, 49, n - 1, true);
  EXPECT_EQ(g.lbtitle, "第1期 至 第2162期次群統計表");
  EXPECT_EQ(g.lbavr, "        平均值 308.86");
  EXPECT_EQ(g.sg.size(), 35u);  // headings and 34 groups
  EXPECT_EQ(g.sg[0].size(), 5u);
  EXPECT_EQ(g.sg[1][0], "  268");
  EXPECT_EQ(g.sg[1][1], "17");
  const auto loc = locateof(h.table, n, g);
  ASSERT_TRUE(loc);
  EXPECT_EQ(loc->lb_is_no, "第 2163 期號碼為   08  14  23  24  26  47  30");
  EXPECT_EQ(loc->lbavr2, "次群平均值 312.86");
  int stars = 0;
  for (const auto& r : g.sg)
    for (const auto& c : r) stars += c == "30★";
  EXPECT_EQ(stars, 1);

  auto six = sumof(h.table, 49, n - 1, false);
  EXPECT_EQ(six.lbavr, "        平均值 264.73");
  EXPECT_EQ(locateof(h.table, n, six)->lbavr2, "次群平均值 265.00");
}

TEST(LandingMap, BoardRotationAndMarks) {
  const auto t = viewTable(kThree);
  struct Case {
    int P;
    long long m;
    bool perDraw;
    std::string first, last;  // cells a A and g G
  } cases[] = {
      {3, 0, false, "01", "49"},
      {3, 3, false, "04", "03"},
      {3, 3, true, "10●", "09"},       // k = 3: shift 9
      {2, 3, true, "07", "06"},        // one draw back: shift 6
      {3, -1, false, "49", "48"},      // negative shifts wrap too
      {3, 49 * 7 + 3, false, "04", "03"},
      {0, 5, true, "06", "05"},        // no draw: k = 1, no marks
  };
  for (const auto& c : cases) {
    const auto cells = locate76(t, 49, c.P, c.m, c.perDraw);
    ASSERT_EQ(cells.size(), 49u);
    EXPECT_EQ(cells[0], c.first) << c.P << " " << c.m;
    EXPECT_EQ(cells[48], c.last) << c.P << " " << c.m;
  }
  // Draw 3 on the plain board: six dots and the special ball's star.
  const auto cells = locate76(t, 49, 3, 0, false);
  for (int i = 0; i < 49; ++i) {
    const int b = i + 1;
    const std::string ball = format00(b);
    const bool six = b == 10 || b == 12 || b == 13 || b == 14 || b == 16 || b == 40;
    EXPECT_EQ(cells[i], six ? ball + "●" : b == 5 ? ball + "★" : ball) << i;
  }
  // A product far beyond 32 bits: 2163 * 2147483647 leaves 7 modulo 49.
  const auto big = locate76(viewTable(std::vector<std::array<int, 7>>(2163, {1, 2, 3, 4, 5, 6, 7})), 49, 2163,
                            2147483647LL, true);
  EXPECT_EQ(big[0].substr(0, 2), "08");
}
