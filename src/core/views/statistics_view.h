#pragma once
// The statistics view's computations: how often each ball was drawn, how long
// each ball has been absent, and how often each units digit was drawn, over a
// period of the DrawTable. Each result carries what the window shows: the
// label texts and colours, the ranking that orders the board, the average
// line, the print lines and the chart table of the chart window.
#include <array>
#include <string>
#include <vector>

#include "core/history/draw_table.h"
#include "core/util/date.h"

namespace tovrin::views {

// The draws and columns a computation counts.
struct Period {
  Date start;                // first day counted (whole days, both ends included)
  Date end;                  // last day counted
  bool withSpecial = true;   // count the special ball (column 7) too
  int maxBall = 49;
};

// The absence statistic always counts from this day on.
inline constexpr Date kAbsenceStart{2002, 7, 4};

// One computation of the ball board.
struct BallBoard {
  bool absence = false;          // absence (遠星) rather than frequency
  int count = 0;                 // draws counted (shown in `lbcount`)
  std::vector<int> valueOfBall;  // [b-1]: the number under ball b
  std::vector<std::string> labels;  // [b-1]: that number as "##0"
  std::vector<bool> red;         // [b-1]: red 12 pt label (absence 0) instead of blue 10 pt
  std::vector<int> ranking;      // [s-1]: the ball shown in slot s
  std::vector<int> rankScore;    // [s-1]: the score paired with that ball (value × 100, plus the ball for frequency)
  std::string average;           // "平均值為 " + "###0.00"
};

// Frequency in rank order: most drawn first, equal counts higher ball first.
BallBoard F1_btn123(const DrawTable& table, const Period& period);
// Frequency in number order: every ball in its own slot.
BallBoard F1_btn321(const DrawTable& table, const Period& period);
// Absence in rank order, counted from kAbsenceStart to period.end
// (period.start is not used); equal absences keep the exchange sort's order.
BallBoard F3_btn123(const DrawTable& table, const Period& period);

struct TailCount {
  int count = 0;
  std::array<int, 10> counters{};        // [d]: how often units digit d was drawn
  std::array<std::string, 10> labels;    // [d]: as "###" (0 shows empty)
  std::string average;
};
TailCount tailCount(const DrawTable& table, const Period& period);

// The print lines of a board, one per slot: ball "00" + "-" + value "00".
std::vector<std::string> printLines(const BallBoard& board);

// Board positions of slot s (1-based): the picture's top-left corner
// and the top-left corner of the number label under it.
struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};
Point slotPicture(int s);
Point slotLabel(int s);

// What the chart window shows after "ShowImage".
struct ChartPoint {
  std::string label;  // the ball as "00"
  int value = 0;
  bool operator==(const ChartPoint&) const = default;
};
struct ChartTable {
  std::string footText;                 // bottom-axis title of Chart1
  std::string title2, title3;           // titles of Chart2 and Chart3
  std::array<std::string, 3> pictures;  // small, first half, second half
  int radioButton = 2;                  // 2 = "B (大樂)", 4 = "D (六合)"
  std::vector<ChartPoint> top;          // Chart1, Chart4, Chart5, Chart6
  std::vector<ChartPoint> firstHalf;    // Chart2
  std::vector<ChartPoint> secondHalf;   // Chart3, from the last slot backwards
};
ChartTable chartTable(bool bigLotto, const DrawTable& table, const BallBoard& board, int maxBall);

}  // namespace tovrin::views
