#include <gtest/gtest.h>

#include "core/pillars/arrangement.h"

using namespace tovrin;

namespace {

using Pillars = std::vector<std::vector<std::string>>;
const std::vector<std::string> kSix = {"01", "02", "03", "04", "05", "06"};

// 01 02 03 came out together three times, 01 04 05 once.
std::vector<std::string> period() {
  std::vector<std::string> lines;
  for (int i = 0; i < 3; ++i) lines.push_back("0001,2020/01/01,109001,01,02,03,41,42,43,07");
  lines.push_back("0004,2020/01/04,109004,01,04,05,44,45,46,07");
  return lines;
}

Pillars arrange(const std::vector<int>& sizes, const std::vector<std::string>& lines,
                std::array<std::string, 50> ranking = {}, const std::vector<std::string>& selected = kSix) {
  const PeriodMasks m(lines);
  const auto pairs = get_allno_selected(selected, m, 2);
  const auto triples = get_allno_selected(selected, m, 3);
  writeRanking(ranking, rankBalls(pairs, 2).ranking);
  writeRanking(ranking, rankBalls(triples, 3).ranking);
  return PPNO_Arrange(sizes, pairs, triples, ranking, selected);
}

}  // namespace

TEST(Arrangement, ScoredCombinationsAndWeights) {
  const PeriodMasks m(period());
  const auto pairs = get_allno_selected({"03", "01", "02"}, m, 2);
  EXPECT_EQ(pairs, (std::vector<std::string>{"0030203", "0030103", "0030102"}));
  const auto triples = get_allno_selected(kSix, m, 3);
  ASSERT_EQ(triples.size(), 20u);
  EXPECT_EQ(triples[0], "003010203");
  EXPECT_EQ(triples[1], "001010405");
  EXPECT_EQ(triples.back(), "000010204");
  const auto r = rankBalls(triples, 3);
  EXPECT_EQ(r.weights, (std::vector<int>{401, 303, 302, 105, 104}));
  EXPECT_EQ(r.ranking, (std::vector<std::string>{"01", "03", "02", "05", "04"}));
  EXPECT_EQ(r.comboLines[0], "010203  003");
}

TEST(Arrangement, SingleBallPillarsTakeTheHeaviestBallsAndPairsTheRarest) {
  EXPECT_EQ(arrange({1, 1, 2, 2}, period()), (Pillars{{"01"}, {"03"}, {"02", "04"}, {"05", "06"}}));
}

// 05 and 06 came out together often, but never in a triple with another
// selected ball: the pair ranking puts 05 second, the triple ranking 03.
// The triple ranking is written last and decides the single-ball pillars.
TEST(Arrangement, TheTripleRankingDecidesOverThePairRanking) {
  auto lines = period();
  for (int i = 0; i < 4; ++i) lines.push_back("0009,2020/02/01,109009,05,06,41,42,43,44,07");
  const PeriodMasks m(lines);
  EXPECT_EQ(rankBalls(get_allno_selected(kSix, m, 2), 2).ranking,
            (std::vector<std::string>{"01", "05", "03", "02", "06", "04"}));
  EXPECT_EQ(rankBalls(get_allno_selected(kSix, m, 3), 3).ranking,
            (std::vector<std::string>{"01", "03", "02", "05", "04"}));
  EXPECT_EQ(arrange({1, 1, 2, 2}, lines), (Pillars{{"01"}, {"03"}, {"02", "04"}, {"05", "06"}}));
}

// Counts of four digits rank above three-digit ones and weigh in full.
TEST(Arrangement, FourDigitCountsRankFirstAndWeighInFull) {
  std::vector<std::string> lines(1000, "0001,2020/01/01,109001,01,02,41,42,43,44,07");
  lines.push_back("0002,2020/01/02,109002,03,04,41,42,43,44,07");
  const auto pairs = get_allno_selected({"01", "02", "03", "04"}, PeriodMasks(lines), 2);
  EXPECT_EQ(pairs[0], "10000102");
  EXPECT_EQ(pairs[1], "0010304");
  const auto r = rankBalls(pairs, 2);
  EXPECT_EQ(r.comboLines[0], "0102  1000");
  EXPECT_EQ(r.weights, (std::vector<int>{100002, 100001, 104, 103}));
}

TEST(Arrangement, TwoTriplePillarsAreComplements) {
  EXPECT_EQ(arrange({3, 3}, period()), (Pillars{{"01", "02", "04"}, {"03", "05", "06"}}));
}

TEST(Arrangement, AllZeroCountsFillFromTheLowestTexts) {
  EXPECT_EQ(arrange({2, 2, 2}, {}), (Pillars{{"01", "02"}, {"03", "04"}, {"05", "06"}}));
  EXPECT_TRUE(rankBalls(get_allno_selected(kSix, PeriodMasks(std::vector<std::string>{}), 2), 2).ranking.empty());
}

TEST(Arrangement, EverySlotIsFilledAndStaleRankingEntriesAreSkipped) {
  std::array<std::string, 50> stale;
  stale[1] = "45";  // from an earlier selection
  stale[2] = "45";
  // Nothing came out together: no ranking is written, so only the stale
  // entries stand in it; the selected balls fill the pillars anyway.
  const auto p = arrange({1, 1, 2, 2}, {}, stale);
  std::vector<std::string> placed;
  for (const auto& pillar : p) placed.insert(placed.end(), pillar.begin(), pillar.end());
  std::sort(placed.begin(), placed.end());
  EXPECT_EQ(placed, kSix);
  EXPECT_EQ(p[0], (std::vector<std::string>{"01"}));
  EXPECT_EQ(p[1], (std::vector<std::string>{"02"}));
  EXPECT_FALSE(CHK_PPNO_Double(p, "45"));
  EXPECT_TRUE(CHK_PPNO_Double(p, "06"));
}
