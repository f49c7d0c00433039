#pragma once
// Ball masks and ball numbers of every draw, the form the views' fast
// routines count with.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/history/draw_table.h"

namespace tovrin {

// A two-digit ball text as a number 1..63, or 0 for anything else.
inline int ballValue(const std::string& text) {
  if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') return 0;
  const int v = (text[0] - '0') * 10 + (text[1] - '0');
  return v <= 63 ? v : 0;
}

// Per draw (oldest first): the balls of its first `columns` DrawnOrder
// columns as a mask, bit b for ball b.
inline std::vector<std::uint64_t> drawMasks(const DrawTable& t, int columns) {
  std::vector<std::uint64_t> m(t.count, 0);
  for (int r = 0; r < t.count; ++r)
    for (int i = 0; i < columns; ++i) m[r] |= (1ull << ballValue(t.drawn[r][i])) & ~1ull;
  return m;
}

// Per draw (oldest first): its seven DrawnOrder balls as numbers.
inline std::vector<std::array<std::uint8_t, 7>> drawBalls(const DrawTable& t) {
  std::vector<std::array<std::uint8_t, 7>> b(t.count);
  for (int r = 0; r < t.count; ++r)
    for (int i = 0; i < 7; ++i) b[r][i] = static_cast<std::uint8_t>(ballValue(t.drawn[r][i]));
  return b;
}

}  // namespace tovrin
