#pragma once
// Optimal pillar layouts: every arrangement of the selected balls into
// pillars of a fixed shape, scored over the WorkingPeriod, ranked and
// reported; and the exhaustive runs that find the best 2x2x2x2 or 2x2x3x3
// layout of every 8- or 10-ball sub-selection of 12 or 15 selected balls.
//
// Ball texts are two-digit texts as SelectedBalls holds them: ascending and
// distinct. Every layout is scored two ways that give identical results:
// literally, by CHECK_Bingo_pillar over each PeriodLine, and fast, from how
// many draws contain each pair, triple and four-ball group of the selection.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/pillars/verification.h"

namespace tovrin {

// --- Combination helpers ---

// The text split into two-character items (at most 20). pick_type1 returns
// every k-item combination that contains the first item, pick_type2 every
// k-item combination, concatenated in lexicographic order of item positions.
// k other than 2, 3 or 4 gives an empty text.
std::string pick_type1(std::string_view text, int k);
std::string pick_type2(std::string_view text, int k);

// --- Shapes, layouts and their ranking ---

enum class LayoutShape { P2x2x2x2, P3x3x3, P1x1x2x2x2, P2x2x3x3 };

struct ShapeInfo {
  int balls;               // selected balls the analysis needs
  std::vector<int> sizes;  // pillar sizes in pillar order
  int layouts;             // layouts tried (105, 280, 420, 2520)
  int reported;            // result lines in the report (20 or 30)
  bool usesPriority;       // ranked by RG1; otherwise always four-three-two
};
const ShapeInfo& shapeInfo(LayoutShape shape);

// RG1: which star count ranks first.
enum class RankPriority { FourFirst = 0, ThreeFirst = 1, TwoFirst = 2 };

// The priority a shape actually ranks by.
RankPriority effectivePriority(LayoutShape shape, RankPriority p);

// Every layout of the shape over the balls, as LayoutTexts (the balls
// concatenated pillar after pillar, each pillar ascending), in the order the
// analyses try them, which is also ascending text order. Empty when the ball
// count does not fit the shape.
std::vector<std::string> enumerateLayouts(LayoutShape shape, const std::vector<std::string>& balls);

// A LayoutText back into the shape's pillars.
std::vector<std::vector<std::string>> splitLayout(LayoutShape shape, std::string_view layoutText);

// A scored layout. Ranking compares the three totals in the priority's order,
// each larger first, then the LayoutText, the greater text first. Totals are
// compared as numbers, so totals too wide for the fixed-width key still rank
// correctly.
struct RankEntry {
  HitCounts hits;
  std::string layout;
  bool operator==(const RankEntry&) const = default;
};
bool rankGreater(const RankEntry& a, const RankEntry& b, RankPriority p);
// Best first.
void sortRanked(std::vector<RankEntry>& entries, RankPriority p);

// The fixed-width text key + "_" + LayoutText that this ranking is equal to
// while the totals fit ("000" four-star, "0000" three- and two-star);
// wider totals simply take more digits.
std::string rankKeyText(const RankEntry& e, RankPriority p);

// "四星1碰,三星27碰,二星215碰---(03,24) x (07,41) x (11,30) x (18,45)" and its
// variants by priority; 3x3x3 leaves out the four-star count.
std::string resultLine(LayoutShape shape, RankPriority p, const RankEntry& e);

enum class Scoring {
  Fast,     // co-occurrence counts of the selection, read once per run
  Literal,  // CHECK_Bingo_pillar over every PeriodLine for every layout
};

// --- The four single analyses ---

struct LayoutAnalysis {
  std::vector<RankEntry> ranked;                // every layout, best first
  std::vector<std::string> report;              // the lines for Memo2
  std::vector<std::vector<std::string>> best;   // pillars of the best layout
};

// Empty when the selection does not have the shape's ball count (the window
// refuses the run before calling this). The priority is ignored by 3x3x3 and
// 1x1x2x2x2.
LayoutAnalysis analyzeLayouts(LayoutShape shape, const std::vector<std::string>& selected,
                              const std::vector<std::string>& periodLines, const std::string& periodCaption,
                              RankPriority priority, Scoring scoring = Scoring::Fast);

// --- Exhaustive sub-selection analyses ---

enum class SubSelectionKind {
  Choose12of8,   // 12 balls, 495 sub-selections of 8, 2x2x2x2 each, top 20
  Choose15of10,  // 15 balls, 3,003 sub-selections of 10, 2x2x3x3 each, top 5
};

// Each sub-selection as its balls concatenated: the balls left after leaving
// out 4 (or 5) positions, the positions taken in lexicographic order. Empty
// when the selection does not have 12 (or 15) balls.
std::vector<std::string> subSelectionTable(SubSelectionKind kind, const std::vector<std::string>& selected);

// Selected balls in none of the layout's pillars, in selection order.
std::vector<std::string> ballsLeftOut(const std::vector<std::string>& selected, std::string_view layoutText);

// 12取8 button caption before sub-selection t (1-based): "N%處理中", N = t div 5.
std::string choose12of8Progress(int t);
// 15取10 button caption before sub-selection n (1-based): n / 30 as "##0.00%處理中".
std::string choose15of10Progress(int n);

// One exhaustive run, computed one sub-selection per step so that the window
// can pump its events and honour the stop button between steps. The run keeps
// what it needs of the selection and the period, so the window may change
// them while it yields; the priority is fixed for the whole run.
class SubSelectionRun {
 public:
  SubSelectionRun(SubSelectionKind kind, const std::vector<std::string>& selected,
                  const std::vector<std::string>& periodLines, const std::string& periodCaption,
                  RankPriority priority, Scoring scoring = Scoring::Fast);
  ~SubSelectionRun();
  SubSelectionRun(SubSelectionRun&&) noexcept;
  SubSelectionRun& operator=(SubSelectionRun&&) noexcept;

  // Computes the best layout of the next sub-selection; false once all are done.
  bool step();
  int done() const;
  int total() const;  // 495 or 3003; 0 for a selection of the wrong size
  bool finished() const { return done() == total(); }

  SubSelectionKind kind() const;
  LayoutShape shape() const;
  const std::vector<std::string>& subSelections() const;
  // The best entry of each computed sub-selection, in sub-selection order.
  const std::vector<RankEntry>& bestTable() const;
  // The computed entries, best first.
  std::vector<RankEntry> ranked() const;
  // The report over the sub-selections computed so far; times are
  // "yyyy/mm/dd hh:mm:ss" texts.
  std::vector<std::string> report(const std::string& startText, const std::string& endText) const;
  // Pillars of the best computed layout (empty before the first step).
  std::vector<std::vector<std::string>> bestLayout() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
};

}  // namespace tovrin
