#include <gtest/gtest.h>

#include <random>
#include <set>

#include "core/views/nogood_groups.h"
#include "nogood_fixture.h"
#include "support/temp_dir.h"

using namespace tovrin;
using testing_support::tableOf;

namespace {

const DrawTable& realBigLotto() {
  static testing_support::TempDir dir;
  static DrawHistory h = [] {
    testing_support::copyData(kBigLottoFile, dir.path());
    DrawHistory hist(dir.path());
    hist.fullReload("2026/12/10");
    return hist;
  }();
  return h.table;
}

void expectSame(const groups::Search& fast, const groups::Search& literal) {
  EXPECT_EQ(fast.routes, literal.routes);
}

}  // namespace

// The real Big Lotto history up to 2026/08/21 (115081), default settings.
TEST(NogoodGroups, RealBigLottoDefaults) {
  const auto& t = realBigLotto();
  const auto base = groups::findBase(t, "2026/08/21");
  EXPECT_EQ(base.offset, 0);
  const auto s = groups::search(t, 49, {}, base);
  expectSame(s, groups::search_Literal(t, 49, {}, base));
  ASSERT_EQ(s.routes.size(), 198u);
  EXPECT_EQ(groups::routeCode(s.routes[0]), "NGG050744");

  const auto v = groups::showRoute(t, s, 1);
  EXPECT_EQ(v.code, "NGG050744");
  ASSERT_EQ(v.rows.size(), 14u);  // nine judged draws, five predictions (p = 5)
  EXPECT_EQ(v.rows[0][1], "115073");
  EXPECT_EQ(v.rows[0][10], "過關");
  EXPECT_EQ(v.rows[4][1], "115077");
  EXPECT_EQ(v.rows[4][10], "  1");
  EXPECT_EQ(v.rows[8][1], "115081");
  // Drawn order in the grid: 115081 was drawn 08 14 23 24 26 47, special 30.
  EXPECT_EQ((std::vector<std::string>(v.rows[8].begin() + 2, v.rows[8].begin() + 9)),
            (std::vector<std::string>{"08", "14", "23", "24", "26", "47", "30"}));
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(v.rows[8 + k][0], "下 " + std::to_string(k) + " 期預測");
    EXPECT_EQ(v.rows[8 + k][2], "");
  }
  ASSERT_EQ(v.summary.size(), 21u);
  EXPECT_EQ(v.summary[0], "第1組");
  EXPECT_EQ(v.summary[1], std::string(35, '-'));
  EXPECT_EQ(v.summary[2], "驗證條件：以基準日期 2026/08/21 的前九期 , 6 期以上爆 1 支以下的數據來預測本期號碼");
  EXPECT_EQ(v.summary[3], "版路代號：NGG050744 ( 8 碼)");
  EXPECT_EQ(v.summary[4], "預測及驗證：");
  EXPECT_EQ(v.summary[5], "115073期預測 08.10.21.30.36.39.41.46. 過關");
  EXPECT_EQ(v.summary[9], "115077期預測 05.06.07.36.38.41.46.49. 爆   1 支");
  EXPECT_EQ(v.summary[14], "下   1    期預測 01.15.21.23.41.42.46.49.");
  EXPECT_EQ(v.summary[19], "(爆支計算不包含特別號)");
  EXPECT_EQ(v.summary[20], " ");
}

TEST(NogoodGroups, RealBigLottoOlderBaseAndLooseSettings) {
  const auto& t = realBigLotto();
  const auto base = groups::findBase(t, "2026/08/11");
  EXPECT_EQ(base.offset, 3);
  const auto s = groups::search(t, 49, {}, base);
  expectSame(s, groups::search_Literal(t, 49, {}, base));
  ASSERT_EQ(s.routes.size(), 170u);
  EXPECT_EQ(groups::routeCode(s.routes[0]), "NGG010245");
  const auto v = groups::showRoute(t, s, 1);
  ASSERT_EQ(v.rows.size(), 13u);  // twelve stored draws, one prediction (p = 1)
  EXPECT_EQ(v.rows[11][1], "115081");
  EXPECT_EQ(v.rows[12][0], "下 1 期預測");
  EXPECT_EQ(v.summary[2].find("以基準日期 2026/08/11 的前九期"), std::string("驗證條件：").size());

  const groups::Settings loose{2, 5, 5};
  const auto all = groups::search(t, 49, loose, groups::findBase(t, "2026/08/21"));
  EXPECT_EQ(all.routes.size(), 2000u);
  expectSame(all, groups::search_Literal(t, 49, loose, all.base));
  const auto lines = groups::showAll(t, all);
  EXPECT_EQ(lines, groups::showAll_Literal(t, all));
  EXPECT_EQ(lines.front(), "第1組");
  EXPECT_EQ(lines.back(), "   ");
}

// Draw 1 sorted 10 20 30 40 41 42 (43), draw 2 sorted 09 18 30 40 41 42 (43):
// with p = 1, q = 2, m = 1 the first candidates are (−1 + 0) → 49,
// (−2 + 1) → 49, then 3, 4, 5 … ; two 49s become 49 and 01.
TEST(NogoodGroups, CoincidingCandidatesAreMadeDistinct) {
  const auto t = tableOf({{10, 20, 30, 40, 41, 42, 43}, {9, 18, 30, 40, 41, 42, 43}, {1, 2, 3, 4, 5, 6, 7}});
  const groups::Route r{1, 2, 1};
  struct Case {
    int count;
    const char* text;
  } cases[] = {
      {5, "01.03.04.05.49."},
      // Then 6, 7 from the equal balls and the sums (9+10) + 7 → 27, (18+20) + 8 → 47.
      {9, "01.03.04.05.06.07.27.47.49."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(groups::groupText(t, 49, c.count, r, 2), c.text) << c.count;
    EXPECT_EQ(groups::groupText_Literal(t, 49, c.count, r, 2), c.text) << c.count;
  }
}

TEST(NogoodGroups, BaseDateAndCountCorrection) {
  const auto t = tableOf(std::vector<std::array<int, 7>>(30, {1, 2, 3, 4, 5, 6, 7}));
  struct BaseCase {
    const char* text;
    int index;
    const char* shown;
  } bases[] = {{"2020/01/30", 29, "2020/01/30"}, {"2020/01/27", 26, "2020/01/27"},
               {"2019/12/31", 29, "2020/01/30"}, {"abc", 29, "2020/01/30"}, {"2020/01/19", 18, "2020/01/19"}};
  for (const auto& b : bases) {
    const auto base = groups::findBase(t, b.text);
    EXPECT_EQ(base.index, b.index) << b.text;
    EXPECT_EQ(base.offset, 29 - b.index) << b.text;
    EXPECT_EQ(base.dateText, b.shown) << b.text;
    EXPECT_TRUE(groups::canSearch(t, base)) << b.text;
  }
  // Base draw 18 (1-based) reads draw 0: too few before it.
  EXPECT_FALSE(groups::canSearch(t, groups::findBase(t, "2020/01/18")));

  struct CountCase {
    const char* text;
    int value;
  } counts[] = {{"8", 8}, {"14", 14}, {"5", 5}, {"15", 14}, {"99", 14}, {"4", 5}, {"-3", 5}, {"", 8}, {"x", 8}, {"1x", 8}};
  for (const auto& c : counts) EXPECT_EQ(groups::correctedCount(c.text), c.value) << c.text;
}

// Fast against literal on random histories: every burst limit and pass
// threshold, group sizes 5..14, bases 0..19 draws before the newest.
TEST(NogoodGroups, FastEqualsLiteralOnRandomTables) {
  std::mt19937 rng(8112026);
  for (int round = 0; round < 9; ++round) {
    const groups::Settings set{round % 3, 5 + round / 3, 5 + static_cast<int>(rng() % 10)};
    const int offset = static_cast<int>(rng() % 20);
    // A narrow pool makes hits frequent and collisions common.
    std::vector<int> pool = testing_support::allBalls();
    if (round % 2) pool.resize(16 + round);
    const auto t = testing_support::randomTable(rng, 19 + offset + static_cast<int>(rng() % 4), pool);
    const auto base = groups::findBase(t, t.dates[t.count - 1 - offset].text());
    ASSERT_EQ(base.offset, offset);
    SCOPED_TRACE("round " + std::to_string(round));
    const auto fast = groups::search(t, 49, set, base);
    const auto literal = groups::search_Literal(t, 49, set, base);
    expectSame(fast, literal);
    if (!fast.routes.empty()) {
      // The show-all text of up to 100 routes (2,000 are compared on the real history).
      auto some = fast;
      if (some.routes.size() > 100) some.routes.resize(100);
      EXPECT_EQ(groups::showAll(t, some), groups::showAll_Literal(t, some));
      const auto v = groups::showRoute(t, fast, static_cast<int>(fast.routes.size()));
      EXPECT_EQ(static_cast<int>(v.rows.size()), offset + 9 + groups::decode(fast.routes.back()).p);
    }
  }
  // Groups alone, many more: always N distinct ascending numbers.
  for (int table = 0; table < 30; ++table) {
    std::vector<int> pool = testing_support::allBalls();
    if (table % 2) pool.resize(10);
    const auto t = testing_support::randomTable(rng, 12, pool);
    for (int i = 0; i < 100; ++i) {
      const int p = 1 + static_cast<int>(rng() % 9);
      const groups::Route r{p, p + 1 + static_cast<int>(rng() % (10 - p)), 1 + static_cast<int>(rng() % 49)};
      const int count = 5 + i % 10;
      const auto text = groups::groupText(t, 49, count, r, 11);
      ASSERT_EQ(text, groups::groupText_Literal(t, 49, count, r, 11));
      ASSERT_EQ(static_cast<int>(text.size()), 3 * count) << text;
      for (int k = 1; k < count; ++k) ASSERT_LT(text.substr(3 * (k - 1), 2), text.substr(3 * k, 2)) << text;
    }
  }
}
