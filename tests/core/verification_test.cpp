#include <gtest/gtest.h>

#include "core/pillars/verification.h"
#include "core/util/date.h"

using namespace tovrin;

namespace {
using Pillars = std::vector<std::vector<std::string>>;
const Pillars kFourPairs = {{"01", "02"}, {"03", "04"}, {"05", "06"}, {"07", "08"}};
std::string periodLineWith(const std::string& balls) { return "0001,2020/01/01,109001," + balls; }
}  // namespace

TEST(PillarCheck, HitsFromPerPillarCounts) {
  struct Case {
    const char* name;
    Pillars pillars;
    std::string draw;
    HitCounts hits;
    std::array<std::string, 6> marks;
  } cases[] = {
      {"2,1,1,1", kFourPairs, "010203050740", {9, 7, 2}, {"01", "02", "03", "05", "07", "__"}},
      {"three in one pillar", {{"01", "02", "03"}, {"04", "05"}}, "010203404142", {0, 0, 0},
       {"01", "02", "03", "__", "__", "__"}},
      {"two pillars never three-star", {{"01", "02", "03"}, {"04", "05", "06"}}, "010203040506", {9, 0, 0},
       {"01", "02", "03", "04", "05", "06"}},
      {"nothing", kFourPairs, "404142434445", {0, 0, 0}, {"__", "__", "__", "__", "__", "__"}},
  };
  for (const auto& c : cases) {
    const auto r = CHECK_Bingo_pillar(c.pillars, c.draw);
    EXPECT_EQ(r.hits, c.hits) << c.name;
    EXPECT_EQ(r.marks, c.marks) << c.name;
  }
}

TEST(PillarCheck, AnnotatedLinesIgnoreTheSpecialBallAndSumTotals) {
  const std::vector<std::string> period = {
      periodLineWith("03,11,19,27,35,43,05"),  // special ball 05 is in pillar 1 and never counts
      periodLineWith("03,05,19,27,30,43,01"),
  };
  const auto v = verifyPillars({{"03", "05"}, {"27", "30"}}, period);
  EXPECT_EQ(v.annotated[0], period[0] + ",|,03,__,__,27,__,__,|,1,0,0");
  EXPECT_EQ(v.annotated[1], period[1] + ",|,03,05,__,27,30,__,|,4,0,0");
  EXPECT_EQ(v.totals, (HitCounts{5, 0, 0}));
  EXPECT_EQ(verifyPillars(kFourPairs, {}).totals, (HitCounts{}));
}

TEST(PillarCheck, ReportListsPillarsCostAndTotals) {
  const auto r = pillarReport({"最近 50 期驗證", {{"01", "02"}, {"03", "04", "05"}}, betCounts(std::vector<int>{2, 3}),
                               HitCounts{7, 0, 0}});
  const std::vector<std::string> expected = {
      "",           "最近 50 期驗證", "",         "第1柱",      "01",         "02",           "",
      "第2柱",      "03",             "04",       "05",         "",           "成本二星 6 碰", "成本三星 0 碰",
      "成本四星 0 碰", "",             "開出星星統計", "二星開出 7 碰", "三星開出 0 碰", "四星開出 0 碰"};
  EXPECT_EQ(r, expected);
}

TEST(LenponCheck, HitsAreBinomialsOfTheSelectedBallsDrawn) {
  std::vector<std::string> ten;
  for (int b = 1; b <= 10; ++b) ten.push_back(format00(b));
  struct Case {
    std::vector<std::string> selected;
    std::string draw;
    HitCounts hits;
  } cases[] = {
      {ten, "010203203040", {3, 1, 0}},
      {ten, "010203040506", {15, 20, 15}},
      {{"01", "02"}, "011112131415", {0, 0, 0}},
      {ten, "010204054142", {6, 4, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(CHECK_Bingo_lenpon(c.selected, c.draw).hits, c.hits) << c.draw;
  EXPECT_EQ(CHECK_Bingo_lenpon(ten, "010203203040").marks,
            (std::array<std::string, 6>{"01", "02", "03", "__", "__", "__"}));
}

TEST(LenponCheck, ReportAndDetailSwitch) {
  // The special ball 03 is selected but never counts: only 01 and 02 were drawn.
  const std::vector<std::string> period = {periodLineWith("01,02,20,30,40,41,03")};
  const auto detailed = verifyLenpon({"01", "02", "03"}, period, true);
  EXPECT_EQ(detailed.annotated[0], period[0] + ",|,01,02,__,__,__,__,|,1,0,0");
  const auto plain = verifyLenpon({"01", "02", "03"}, period, false);
  EXPECT_TRUE(plain.annotated.empty());
  EXPECT_EQ(plain.totals, detailed.totals);

  const auto r = lenponReport("cap", {"01", "02"}, HitCounts{1, 0, 0});
  EXPECT_EQ(r[3], "如果您選擇連碰號碼( 2 碼)");
  EXPECT_EQ(r[4], "01,02");
  EXPECT_EQ(r[6], "每期二星 1 碰");
  EXPECT_EQ(r[7], "每期三星 0 碰");
  EXPECT_EQ(r[8], "每期四星 0 碰");
  EXPECT_EQ(r[10], "※開出統計※");
  EXPECT_EQ(r.back(), "四星開出 0 碰");
  EXPECT_EQ(choose(36, 2), 630);
  EXPECT_EQ(choose(36, 3), 7140);
  EXPECT_EQ(choose(36, 4), 58905);
}
