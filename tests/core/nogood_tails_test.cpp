#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/views/nogood_tails.h"
#include "nogood_fixture.h"
#include "support/temp_dir.h"

using namespace tovrin;
using tails::BallOrder;
using testing_support::tableOf;

namespace {

const DrawHistory& realHistory(bool bigLotto) {
  static testing_support::TempDir dir;
  static DrawHistory big = [] {
    testing_support::copyData(kBigLottoFile, dir.path());
    DrawHistory h(dir.path());
    h.fullReload("2026/12/10");
    return h;
  }();
  static DrawHistory six = [] {
    testing_support::copyData(kMarkSixFile, dir.path());
    DrawHistory h(dir.path());
    h.selectGame(false);
    h.fullReload("2026/12/10");
    return h;
  }();
  return bigLotto ? big : six;
}

void expectSame(const tails::Search& fast, const tails::Search& literal) {
  EXPECT_EQ(fast.accepted, literal.accepted);
  EXPECT_EQ(fast.codes, literal.codes);
  EXPECT_EQ(fast.progress, literal.progress);
}

}  // namespace

// The real Big Lotto history up to 2026/08/21 (115081): values read off the
// history by hand from an independent working of the formulas.
TEST(NogoodTails, RealBigLottoDrawnOrderBaseOne) {
  const auto& t = realHistory(true).table;
  const auto s = tails::search(t, BallOrder::Drawn, 1);
  ASSERT_EQ(s.codes.size(), 6u);
  EXPECT_EQ(s.codes[0], "1010044302");
  expectSame(s, tails::search_Literal(t, BallOrder::Drawn, 1));

  const auto v = tails::showFormula(t, BallOrder::Drawn, s.codes[0]);
  ASSERT_EQ(v.rows.size(), 16u);
  for (int r = 0; r < 15; ++r) EXPECT_EQ(v.rows[r].failed, r == 14) << "row " << r + 1;
  EXPECT_FALSE(v.rows[15].stored);
  EXPECT_EQ(v.rows[15].label, "下 1 期預測");
  EXPECT_EQ(v.rows[15].tail, '8');
  ASSERT_EQ(v.explanation.size(), 19u);
  EXPECT_EQ(v.explanation[0], "代號 1010044302");
  EXPECT_EQ(v.explanation[1], "不出尾數版路：上1期 第三落x4 + 第四落x4 + 第五落x3 +  2 取尾數本期不出（驗證15 期） ");
  // Draw 115080 (01 14 25 27 29 43): 4·25 + 4·27 + 3·29 + 2 = 297 -> 7;
  // 115081 holds 47, so the formula failed there.
  EXPECT_EQ(v.explanation[16], "115080期計算結果預測115081期 7 尾不出  失敗(115081期開出)");
  // Draw 115081 (08 14 23 24 26 47): 4·23 + 4·24 + 3·26 + 2 = 268 -> 8.
  EXPECT_EQ(v.explanation[17], "115081期計算結果預測下    1   期 8 尾不出");
  EXPECT_EQ(v.explanation[18], "本不出尾數版路最近15期成功機率 93.33﹪");
}

TEST(NogoodTails, RealHistoriesOtherSettings) {
  const auto& big = realHistory(true).table;
  const auto sorted = tails::search(big, BallOrder::Sorted, 1);
  ASSERT_FALSE(sorted.codes.empty());
  EXPECT_EQ(sorted.codes[0], "1010143101");
  EXPECT_EQ(tails::showFormula(big, BallOrder::Sorted, sorted.codes[0]).explanation[1].rfind(
                "不出尾數版路：上1期 第二順x1 + ", 0),
            0u);

  const auto three = tails::search(big, BallOrder::Drawn, 3);
  ASSERT_FALSE(three.codes.empty());
  const auto v3 = tails::showFormula(big, BallOrder::Drawn, three.codes[0]);
  ASSERT_EQ(v3.rows.size(), 18u);
  EXPECT_EQ(v3.rows[15].label, "下 1 期預測");
  EXPECT_EQ(v3.rows[16].label, "下 2 期預測");
  EXPECT_EQ(v3.rows[17].label, "下 3 期預測");
  EXPECT_EQ(v3.explanation[1].rfind("不出尾數版路：上3期 ", 0), 0u);

  const auto& six = realHistory(false).table;
  const auto m6 = tails::search(six, BallOrder::Drawn, 1);
  ASSERT_FALSE(m6.codes.empty());
  EXPECT_EQ(m6.codes[0], "1000324122");
  EXPECT_EQ(tails::showFormula(six, BallOrder::Drawn, m6.codes[0]).explanation.back(),
            "本不出尾數版路最近15期成功機率 100.00﹪");
}

// Every draw is 01..06 with special 17, except that one verified draw has
// special 10. Every formula then predicts the same tail (Σ ci·i + k) mod 10
// for every draw: tails 8 and 9 never fail, tail 0 fails only through that
// special ball, 1..7 always fail. Each coefficient set accepts three
// constants, so the 100th acceptance is the first constant of the 34th set
// (c4 = 1, c5 = 1, c6 = 3: 27 + k ends in 8 at k = 1, code 1000001131).
TEST(NogoodTails, SpecialBallFailureSortAndHundredStop) {
  std::vector<std::array<int, 7>> draws(17, {1, 2, 3, 4, 5, 6, 17});
  draws[10][6] = 10;
  const auto t = tableOf(draws);
  const auto s = tails::search(t, BallOrder::Drawn, 1);
  expectSame(s, tails::search_Literal(t, BallOrder::Drawn, 1));
  ASSERT_EQ(s.accepted.size(), 100u);
  EXPECT_EQ(s.codes, (std::vector<std::string>{"1000000008", "1000000009", "1000000012", "1000000013",
                                               "1000000026", "1000000027"}));
  EXPECT_NE(std::find(s.accepted.begin(), s.accepted.end(), "1000001131"), s.accepted.end());
  EXPECT_EQ(std::find(s.accepted.begin(), s.accepted.end(), "1000001132"), s.accepted.end());
  EXPECT_NE(std::find(s.accepted.begin(), s.accepted.end(), "1010000000"), s.accepted.end());
  EXPECT_EQ(s.progress, 1);

  // The constant-only formula with k = 0: no coefficient and no constant in
  // its text; it fails only on the draw whose special ball is 10.
  const auto v = tails::showFormula(t, BallOrder::Drawn, "1010000000");
  EXPECT_EQ(v.explanation[1], "不出尾數版路：上1期  取尾數本期不出（驗證15 期） ");
  EXPECT_EQ(v.failures, 1);
  for (int r = 0; r < 15; ++r) EXPECT_EQ(v.rows[r].failed, r == 8) << "row " << r + 1;  // draw index 10
  EXPECT_EQ(v.explanation[2 + 8], "200010期計算結果預測200011期 0 尾不出  失敗(200011期開出)");
  EXPECT_EQ(v.explanation[2 + 7], "200009期計算結果預測200010期 0 尾不出  成功(200010期不出)");
}

TEST(NogoodTails, NeedsFifteenPlusBaseDraws) {
  struct Case {
    int draws, base;
    bool ok;
  } cases[] = {{16, 1, true}, {15, 1, false}, {21, 6, true}, {20, 6, false}, {30, 0, false}, {30, 7, false}};
  for (const auto& c : cases) {
    const auto t = tableOf(std::vector<std::array<int, 7>>(c.draws, {1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(tails::canSearch(t, c.base), c.ok) << c.draws << " draws, base " << c.base;
  }
}

// The fast search against the literal one on random histories: every base,
// both orders; a narrow ball pool (tails 1..3 only) makes formulas pass
// easily so the 100-accept stop falls early, the full pool runs the whole
// search.
TEST(NogoodTails, FastEqualsLiteralOnRandomTables) {
  std::mt19937 rng(20261210);
  const std::vector<int> narrow{1, 2, 3, 11, 12, 13, 21, 22, 23, 31, 32, 33, 41, 42, 43};
  for (int base = 1; base <= 6; ++base)
    for (BallOrder order : {BallOrder::Drawn, BallOrder::Sorted}) {
      const bool full = (base == 1 && order == BallOrder::Drawn) || (base == 6 && order == BallOrder::Sorted);
      const auto t = testing_support::randomTable(rng, 15 + base + base % 3,
                                                  full ? testing_support::allBalls() : narrow);
      SCOPED_TRACE("base " + std::to_string(base) + (order == BallOrder::Sorted ? " sorted" : " drawn"));
      const auto fast = tails::search(t, order, base);
      expectSame(fast, tails::search_Literal(t, order, base));
      for (const auto& code : fast.codes) {
        const auto v = tails::showFormula(t, order, code);
        EXPECT_EQ(v.failures, code.substr(1, 2) == "01" ? 1 : 0) << code;
        EXPECT_EQ(static_cast<int>(v.rows.size()), 15 + base);
      }
    }
}
