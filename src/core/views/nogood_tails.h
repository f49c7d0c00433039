#pragma once
// Non-appearing tails (不出尾數): linear formulas over the six balls of an
// earlier draw whose units digit should not appear among the seven balls of
// the target draw. A formula is c1..c6 (0..4) and a constant k (0..9); for a
// target draw j and base distance b its tail is
//   T = (c1·B1 + … + c6·B6 + k) mod 10, B = the balls of draw j − b.
// It fails on a stored draw when one of its seven balls ends in T.
//
// The search tries all 156,250 formulas in increasing order of their seven
// digits over the 15 newest draws, accepts those with at most one failure,
// stops at the 100th, sorts the codes as text and keeps six. Two routines
// give identical results: the literal one re-reads the ball texts for every
// formula and draw; the fast one precomputes each base draw's tails and each
// target draw's tail mask, steps the coefficients incrementally and judges
// all ten constants at once.
//
// A FormulaCode is 10 characters: base digit, failures "00"/"01", c1..c6, k.
#include <string>
#include <vector>

#include "core/history/draw_table.h"

namespace tovrin::tails {

enum class BallOrder { Drawn, Sorted };  // 落球 / 順球

inline constexpr int kVerified = 15;   // draws every formula is judged on
inline constexpr int kAcceptStop = 100;
inline constexpr int kKept = 6;
inline constexpr int kProgressMax = 125;

// The column the view reads for the chosen order (DrawnOrder or SortedOrder).
const std::vector<DrawTable::Balls>& orderColumn(const DrawTable& t, BallOrder order);
// "落" or "順".
const char* orderWord(BallOrder order);

// Draws the search needs for base distance b: 15 + b.
inline int minimumDraws(int base) { return kVerified + base; }
// True when the base is 1..6 and the table holds enough draws for it.
bool canSearch(const DrawTable& t, int base);

struct Search {
  int base = 1;
  BallOrder order = BallOrder::Drawn;
  std::vector<std::string> accepted;  // every accepted code, sorted as text
  std::vector<std::string> codes;     // the first six of them
  int progress = 0;                   // the progress value of the last formula examined
};

// Both require canSearch(t, base).
Search search(const DrawTable& t, BallOrder order, int base);
Search search_Literal(const DrawTable& t, BallOrder order, int base);

// The grid's draw rows (date, number, seven balls; columns 0..8) for the 15
// newest draws, oldest first; fewer when the table holds fewer.
std::vector<std::vector<std::string>> drawRows(const DrawTable& t, BallOrder order);

// One formula on the grid: a row per target draw, 15 verified then b
// prediction rows.
struct FormulaRow {
  char tail = '0';
  bool stored = true;
  bool failed = false;
  std::string label;  // column 0 of a prediction row ("下 1 期預測"), else empty
};
struct FormulaView {
  int base = 1;
  int failures = 0;
  std::vector<FormulaRow> rows;
  std::vector<std::string> explanation;  // the lines of `mm`
};
// `code` must be a code the search produced for this table and order.
FormulaView showFormula(const DrawTable& t, BallOrder order, const std::string& code);

}  // namespace tovrin::tails
