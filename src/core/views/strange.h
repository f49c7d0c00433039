#pragma once
// The strange-draw criteria: thirteen properties of a draw's seven balls (the
// six in drawn order, then the special ball) that mark it as unusual.
#include <array>
#include <string>
#include <vector>

#include "core/history/draw_table.h"

namespace tovrin {

inline constexpr int kStrangeCriteria = 13;
using StrangeTicks = std::array<bool, kStrangeCriteria>;
using StrangeFlags = std::array<bool, kStrangeCriteria>;

// The item texts of the criteria list, in order.
const std::array<const char*, kStrangeCriteria>& strangeItems();

// Which criteria draw r (1-based) meets, converting its balls once.
StrangeFlags strangeCriteria(const DrawTable& t, int r);

// Criterion c (1..13) of draw r on its own, reading the ball texts afresh;
// the oracle of strangeCriteria.
bool strangeCriterion_Literal(const DrawTable& t, int r, int c);

// The draw rows, ascending, that meet at least one ticked criterion.
std::vector<int> strangeMatches(const DrawTable& t, const StrangeTicks& ticks);
std::vector<int> strangeMatches_Literal(const DrawTable& t, const StrangeTicks& ticks);

// `lbtot` of the strange and total windows: "合乎條件 " + count + " 筆 ".
std::string matchCountText(int count);

}  // namespace tovrin
