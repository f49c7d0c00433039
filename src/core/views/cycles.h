#pragma once
// Cycle statistics: the history cut into consecutive cycles of n draws
// (oldest first; the last cycle may be shorter), and per cycle how often each
// ball, or each last digit, was drawn.
//
// The table keeps plain counts; cell texts are made when a cell is shown and
// export lines when the table is saved. The regrouped view (ball columns by
// last digit) is only a different column order over the same counts.
#include <cstdint>
#include <string>
#include <vector>

#include "core/history/draw_table.h"

namespace tovrin {

enum class CycleKind { Balls, Tails };

struct CycleTable {
  CycleKind kind = CycleKind::Balls;
  int values = 49;    // value columns: one per ball, or ten tails
  int rowCount = 2;   // grid rows: headings, the cycles, and a spare empty row when n divides DrawCount
  std::vector<Date> dates;            // per cycle: its last draw's date
  std::vector<std::string> numbers;   // per cycle: its last draw's number
  std::vector<std::uint16_t> counts;  // cycles × values, row-major
  int largest = 0;
  std::string lbavr;  // "平均值  " + expected count per cell of a full cycle
  std::string lbmax;  // "最大值  " + largest

  int cycles() const { return static_cast<int>(dates.size()); }
  int columnCount() const { return values + 2; }
  int count(int cycle, int value) const { return counts[static_cast<std::size_t>(cycle) * values + value]; }
};

// n >= 1 (the window refuses less). An n beyond the history gives one cycle.
CycleTable show_map(const DrawTable& t, int maxBall, int n, bool withSpecial, CycleKind kind);

// Grid column order: identity, or (balls only) columns 0 and 1 followed by
// the ball columns regrouped by last digit (10, 20, …, 01, 11, …, 49).
std::vector<int> cycleColumnOrder(const CycleTable& table, bool byTail);

// Heading of grid column `column`: "日     期", " 期  數", "01".., or "0 尾"..
std::string cycleHeading(const CycleTable& table, int column);
// Text of grid cell (row, column); row 0 holds the headings, rows past the
// last cycle are empty.
std::string cycleCell(const CycleTable& table, int row, int column);
// One line per grid row (headings included), every cell followed by ",",
// columns in the given order.
std::vector<std::string> cycleExportLines(const CycleTable& table, const std::vector<int>& order);

// The literal routine: the text grids as a string grid holds them, the
// regrouped copy (balls only) and the export lines of the shown grid.
struct CycleGrids {
  std::vector<std::vector<std::string>> sgmap;
  std::vector<std::vector<std::string>> sgmap2;
  std::vector<std::string> exportLines;
  std::string lbavr, lbmax;
};
CycleGrids show_map_Literal(const DrawTable& t, int maxBall, int n, bool withSpecial, CycleKind kind, bool byTail);

}  // namespace tovrin
