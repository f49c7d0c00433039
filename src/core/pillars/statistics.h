#pragma once
// The number and tail statistics of the WorkingPeriod: how often each ball
// and each tail came out, the distinct two-, three- and four-ball
// combinations of the period ranked by how many draws held them, and the
// golden seven search over the seven-ball groups of 25 selected balls.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/history/draw_table.h"
#include "core/pillars/period.h"

namespace tovrin {

// --- Ball and tail frequencies ---

struct BallStatistics {
  // BallTally sorted highest first, one entry per ball 1..maxBall:
  // count * 100 + ball, so equal counts keep the higher ball first.
  std::vector<int> tally;
  // PairList, TripleList, QuadList: every distinct combination of the six
  // regular balls of some line, in order of first appearance, each written
  // as its ball texts in the order they stand in that line.
  std::vector<std::string> pairs, triples, quads;

  const std::vector<std::string>& list(int k) const;  // k = 2, 3 or 4
};

// Only fields that read as a ball 1..maxBall are counted in the tally; the
// lists take the fields as they stand.
BallStatistics Count_Sumno(const std::vector<std::string>& lines, int maxBall = 49);

// TailTally sorted highest first: tail + 100 * count for the tails 0..9,
// counting the last digit of every regular ball of every line.
std::array<int, 10> Count_Sumno_tail(const std::vector<std::string>& lines);

// One grid column: row 0 and row 1.
struct GridColumn {
  std::string label;
  std::string count;
  bool operator==(const GridColumn&) const = default;
};

struct BallGrids {
  std::vector<GridColumn> sga1;  // ranks 1..25
  std::vector<GridColumn> sga2;  // ranks 26..
};

BallGrids show_sumno(const std::vector<int>& sortedTally);
std::vector<GridColumn> show_sumno_tail(const std::array<int, 10>& sortedTally);  // "3 尾" and count

// --- Scored combinations ---

// A ScoredCombo text: the count written "000" followed by the combination.
std::string scoredText(int count, std::string_view combo);

// The ranking order of ScoredCombo texts: descending by text, so the higher
// count first and among equal counts the higher combination first. A count
// above 999 takes a fourth digit; a longer text therefore ranks first (the
// combinations of one table all have one length), which keeps 1000 above 999.
bool scoredGreater(std::string_view a, std::string_view b);

// A ScoredCombo text of a k-ball combination read back: the count is every
// character before the last 2·k (three or more digits), the combination the rest.
struct ScoredParts {
  std::string_view count;
  std::string_view combo;
  int value() const;  // the count as a number (0 when it is not one)
};
ScoredParts splitScored(std::string_view scored, int k);

// --- Hot combinations (get_allno for k = 2, 3, 4) ---

// Scores every entry of a k-ball list with chkBingo over the period, drops
// the entries that score 0 and ranks the rest. The counts are gathered in a
// single pass over the period's lines; a list may hold one ball set under
// two texts (lines in drawn order), and each text gets the set's count.
std::vector<std::string> rankHotCombos(const std::vector<std::string>& list, int k, const PeriodMasks& period);

// The same ranking scored entry by entry, each by reading every period line
// and comparing ball texts. Slow; it is the reference for rankHotCombos.
std::vector<std::string> rankHotCombosLiteral(const std::vector<std::string>& list,
                                              const std::vector<std::string>& lines);

// The result memo: combination text, two spaces, the count ("0512  017").
std::vector<std::string> hotMemoLines(const std::vector<std::string>& scored, int k);

// --- Golden seven (get_allno(6)) ---

inline constexpr int kGoldenBalls = 25;
inline constexpr int kGoldenGroups = 480700;  // C(25, 7)
inline constexpr int kGoldenTopSize = 10;
inline constexpr const char* kGoldenStart = "00001020304050607";

// chkBingo9: the DrawTable rows dated d1..d2 (both included) of which at
// least four of the six regular balls (drawn order) are among the balls of
// the 14-character group text.
int chkBingo9(const DrawTable& t, Date d1, Date d2, std::string_view groupText);

// The search runs on the first 25 selected balls, which must be 25 distinct
// two-character texts; with fewer balls nothing is computed.
bool goldenSelectionOk(const std::vector<std::string>& selected);

struct GoldenSevenResult {
  bool computed = false;  // false when the selection was refused
  std::array<std::string, kGoldenTopSize> top;  // GoldenTop[1..10], highest first

  // The lines of mm7: one per entry whose count is not 0, e.g.
  // "第 01 組號碼 03 08 15 22 27 33 41 開出四星以上12 次".
  std::vector<std::string> reportLines() const;
};

// The golden seven in steps, so that the window can keep repainting between
// them. It scores the groups in lexicographic order of their ball indices
// and keeps the top ten exactly as the replace-and-sort of the literal
// search does. It never reads the draws again per group: each draw that
// holds four or more of the 25 balls is reduced to a 25-bit mask once, and
// the groups sharing their first five balls are scored together from the
// draws that need one or two of the last two balls.
// init copies what it needs; the table may change while the steps run.
class GoldenSeven {
 public:
  // False, and nothing to step, when the selection is refused.
  bool init(const DrawTable& t, Date d1, Date d2, const std::vector<std::string>& selected);
  // Scores up to maxGroups further groups; false once every group is scored.
  bool step(int maxGroups);
  int done() const { return done_; }
  int total() const { return total_; }
  bool finished() const { return done_ >= total_; }
  // The top ten of the groups scored so far.
  GoldenSevenResult result() const;

 private:
  // The ScoredCombo of a group as numbers: comparing keys orders them as
  // scoredGreater orders their texts.
  struct Key {
    int count = 0;
    uint64_t hi = 0, lo = 0;  // the 14 text bytes, big-endian
    auto operator<=>(const Key&) const = default;
  };
  static constexpr int kLevels = 6;  // prefixes of 0..5 chosen balls

  void buildLevel(int level);
  void buildTails();
  void offer(int count);
  bool advance();

  bool computed_ = false;
  int done_ = 0;
  int total_ = 0;
  std::array<uint16_t, kGoldenBalls> token_{};  // the two text bytes of each ball
  std::array<int, 7> idx_{};                    // the current group's ball indices
  int validLevel_ = 0;                          // levels 0..validLevel_ match idx_
  // Per prefix of idx_: the draws that may still reach four hits, as masks
  // of the 25 balls, and the number of draws that already have four.
  std::array<std::vector<uint32_t>, kLevels> rows_;
  std::array<int, kLevels> base_{};
  std::array<uint32_t, kLevels> prefix_{};
  // For the current first five balls: draws with three hits counted per
  // sixth/seventh ball, and the pair corrections.
  std::array<int, kGoldenBalls> single_{};
  std::array<std::array<int, kGoldenBalls>, kGoldenBalls> pair_{};
  // Draws that hold one selected ball more than once (ball counts per index).
  std::vector<std::array<uint8_t, kGoldenBalls>> irregular_;
  std::array<Key, kGoldenTopSize> top_{};
};

// The whole search at once.
GoldenSevenResult goldenSeven(const DrawTable& t, Date d1, Date d2, const std::vector<std::string>& selected);

// The search as written: every group's text built and scored with chkBingo9,
// the top ten kept by replace-and-sort. Slow; the reference for GoldenSeven.
// groupLimit stops after that many groups.
GoldenSevenResult goldenSevenLiteral(const DrawTable& t, Date d1, Date d2, const std::vector<std::string>& selected,
                                     int groupLimit = kGoldenGroups);

}  // namespace tovrin
