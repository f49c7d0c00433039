#pragma once
// The PMX window's two checks over the DrawTable.
//
// Repeats at an interval (`chk_7_1`): for each draw, how many of its balls
// were already drawn n draws earlier.
//
// The PMX rule (`chk_7_2`): for each draw q the numbers of K earlier draws
// (jumping back J draws, then every I-th draw) are pooled, repeats dropped,
// and every number shifted by A around the ball range; the window shows how
// many numbers each pool had and how many of them draw q hit, and the pool
// for the next, undrawn draw.
#include <string>
#include <vector>

#include "core/history/draw_table.h"

namespace tovrin {

// Per draw (index 0 = oldest draw): how many of its balls (six, or seven
// with the special ball) equal a ball of the draw n earlier; 0 = unmarked.
// Counting runs from the newest draw whose number is `period` (the newest
// draw when no draw has it) back to draw n + 1; newer draws stay 0. An
// interval below 1 marks nothing.
std::vector<int> chk_7_1(const DrawTable& t, const std::string& period, int n, bool withSpecial);
std::vector<int> chk_7_1_Literal(const DrawTable& t, const std::string& period, int n, bool withSpecial);

struct PmxParams {
  long long jump = 0;      // J: draws skipped before the first source draw (>= 0)
  long long interval = 1;  // I: distance between source draws (>= 1)
  long long count = 1;     // K: number of source draws (>= 1)
  long long shift = 0;     // A: any integer; numbers wrap within 1..maxBall
  bool withSpecial = true;
};

struct PmxResult {
  // Per draw (index 0 = oldest): size of its number pool and how many of its
  // balls the pool held.
  std::vector<int> size;
  std::vector<int> hits;
  // The pool for the draw after the newest one.
  std::string lbtitle;  // "第 115081 期下一期號碼"; empty without draws
  std::string lb_next;  // shifted numbers in the order of the unshifted ones, each followed by a blank
  std::string lbtot;    // "共 7 個號碼"
  bool operator==(const PmxResult&) const = default;
};

PmxResult chk_7_2(const DrawTable& t, int maxBall, const PmxParams& p);
PmxResult chk_7_2_Literal(const DrawTable& t, int maxBall, const PmxParams& p);

// Grid texts of the hits column and the pool-size column.
std::string hitText(int hits);      // "■   3", or three blanks for 0
std::string poolSizeText(int size); // "  7", or two blanks for 0

}  // namespace tovrin
