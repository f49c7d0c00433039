#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <random>
#include <set>

#include "core/pillars/layouts.h"
#include "core/pillars/selection.h"

using namespace tovrin;

namespace {

std::string two(int v) {
  char b[8];
  std::snprintf(b, sizeof b, "%02d", v);
  return b;
}

std::vector<std::string> balls(std::initializer_list<int> v) {
  std::vector<std::string> out;
  for (int b : v) out.push_back(two(b));
  return out;
}

std::vector<std::string> ballRange(int from, int to) {
  std::vector<std::string> out;
  for (int b = from; b <= to; ++b) out.push_back(two(b));
  return out;
}

// A PeriodLine with the six given ball fields (any two-character texts).
std::string periodLine(int running, const std::vector<std::string>& six) {
  char head[32];
  std::snprintf(head, sizeof head, "%04d,2020/01/01,100001", running);
  std::string s = head;
  for (const auto& b : six) s += "," + b;
  return s + ",49";
}

// Deterministic everywhere: only the raw engine output is used.
struct Rng {
  std::mt19937 e;
  explicit Rng(uint32_t seed) : e(seed) {}
  int below(int n) { return static_cast<int>(e() % static_cast<uint32_t>(n)); }
  bool chance(int percent) { return below(100) < percent; }
};

std::vector<std::string> randomSelection(Rng& r, int n) {
  std::vector<int> pool;
  for (int b = 1; b <= 49; ++b) pool.push_back(b);
  std::vector<int> pick;
  for (int i = 0; i < n; ++i) {
    const int k = r.below(static_cast<int>(pool.size()));
    pick.push_back(pool[k]);
    pool.erase(pool.begin() + k);
  }
  std::sort(pick.begin(), pick.end());
  std::vector<std::string> out;
  for (int b : pick) out.push_back(two(b));
  return out;
}

// Draws that lean on the selection so that groups of three and four occur,
// mixed with balls from outside it, and now and then a line as a user might
// have edited it: a field that is no ball, a repeated ball, "00", a cut line.
std::vector<std::string> randomPeriod(Rng& r, const std::vector<std::string>& selected, int n) {
  std::vector<std::string> lines;
  for (int d = 0; d < n; ++d) {
    std::vector<std::string> six;
    while (six.size() < 6) {
      std::string b = r.chance(65) ? selected[r.below(static_cast<int>(selected.size()))] : two(1 + r.below(49));
      if (std::find(six.begin(), six.end(), b) == six.end()) six.push_back(b);
    }
    std::string line;
    if (r.chance(12)) {
      static const char* odd[] = {"5 ", "ab", "99", "00", " 7", "64"};
      six[r.below(6)] = odd[r.below(6)];
    }
    if (r.chance(8)) {
      const int from = r.below(6), to = r.below(6);
      six[to] = six[from];
    }
    line = periodLine(d + 1, six);
    if (r.chance(5)) line.resize(23 + 3 * r.below(6) + r.below(2));
    lines.push_back(line);
  }
  return lines;
}

// The report lines that follow the ordering line and its rule.
std::vector<std::string> resultLines(const std::vector<std::string>& report) {
  std::vector<std::string> out;
  for (const auto& l : report)
    if (l.find("碰---") != std::string::npos) out.push_back(l);
  return out;
}

const LayoutShape kShapes[] = {LayoutShape::P2x2x2x2, LayoutShape::P3x3x3, LayoutShape::P1x1x2x2x2,
                               LayoutShape::P2x2x3x3};

}  // namespace

TEST(PickType, CombinationsInLexicographicOrder) {
  struct Case {
    std::string got, expected;
  } cases[] = {
      {pick_type1("0102030405", 2), "0102" "0103" "0104" "0105"},
      {pick_type1("01020304", 3), "010203" "010204" "010304"},
      {pick_type1("0102030405", 4), "01020304" "01020305" "01020405" "01030405"},
      {pick_type2("01020304", 2), "0102" "0103" "0104" "0203" "0204" "0304"},
      {pick_type2("0102030405", 4), "01020304" "01020305" "01020405" "01030405" "02030405"},
      {pick_type2("030711", 3), "030711"},
      {pick_type1("0102", 3), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.expected);
  for (int k : {-1, 0, 1, 5, 6}) {
    EXPECT_EQ(pick_type1("0102030405060708", k), "") << k;
    EXPECT_EQ(pick_type2("0102030405060708", k), "") << k;
  }
}

TEST(PickType, SizesAndTheTwentyItemLimit) {
  std::string ten, twentyTwo;
  for (const auto& b : ballRange(1, 10)) ten += b;
  for (const auto& b : ballRange(1, 22)) twentyTwo += b;
  EXPECT_EQ(pick_type1(ten, 3).size(), std::size_t(choose(9, 2) * 6));
  EXPECT_EQ(pick_type2(ten, 4).size(), std::size_t(choose(10, 4) * 8));
  // Items past the twentieth are not split off.
  const std::string pairs = pick_type2(twentyTwo, 2);
  EXPECT_EQ(pairs.size(), std::size_t(choose(20, 2) * 4));
  EXPECT_EQ(pairs.substr(pairs.size() - 4), "1920");
}

TEST(Enumeration, EveryDivisionOnceInAscendingTextOrder) {
  const std::vector<std::string> sel = balls({3, 7, 11, 18, 24, 30, 41, 45, 47, 49});
  struct Case {
    LayoutShape shape;
    int n;
    std::size_t layouts;
    const char* first;
    bool smallestInPillar1;
  } cases[] = {
      {LayoutShape::P2x2x2x2, 8, 105, "0307111824304145", true},
      {LayoutShape::P3x3x3, 9, 280, "030711182430414547", true},
      {LayoutShape::P1x1x2x2x2, 8, 420, "0307111824304145", false},  // pillars 1 and 2: any two balls
      {LayoutShape::P2x2x3x3, 10, 2520, "03071118243041454749", true},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> mine(sel.begin(), sel.begin() + c.n);
    const auto texts = enumerateLayouts(c.shape, mine);
    ASSERT_EQ(texts.size(), c.layouts);
    EXPECT_EQ(texts.front(), c.first);
    EXPECT_TRUE(std::adjacent_find(texts.begin(), texts.end(), std::greater_equal<>()) == texts.end())
        << "not strictly ascending";
    std::set<std::set<std::set<std::string>>> divisions;
    for (const auto& t : texts) {
      const auto pillars = splitLayout(c.shape, t);
      std::set<std::set<std::string>> division;
      std::vector<std::string> all;
      for (const auto& p : pillars) {
        EXPECT_TRUE(std::is_sorted(p.begin(), p.end())) << t;
        division.insert(std::set<std::string>(p.begin(), p.end()));
        all.insert(all.end(), p.begin(), p.end());
      }
      std::sort(all.begin(), all.end());
      EXPECT_EQ(all, mine) << t;
      if (c.smallestInPillar1) {
        EXPECT_EQ(t.substr(0, 2), "03") << t;
      } else {
        EXPECT_LT(t.substr(0, 2), t.substr(2, 2)) << t;
      }
      // Pillars of equal size could be swapped: only the sets count.
      divisions.insert(division);
    }
    EXPECT_EQ(divisions.size(), c.layouts);
    EXPECT_TRUE(enumerateLayouts(c.shape, std::vector<std::string>(sel.begin(), sel.begin() + c.n - 1)).empty());
  }
}

TEST(Ranking, WithinTheKeyWidthsNumbersRankAsTheTextKeys) {
  Rng r(11);
  for (RankPriority p : {RankPriority::FourFirst, RankPriority::ThreeFirst, RankPriority::TwoFirst}) {
    for (int i = 0; i < 2000; ++i) {
      // Small ranges so that equal counts and equal prefixes are common.
      auto entry = [&] {
        const int wide[] = {9, 99, 999, 9999};
        const int w4 = wide[r.below(3)], w = wide[r.below(4)];
        RankEntry e{HitCounts{r.below(w + 1), r.below(w + 1), r.below(w4 + 1)}, two(1 + r.below(3))};
        e.layout += two(1 + r.below(3));
        return e;
      };
      const RankEntry a = entry(), b = entry();
      EXPECT_EQ(rankGreater(a, b, p), rankKeyText(a, p) > rankKeyText(b, p))
          << rankKeyText(a, p) << " vs " << rankKeyText(b, p);
    }
  }
  EXPECT_EQ(rankKeyText({HitCounts{215, 27, 1}, "0324074111301845"}, RankPriority::FourFirst),
            "00100270215_0324074111301845");
  EXPECT_EQ(rankKeyText({HitCounts{215, 27, 1}, "0324074111301845"}, RankPriority::ThreeFirst),
            "00270215001_0324074111301845");
  EXPECT_EQ(rankKeyText({HitCounts{215, 27, 1}, "0324074111301845"}, RankPriority::TwoFirst),
            "02150027001_0324074111301845");
}

TEST(Ranking, TotalsBeyondTheKeyWidthsRankByTheirNumbers) {
  struct Case {
    RankPriority p;
    HitCounts better, worse;  // two, three, four
  } cases[] = {
      {RankPriority::FourFirst, {5, 5, 1000}, {9999, 9999, 999}},
      {RankPriority::FourFirst, {0, 10000, 7}, {9999, 9999, 7}},
      {RankPriority::FourFirst, {12000, 3, 7}, {9999, 3, 7}},
      {RankPriority::ThreeFirst, {0, 10000, 0}, {9999, 9999, 999}},
      {RankPriority::ThreeFirst, {10001, 50, 0}, {9999, 50, 999}},
      {RankPriority::ThreeFirst, {10, 50, 1000}, {10, 50, 999}},
      {RankPriority::TwoFirst, {10000, 0, 0}, {9999, 9999, 999}},
      {RankPriority::TwoFirst, {10, 10000, 0}, {10, 9999, 999}},
  };
  for (const auto& c : cases) {
    // The worse entry has the greater layout text: only the numbers decide.
    const RankEntry better{c.better, "0102"}, worse{c.worse, "0304"};
    EXPECT_TRUE(rankGreater(better, worse, c.p));
    EXPECT_FALSE(rankGreater(worse, better, c.p));
    std::vector<RankEntry> v = {worse, better};
    sortRanked(v, c.p);
    EXPECT_EQ(v.front(), better);
  }
  const RankEntry big{HitCounts{12345, 10500, 1200}, "0102030405060708"};
  EXPECT_EQ(resultLine(LayoutShape::P2x2x2x2, RankPriority::FourFirst, big),
            "四星1200碰,三星10500碰,二星12345碰---(01,02) x (03,04) x (05,06) x (07,08)");
}

TEST(Report, ResultLinesByShapeAndPriority) {
  const RankEntry e8{HitCounts{215, 27, 1}, "0324074111301845"};
  const RankEntry e9{HitCounts{301, 40, 0}, "030724113041184547"};
  const RankEntry e10{HitCounts{301, 40, 2}, "03240741111830334547"};
  const RankEntry e11{HitCounts{88, 9, 0}, "0307113018452441"};
  struct Case {
    LayoutShape shape;
    RankPriority p;
    const RankEntry& e;
    const char* expected;
  } cases[] = {
      {LayoutShape::P2x2x2x2, RankPriority::FourFirst, e8,
       "四星1碰,三星27碰,二星215碰---(03,24) x (07,41) x (11,30) x (18,45)"},
      {LayoutShape::P2x2x2x2, RankPriority::ThreeFirst, e8,
       "三星27碰,二星215碰,四星1碰---(03,24) x (07,41) x (11,30) x (18,45)"},
      {LayoutShape::P2x2x3x3, RankPriority::TwoFirst, e10,
       "二星301碰,三星40碰,四星2碰---(03,24) x (07,41) x (11,18,30) x (33,45,47)"},
      {LayoutShape::P1x1x2x2x2, RankPriority::TwoFirst, e11,
       "四星0碰,三星9碰,二星88碰---(03) x (07) x (11,30) x (18,45) x (24,41)"},
      {LayoutShape::P3x3x3, RankPriority::ThreeFirst, e9, "三星40碰,二星301碰---(03,07,24) x (11,30,41) x (18,45,47)"},
  };
  for (const auto& c : cases) EXPECT_EQ(resultLine(c.shape, c.p, c.e), c.expected);
}

TEST(LayoutAnalysis, EmptyPeriodRanksByDescendingLayoutText) {
  const auto a =
      analyzeLayouts(LayoutShape::P2x2x2x2, ballRange(1, 8), {}, "最近 0 期驗證", RankPriority::FourFirst);
  ASSERT_EQ(a.ranked.size(), 105u);
  const std::vector<std::string> head = {"８碼立柱 = 2x2x2x2 優柱分析",
                                         "",
                                         "最近 0 期驗證",
                                         "",
                                         "您選擇的立柱號碼( 8 碼)",
                                         "01,02,03,04,05,06,07,08",
                                         "",
                                         "成本二星 24 碰",
                                         "成本三星 32 碰",
                                         "成本四星 16 碰",
                                         "",
                                         "以下按四星優先，四-三-二星開出統計排列",
                                         "￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣"};
  ASSERT_EQ(a.report.size(), head.size() + 40);
  EXPECT_EQ(std::vector<std::string>(a.report.begin(), a.report.begin() + head.size()), head);
  EXPECT_EQ(a.report[13], "四星0碰,三星0碰,二星0碰---(01,08) x (02,07) x (03,06) x (04,05)");
  EXPECT_EQ(a.report[14], "");
  EXPECT_EQ(a.report[15], "四星0碰,三星0碰,二星0碰---(01,08) x (02,07) x (03,05) x (04,06)");
  for (std::size_t i = 1; i < a.ranked.size(); ++i) EXPECT_GT(a.ranked[i - 1].layout, a.ranked[i].layout);
  EXPECT_EQ(a.best, (std::vector<std::vector<std::string>>{{"01", "08"}, {"02", "07"}, {"03", "06"}, {"04", "05"}}));
}

TEST(LayoutAnalysis, ReportFrameOfEachShape) {
  struct Case {
    LayoutShape shape;
    int n;
    const char* title;
    const char* cost[3];
    const char* ordering;
    int rule;
    std::size_t results;
  } cases[] = {
      {LayoutShape::P2x2x2x2, 8, "８碼立柱 = 2x2x2x2 優柱分析", {"24", "32", "16"},
       "以下按二星優先，二-三-四星開出統計排列", 20, 20},
      {LayoutShape::P3x3x3, 9, "９碼立柱 = 3x3x3 優柱分析", {"27", "27", "0"}, "以下按三星/二星次數排列三十組", 15, 30},
      {LayoutShape::P1x1x2x2x2, 8, "８碼立柱 = 1x1x2x2x2 優柱分析", {"25", "38", "28"},
       "以下按四星/三星/二星次數排列三十組", 17, 30},
      {LayoutShape::P2x2x3x3, 10, "１０碼立柱 = 2x2x3x3 優柱分析", {"37", "60", "36"},
       "以下按二星優先，二-三-四星開出統計排列", 20, 20},
  };
  for (const auto& c : cases) {
    const auto sel = ballRange(40 - c.n, 39);
    const auto a = analyzeLayouts(c.shape, sel, {periodLine(1, balls({31, 32, 33, 34, 35, 36}))}, "cap",
                                  RankPriority::TwoFirst);
    ASSERT_EQ(a.report.size(), 13 + 2 * c.results) << c.title;
    EXPECT_EQ(a.report[0], c.title);
    EXPECT_EQ(a.report[4], "您選擇的立柱號碼( " + std::to_string(c.n) + " 碼)");
    EXPECT_EQ(a.report[7], std::string("成本二星 ") + c.cost[0] + " 碰");
    EXPECT_EQ(a.report[8], std::string("成本三星 ") + c.cost[1] + " 碰");
    EXPECT_EQ(a.report[9], std::string("成本四星 ") + c.cost[2] + " 碰");
    EXPECT_EQ(a.report[11], c.ordering);
    std::string rule;
    for (int i = 0; i < c.rule; ++i) rule += "￣";
    EXPECT_EQ(a.report[12], rule);
    EXPECT_EQ(resultLines(a.report).size(), c.results);
    EXPECT_EQ(a.report.back(), "");
    EXPECT_EQ(a.best, splitLayout(c.shape, a.ranked.front().layout));
    EXPECT_TRUE(analyzeLayouts(c.shape, ballRange(1, c.n + 1), {}, "", RankPriority::FourFirst).report.empty());
  }
}

TEST(LayoutAnalysis, PriorityDecidesWhichCountRanksFirst) {
  // Nine draws in which the layout with most four-star hits, the one with most
  // three-star hits and the one with most two-star hits are three different layouts.
  const char* draws[] = {"02,03,04,06,09,10", "03,04,05,06,07,08", "01,02,03,06,07,10",
                         "01,02,04,06,08,10", "01,04,06,07,09,10", "02,03,04,06,08,10",
                         "02,05,06,07,09,10", "01,05,06,08,09,10", "01,03,04,08,09,10"};
  std::vector<std::string> lines;
  for (const char* d : draws) {
    std::vector<std::string> six;
    for (int i = 0; i < 6; ++i) six.push_back(std::string(d + 3 * i, 2));
    lines.push_back(periodLine(static_cast<int>(lines.size()) + 1, six));
  }
  const auto sel = ballRange(1, 8);
  const auto a0 = analyzeLayouts(LayoutShape::P2x2x2x2, sel, lines, "", RankPriority::FourFirst);
  const auto a1 = analyzeLayouts(LayoutShape::P2x2x2x2, sel, lines, "", RankPriority::ThreeFirst);
  const auto a2 = analyzeLayouts(LayoutShape::P2x2x2x2, sel, lines, "", RankPriority::TwoFirst);
  EXPECT_EQ(a0.report[13], "四星12碰,三星41碰,二星64碰---(01,04) x (02,05) x (03,08) x (06,07)");
  EXPECT_EQ(a1.report[13], "三星45碰,二星66碰,四星11碰---(01,04) x (02,05) x (03,06) x (07,08)");
  EXPECT_EQ(a2.report[13], "二星67碰,三星44碰,四星8碰---(01,02) x (03,06) x (04,05) x (07,08)");
  EXPECT_EQ(a1.report[11], "以下按三星優先，三-二-四星開出統計排列");
  // Each ranking is ordered by its own count first.
  auto sortedBy = [](const std::vector<RankEntry>& v, auto key) {
    return std::is_sorted(v.begin(), v.end(), [&](const RankEntry& x, const RankEntry& y) { return key(x) > key(y); });
  };
  EXPECT_TRUE(sortedBy(a0.ranked, [](const RankEntry& e) { return e.hits.four; }));
  EXPECT_TRUE(sortedBy(a1.ranked, [](const RankEntry& e) { return e.hits.three; }));
  EXPECT_TRUE(sortedBy(a2.ranked, [](const RankEntry& e) { return e.hits.two; }));
}

TEST(LayoutAnalysis, FixedOrderShapesIgnoreThePriority) {
  Rng r(5);
  for (LayoutShape shape : {LayoutShape::P3x3x3, LayoutShape::P1x1x2x2x2}) {
    const auto sel = randomSelection(r, shapeInfo(shape).balls);
    const auto lines = randomPeriod(r, sel, 40);
    const auto a0 = analyzeLayouts(shape, sel, lines, "c", RankPriority::FourFirst);
    for (RankPriority p : {RankPriority::ThreeFirst, RankPriority::TwoFirst}) {
      const auto a = analyzeLayouts(shape, sel, lines, "c", p);
      EXPECT_EQ(a.report, a0.report);
      EXPECT_EQ(a.best, a0.best);
    }
  }
}

TEST(LayoutAnalysis, TotalsBeyondTheKeyWidthsArePrintedInFull) {
  // 300 draws of 01,02,03,04,05,07: a layout that separates 06 and 08 holds
  // 2,2,1,1 drawn balls, so 4 four-star, 12 three-star and 13 two-star hits a draw.
  const std::vector<std::string> lines(300, periodLine(1, balls({1, 2, 3, 4, 5, 7})));
  const auto a = analyzeLayouts(LayoutShape::P2x2x2x2, ballRange(1, 8), lines, "", RankPriority::FourFirst);
  EXPECT_EQ(a.report[13], "四星1200碰,三星3600碰,二星3900碰---(01,08) x (02,07) x (03,06) x (04,05)");
  EXPECT_EQ(a.report, analyzeLayouts(LayoutShape::P2x2x2x2, ballRange(1, 8), lines, "", RankPriority::FourFirst,
                                     Scoring::Literal)
                          .report);
}

// The fast scoring must give exactly what CHECK_Bingo_pillar gives over the
// lines, for every layout, on random selections and periods, including empty
// ones and lines a user has edited.
TEST(LayoutAnalysis, FastScoringMatchesTheLiteralCheck) {
  Rng r(2024);
  const RankPriority priorities[] = {RankPriority::FourFirst, RankPriority::ThreeFirst, RankPriority::TwoFirst};
  int trial = 0;
  for (LayoutShape shape : kShapes) {
    for (int draws : {0, 1, 7, 30}) {
      const auto sel = randomSelection(r, shapeInfo(shape).balls);
      const auto lines = randomPeriod(r, sel, draws);
      const RankPriority p = priorities[trial++ % 3];
      const auto fast = analyzeLayouts(shape, sel, lines, "period", p, Scoring::Fast);
      const auto literal = analyzeLayouts(shape, sel, lines, "period", p, Scoring::Literal);
      ASSERT_EQ(fast.ranked, literal.ranked) << static_cast<int>(shape) << " with " << draws << " draws";
      EXPECT_EQ(fast.report, literal.report);
      EXPECT_EQ(fast.best, literal.best);
    }
  }
}

TEST(SubSelections, LeftOutPositionsInLexicographicOrder) {
  const auto t12 = subSelectionTable(SubSelectionKind::Choose12of8, ballRange(1, 12));
  ASSERT_EQ(t12.size(), 495u);
  EXPECT_EQ(t12.front(), "0506070809101112");
  EXPECT_EQ(t12[1], "0406070809101112");  // positions 1, 2, 3, 5 left out
  EXPECT_EQ(t12.back(), "0102030405060708");
  const auto sel15 = balls({2, 5, 9, 13, 17, 21, 25, 28, 31, 34, 38, 41, 44, 46, 49});
  const auto t15 = subSelectionTable(SubSelectionKind::Choose15of10, sel15);
  ASSERT_EQ(t15.size(), 3003u);
  EXPECT_EQ(t15.front(), "21252831343841444649");
  EXPECT_EQ(t15.back(), "02050913172125283134");
  // The left-out sets, read as ascending position lists, strictly increase.
  std::vector<std::vector<std::string>> leftOut;
  for (const auto& s : t15) leftOut.push_back(ballsLeftOut(sel15, s));
  for (const auto& l : leftOut) ASSERT_EQ(l.size(), 5u);
  EXPECT_TRUE(std::adjacent_find(leftOut.begin(), leftOut.end(), std::greater_equal<>()) == leftOut.end());
  EXPECT_TRUE(subSelectionTable(SubSelectionKind::Choose12of8, ballRange(1, 11)).empty());
}

TEST(SubSelections, ProgressCaptions) {
  struct Case {
    std::string got, expected;
  } cases[] = {
      {choose12of8Progress(1), "0%處理中"},       {choose12of8Progress(5), "1%處理中"},
      {choose12of8Progress(495), "99%處理中"},    {choose15of10Progress(1), "0.03%處理中"},
      {choose15of10Progress(2), "0.07%處理中"},   {choose15of10Progress(30), "1.00%處理中"},
      {choose15of10Progress(301), "10.03%處理中"}, {choose15of10Progress(3003), "100.10%處理中"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.expected);
}

namespace {

// Checks the result entries of an exhaustive report: each result line is
// followed by the balls it leaves out, exactly `left` of them, all selected,
// none in the layout; returns the ball sets of the reported layouts.
std::vector<std::set<std::string>> checkLeftOut(const std::vector<std::string>& report,
                                                const std::vector<std::string>& sel, std::size_t left) {
  std::vector<std::set<std::string>> layouts;
  for (std::size_t i = 0; i < report.size(); ++i) {
    const auto at = report[i].find("---");
    if (at == std::string::npos) continue;
    std::set<std::string> used;
    for (std::size_t k = at; k + 1 < report[i].size(); ++k)
      if (std::isdigit(static_cast<unsigned char>(report[i][k])) &&
          std::isdigit(static_cast<unsigned char>(report[i][k + 1])))
        used.insert(report[i].substr(k++, 2));
    EXPECT_EQ(used.size(), sel.size() - left);
    const std::string prefix = "【沒有用到的號碼：", suffix = "】";
    const std::string& next = report.at(i + 1);
    EXPECT_EQ(next.rfind(prefix, 0), 0u) << next;
    EXPECT_EQ(report.at(i + 2), "");
    std::string list = next.substr(prefix.size(), next.size() - prefix.size() - suffix.size());
    std::set<std::string> unused;
    for (std::size_t k = 0; k < list.size(); k += 3) {
      unused.insert(list.substr(k, 2));
      if (k + 2 < list.size()) {
        EXPECT_EQ(list[k + 2], 'x') << next;
      }
    }
    EXPECT_EQ(unused.size(), left) << next;
    for (const auto& b : unused) {
      EXPECT_FALSE(used.count(b)) << b;
      EXPECT_TRUE(std::count(sel.begin(), sel.end(), b)) << b;
    }
    EXPECT_EQ(used.size() + unused.size(), sel.size());
    layouts.push_back(used);
  }
  return layouts;
}

void runAll(SubSelectionRun& run) {
  while (run.step()) {
  }
}

}  // namespace

TEST(Choose12of8, FastRunMatchesTheLiteralRun) {
  Rng r(77);
  const auto sel = randomSelection(r, 12);
  const auto lines = randomPeriod(r, sel, 5);
  SubSelectionRun fast(SubSelectionKind::Choose12of8, sel, lines, "cap", RankPriority::ThreeFirst, Scoring::Fast);
  SubSelectionRun literal(SubSelectionKind::Choose12of8, sel, lines, "cap", RankPriority::ThreeFirst,
                          Scoring::Literal);
  runAll(fast);
  runAll(literal);
  ASSERT_EQ(fast.done(), 495);
  ASSERT_EQ(fast.bestTable(), literal.bestTable());
  EXPECT_EQ(fast.report("s", "e"), literal.report("s", "e"));
  EXPECT_EQ(fast.bestLayout(), literal.bestLayout());
}

// With no draws every layout ties at zero and the greatest LayoutText wins:
// 2x2x2x2 pairs the outermost balls, (b1,b8) x (b2,b7) x (b3,b6) x (b4,b5);
// 2x2x3x3 takes (b1,b10), then the greatest pair (b8,b9), then b2 with the
// greatest two left, (b2,b6,b7), and (b3,b4,b5).
TEST(SubSelections, EmptyPeriodTakesTheGreatestLayoutOfEachSubSelection) {
  Rng r(4);
  struct Case {
    SubSelectionKind kind;
    int balls, steps;
    std::vector<int> order;  // positions in the sub-selection of the greatest layout
  } cases[] = {
      {SubSelectionKind::Choose12of8, 12, 495, {0, 7, 1, 6, 2, 5, 3, 4}},
      {SubSelectionKind::Choose15of10, 15, 40, {0, 9, 7, 8, 1, 5, 6, 2, 3, 4}},
  };
  for (const auto& c : cases) {
    const auto sel = randomSelection(r, c.balls);
    SubSelectionRun run(c.kind, sel, {}, "", RankPriority::TwoFirst);
    for (int i = 0; i < c.steps; ++i) ASSERT_TRUE(run.step());
    for (int t = 0; t < c.steps; ++t) {
      const std::string& sub = run.subSelections()[t];
      std::string expected;
      for (int k : c.order) expected += sub.substr(2 * k, 2);
      EXPECT_EQ(run.bestTable()[t], (RankEntry{HitCounts{}, expected})) << t;
    }
  }
}

TEST(Choose12of8, ReportWithTheBallsLeftOut) {
  Rng r(3);
  const auto sel = randomSelection(r, 12);
  const auto lines = randomPeriod(r, sel, 120);
  SubSelectionRun run(SubSelectionKind::Choose12of8, sel, lines, "最近 120 期驗證", RankPriority::FourFirst);
  EXPECT_TRUE(run.bestLayout().empty());
  EXPECT_EQ(run.total(), 495);
  runAll(run);
  EXPECT_FALSE(run.step());
  EXPECT_EQ(run.done(), 495);
  const auto rep = run.report("2024/05/06 07:08:09", "2024/05/06 07:08:10");
  std::string joined;
  for (const auto& b : sel) joined += (joined.empty() ? "" : ",") + b;
  const std::vector<std::string> head = {"１２選８碼立柱 = 2x2x2x2 優柱分析",
                                         "",
                                         "最近 120 期驗證",
                                         "",
                                         "您選擇的立柱號碼",
                                         joined,
                                         "",
                                         "成本二星 24 碰",
                                         "成本三星 32 碰",
                                         "成本四星 16 碰",
                                         "",
                                         "以下按四星優先，四-三-二星開出統計排列",
                                         "￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣￣"};
  ASSERT_EQ(rep.size(), head.size() + 3 * 20 + 1);
  EXPECT_EQ(std::vector<std::string>(rep.begin(), rep.begin() + head.size()), head);
  EXPECT_EQ(rep.back(), "( 計算時間 2024/05/06 07:08:09 - 2024/05/06 07:08:10 )");
  EXPECT_EQ(checkLeftOut(rep, sel, 4).size(), 20u);
  const auto ranked = run.ranked();
  EXPECT_EQ(rep[13], resultLine(LayoutShape::P2x2x2x2, RankPriority::FourFirst, ranked.front()));
  EXPECT_EQ(run.bestLayout(), splitLayout(LayoutShape::P2x2x2x2, ranked.front().layout));
  // Each sub-selection's entry is the best layout of exactly its balls.
  for (int t : {0, 137, 494}) {
    const std::string& sub = run.subSelections()[t];
    std::vector<std::string> subBalls;
    for (std::size_t k = 0; k < sub.size(); k += 2) subBalls.push_back(sub.substr(k, 2));
    EXPECT_EQ(run.bestTable()[t],
              analyzeLayouts(LayoutShape::P2x2x2x2, subBalls, lines, "", RankPriority::FourFirst).ranked.front());
  }
}

TEST(Choose12of8, StoppedEarlyReportsOverWhatWasComputed) {
  Rng r(8);
  const auto sel = randomSelection(r, 12);
  SubSelectionRun run(SubSelectionKind::Choose12of8, sel, randomPeriod(r, sel, 50), "", RankPriority::TwoFirst);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(run.step());
  const auto layouts = checkLeftOut(run.report("a", "b"), sel, 4);
  ASSERT_EQ(layouts.size(), 3u);
  for (const auto& used : layouts) {
    std::string text;
    for (const auto& b : used) text += b;
    EXPECT_NE(std::find(run.subSelections().begin(), run.subSelections().begin() + 3, text),
              run.subSelections().begin() + 3);
  }
}

TEST(Choose15of10, WrongSelectionSizeHasNothingToCompute) {
  SubSelectionRun run(SubSelectionKind::Choose15of10, ballRange(1, 14), {}, "", RankPriority::FourFirst);
  EXPECT_EQ(run.total(), 0);
  EXPECT_FALSE(run.step());
  EXPECT_TRUE(run.bestLayout().empty());
}

namespace {

struct FullRun15 {
  std::vector<std::string> sel, lines;
  SubSelectionRun run;
};

// One complete 15取10 run shared by the tests below.
const FullRun15& fullRun15() {
  static const FullRun15* f = [] {
    Rng r(15);
    auto sel = randomSelection(r, 15);
    auto lines = randomPeriod(r, sel, 14);
    auto* x = new FullRun15{sel, lines,
                            SubSelectionRun(SubSelectionKind::Choose15of10, sel, lines, "最近 14 期驗證",
                                            RankPriority::ThreeFirst)};
    runAll(x->run);
    return x;
  }();
  return *f;
}

}  // namespace

TEST(Choose15of10, FullRunReportCoversAll3003) {
  const auto& f = fullRun15();
  ASSERT_EQ(f.run.done(), 3003);
  const auto rep = f.run.report("2024/01/01 10:00:00", "2024/01/01 10:00:01");
  ASSERT_EQ(rep.size(), 13 + 3 * 5 + 2u);
  EXPECT_EQ(rep[0], "１５選１０碼立柱 = 2x2x3x3 優柱分析");
  EXPECT_EQ(rep[4], "您選擇的立柱號碼");
  EXPECT_EQ(rep[7], "成本二星 37 碰");
  EXPECT_EQ(rep[8], "成本三星 60 碰");
  EXPECT_EQ(rep[9], "成本四星 36 碰");
  EXPECT_EQ(rep[11], "以下按三星優先，三-二-四星開出統計排列");
  EXPECT_EQ(rep[rep.size() - 2], "※ 以上結果為計算所有組合之 ﹙3003 / 3003 ﹚");
  EXPECT_EQ(rep.back(), " 計算時間 2024/01/01 10:00:00 - 2024/01/01 10:00:01 ");
  EXPECT_EQ(checkLeftOut(rep, f.sel, 5).size(), 5u);
  // The top line is the best of all sub-selections.
  const auto& best = f.run.bestTable();
  const auto top = *std::max_element(best.begin(), best.end(), [](const RankEntry& a, const RankEntry& b) {
    return rankGreater(b, a, RankPriority::ThreeFirst);
  });
  EXPECT_EQ(rep[13], resultLine(LayoutShape::P2x2x3x3, RankPriority::ThreeFirst, top));
  EXPECT_EQ(f.run.bestLayout(), splitLayout(LayoutShape::P2x2x3x3, top.layout));
}

// A literal 15取10 run is far too slow for a test; the fast run is checked against the
// literal scoring of single sub-selections spread over the table.
TEST(Choose15of10, BestOfSubSelectionsMatchTheLiteralCheck) {
  const auto& f = fullRun15();
  for (int t : {1, 1717, 3002}) {
    const std::string& sub = f.run.subSelections()[t];
    std::vector<std::string> subBalls;
    for (std::size_t k = 0; k < sub.size(); k += 2) subBalls.push_back(sub.substr(k, 2));
    const auto literal =
        analyzeLayouts(LayoutShape::P2x2x3x3, subBalls, f.lines, "", RankPriority::ThreeFirst, Scoring::Literal);
    EXPECT_EQ(f.run.bestTable()[t], literal.ranked.front()) << t;
  }
}

TEST(Choose15of10, StoppedRunMatchesTheLiteralRunOverTheComputedPrefix) {
  Rng r(1510);
  for (RankPriority p : {RankPriority::FourFirst}) {
    const auto sel = randomSelection(r, 15);
    const auto lines = randomPeriod(r, sel, 8);
    SubSelectionRun fast(SubSelectionKind::Choose15of10, sel, lines, "c", p, Scoring::Fast);
    SubSelectionRun literal(SubSelectionKind::Choose15of10, sel, lines, "c", p, Scoring::Literal);
    for (int i = 0; i < 7; ++i) {
      fast.step();
      literal.step();
    }
    ASSERT_EQ(fast.bestTable(), literal.bestTable());
    const auto rep = fast.report("s", "e");
    EXPECT_EQ(rep, literal.report("s", "e"));
    EXPECT_EQ(rep[rep.size() - 2], "※ 以上結果為計算所有組合之 ﹙7 / 3003 ﹚");
    // Only the seven computed sub-selections are ranked.
    for (const auto& used : checkLeftOut(rep, sel, 5)) {
      std::string text;
      for (const auto& b : used) text += b;
      const auto& subs = fast.subSelections();
      EXPECT_NE(std::find(subs.begin(), subs.begin() + 7, text), subs.begin() + 7) << text;
    }
  }
}
