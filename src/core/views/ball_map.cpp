#include "core/views/ball_map.h"

#include "core/util/format.h"

namespace tovrin {

int ballValue(std::string_view text) {
  if (text.size() != 2) return 0;
  const char a = text[0], b = text[1];
  if (a < '0' || a > '9' || b < '0' || b > '9') return 0;
  return (a - '0') * 10 + (b - '0');
}

std::array<int, 7> drawnBalls(const DrawTable& t, int r, int maxBall) {
  std::array<int, 7> out{};
  for (int p = 0; p < 7; ++p) {
    const int v = ballValue(t.drawn[r - 1][p]);
    out[p] = v >= 1 && v <= maxBall ? v : 0;
  }
  return out;
}

std::vector<BallMark> drawMarks(const DrawTable& t, int r, int maxBall) {
  std::vector<BallMark> marks;
  marks.reserve(7);
  const auto balls = drawnBalls(t, r, maxBall);
  for (int p = 0; p < 7; ++p)
    if (balls[p]) marks.push_back({balls[p], p < 6 ? kDrawnMark : kSpecialMark});
  return marks;
}

std::vector<std::string> mapRowTexts(const DrawTable& t, int r, int maxBall) {
  std::vector<std::string> row(maxBall + 2);
  row[0] = t.dates[r - 1].text();
  row[1] = t.numbers[r - 1];
  for (const auto& m : drawMarks(t, r, maxBall)) row[m.ball + 1] = m.text;
  return row;
}

std::vector<int> shiftedRows(const std::vector<int>& matches, int offset, int drawCount) {
  std::vector<int> out;
  out.reserve(matches.size());
  for (int r : matches) {
    const long long R = static_cast<long long>(r) + offset;
    if (R >= 1 && R <= drawCount) out.push_back(static_cast<int>(R));
  }
  return out;
}

std::string offsetText(int offset) {
  if (offset == 0) return "本期";
  if (offset < 0) return formatNumber("上 ## 期", -static_cast<long long>(offset));
  return formatNumber("下 ## 期", offset);
}

}  // namespace tovrin
