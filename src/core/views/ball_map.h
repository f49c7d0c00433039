#pragma once
// The draw-by-ball map shared by the classic views: one row per draw with its
// date, its draw number and a mark in the column of each ball drawn. Also the
// offsets by which those views shift the draws they list, and their texts.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/history/draw_table.h"

namespace tovrin {

inline constexpr const char* kDrawnMark = "●";
inline constexpr const char* kSpecialMark = "☆";
inline constexpr const char* kMapDateHeading = "日     期";
inline constexpr const char* kMapNumberHeading = " 期  數";

// A two-digit ball text as a number; 0 for anything else.
int ballValue(std::string_view text);

// The seven balls of draw r (1-based) as numbers, in drawn order (index 6 is
// the special ball); a ball outside 1..maxBall reads 0.
std::array<int, 7> drawnBalls(const DrawTable& t, int r, int maxBall);

// One marked cell of a draw's row: the ball's column is ball + 1.
struct BallMark {
  int ball = 0;
  const char* text = kDrawnMark;
};

// The marks of draw r in the order they are written: "●" at each of the six
// balls, then "☆" at the special ball (so it wins if a faulty line repeats a
// ball). Balls outside 1..maxBall are left out, so no column is ever invented.
std::vector<BallMark> drawMarks(const DrawTable& t, int r, int maxBall);

// The row of the map that shows draw r: column 0 the date "yyyy/mm/dd",
// column 1 the draw number, column b + 1 the mark of ball b or "".
std::vector<std::string> mapRowTexts(const DrawTable& t, int r, int maxBall);

// The listed draws: each matching draw row moved by `offset`, kept only when
// it stays inside 1..drawCount, in the order of the matches.
std::vector<int> shiftedRows(const std::vector<int>& matches, int offset, int drawCount);

// How far the listed draws lie from the matching ones: "本期", "上 2 期"
// (two draws earlier), "下 1 期" (one draw later).
std::string offsetText(int offset);

}  // namespace tovrin
