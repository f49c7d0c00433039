#pragma once
// The automatic pillar arrangement: rank the selected balls by how often
// they came out together, put the most sociable balls alone in single-ball
// pillars and fill the larger pillars with balls that seldom came out together.
#include <array>
#include <string>
#include <vector>

#include "core/pillars/period.h"

namespace tovrin {

// Every k-ball combination (k = 2 or 3) of the selected balls, in nested
// order, scored as "000"-formatted period count + ball texts, sorted
// descending by text (ties: the higher ball texts first).
std::vector<std::string> get_allno_selected(std::vector<std::string> selected, const PeriodMasks& period, int k);

struct BallRankingResult {
  std::vector<std::string> comboLines;  // ball texts + two spaces + count, in ranked order
  std::vector<int> weights;             // BallWeights values above 100, descending
  std::vector<std::string> ranking;     // the balls of those weights, in that order
};

// Pair (k = 2) or triple (k = 3) ranking: every combination with count c > 0
// adds 100·c to the weight of each of its balls (weight·100 + ball).
BallRankingResult rankBalls(const std::vector<std::string>& scored, int k);

// Writes a ranking over BallRanking[1..] from entry 1 on; later entries stay.
void writeRanking(std::array<std::string, 50>& ballRanking, const std::vector<std::string>& ranking);

// True when the ball is already in pillar p's first sizes[p] slots for some p.
bool CHK_PPNO_Double(const std::vector<std::vector<std::string>>& pillars, const std::string& ball);

// Fills pillars of the given sizes. Ranking entries that are not selected
// balls (left from an earlier selection) are skipped; selected balls the
// ranking does not reach follow it in ascending order, so every slot is
// filled when the selection has as many balls as the pillars.
std::vector<std::vector<std::string>> PPNO_Arrange(const std::vector<int>& sizes,
                                                   const std::vector<std::string>& scoredPairs,
                                                   const std::vector<std::string>& scoredTriples,
                                                   const std::array<std::string, 50>& ballRanking,
                                                   const std::vector<std::string>& selected);

}  // namespace tovrin
