#include "core/views/pmx.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "core/util/format.h"
#include "core/views/draw_ball_masks.h"

namespace tovrin {

namespace {

// The row (1-based) of the newest draw with this number, else the newest draw.
int startRow(const DrawTable& t, const std::string& period) {
  for (int r = t.count; r >= 1; --r)
    if (t.numbers[r - 1] == period) return r;
  return t.count;
}

// Ball b (1..maxBall) moved by `shift` places around 1..maxBall.
int shiftBall(long long b, long long shift, int maxBall) {
  long long v = (shift + b + maxBall) % maxBall;
  if (v < 0) v += maxBall;
  return v == 0 ? maxBall : static_cast<int>(v);
}

// Rotates a pool mask (bit b = ball b, 1..maxBall) by `sh` places, 0 <= sh < maxBall.
std::uint64_t rotateMask(std::uint64_t m, int sh, int maxBall) {
  if (sh == 0) return m;
  const std::uint64_t full = (maxBall >= 64) ? ~0ull : ((1ull << maxBall) - 1);
  const std::uint64_t z = m >> 1;  // ball b at bit b - 1
  const std::uint64_t r = ((z << sh) | (z >> (maxBall - sh))) & full;
  return r << 1;
}

}  // namespace

std::string hitText(int hits) { return hits > 0 ? "■   " + std::to_string(hits) : "   "; }

std::string poolSizeText(int size) { return formatNumber("  ##", size); }

std::vector<int> chk_7_1(const DrawTable& t, const std::string& period, int n, bool withSpecial) {
  std::vector<int> marks(t.count, 0);
  if (n < 1) return marks;
  const int c = withSpecial ? 7 : 6;
  const auto masks = drawMasks(t, c);
  const auto ball = drawBalls(t);
  for (int r = startRow(t, period); r - n > 0; --r) {
    const std::uint64_t earlier = masks[r - n - 1];
    int hits = 0;
    for (int i = 0; i < c; ++i) hits += (earlier >> ball[r - 1][i]) & 1;
    marks[r - 1] = hits;
  }
  return marks;
}

std::vector<int> chk_7_1_Literal(const DrawTable& t, const std::string& period, int n, bool withSpecial) {
  std::vector<int> marks(t.count, 0);
  const int c = withSpecial ? 7 : 6;
  if (n < 1) return marks;
  for (int r = startRow(t, period); r >= 1; --r) {
    if (r - n <= 0) continue;
    int hits = 0;
    for (int i = 0; i < c; ++i)
      for (int j = 0; j < c; ++j)
        if (t.drawn[r - 1][i] == t.drawn[r - n - 1][j]) {
          ++hits;
          break;
        }
    marks[r - 1] = hits;
  }
  return marks;
}

PmxResult chk_7_2(const DrawTable& t, int maxBall, const PmxParams& p) {
  PmxResult out;
  out.size.assign(t.count, 0);
  out.hits.assign(t.count, 0);
  const int c = p.withSpecial ? 7 : 6;
  const auto masks = drawMasks(t, c);
  const auto ball = drawBalls(t);
  const int sh = static_cast<int>(((p.shift % maxBall) + maxBall) % maxBall);

  std::uint64_t nextPool = 0;
  for (long long q = t.count + 1; q >= 1; --q) {
    std::uint64_t pool = 0;
    // Source draws step back from q - (J + 1) by I; once below draw 1 none follow.
    long long s = q - (p.jump + 1);
    for (long long f = 0; f < p.count && s >= 1; ++f, s -= p.interval)
      if (s <= t.count) pool |= masks[s - 1];
    if (q == t.count + 1) {
      nextPool = pool;
      continue;
    }
    const std::uint64_t shifted = rotateMask(pool, sh, maxBall);
    int hits = 0;
    for (int i = 0; i < c; ++i) hits += (shifted >> ball[q - 1][i]) & 1;
    out.size[q - 1] = std::popcount(pool);
    out.hits[q - 1] = hits;
  }

  out.lbtot = "共 " + std::to_string(std::popcount(nextPool)) + " 個號碼";
  if (t.count > 0) {
    out.lbtitle = "第 " + t.numbers[t.count - 1] + " 期下一期號碼";
    for (int b = 1; b <= maxBall; ++b)
      if ((nextPool >> b) & 1) out.lb_next += format00(shiftBall(b, p.shift, maxBall)) + " ";
  }
  return out;
}

PmxResult chk_7_2_Literal(const DrawTable& t, int maxBall, const PmxParams& p) {
  PmxResult out;
  out.size.assign(t.count, 0);
  out.hits.assign(t.count, 0);
  const int c = p.withSpecial ? 7 : 6;
  for (long long q = t.count + 1; q >= 1; --q) {
    // Collect the source draws' balls as texts.
    std::vector<std::string> set;
    for (long long f = 1; f <= p.count; ++f) {
      const long long s = q - (p.jump + (f - 1) * p.interval + 1);
      if (s >= 1 && s <= t.count)
        for (int i = 0; i < c; ++i) set.push_back(t.drawn[s - 1][i]);
    }
    // Exchange sort, ascending.
    for (std::size_t i = 0; i < set.size(); ++i)
      for (std::size_t j = i + 1; j < set.size(); ++j)
        if (set[i] > set[j]) std::swap(set[i], set[j]);
    // Repeats become "??", from the last entry down to the second.
    for (std::size_t i = set.size(); i-- > 1;)
      if (set[i] == set[i - 1]) set[i] = "??";
    // Shift the remaining entries, keeping their order.
    int count = 0;
    std::string joined;
    std::vector<std::string> shifted;
    for (const auto& e : set) {
      if (e == "??") continue;
      ++count;
      const std::string v = format00(shiftBall(std::stoi(e), p.shift, maxBall));
      shifted.push_back(v);
      joined += v + " ";
    }
    if (q == t.count + 1) {
      out.lbtot = "共 " + std::to_string(count) + " 個號碼";
      if (t.count > 0) {
        out.lbtitle = "第 " + t.numbers[t.count - 1] + " 期下一期號碼";
        out.lb_next = joined;
      }
      continue;
    }
    int hits = 0;
    for (int i = 0; i < c; ++i)
      if (std::find(shifted.begin(), shifted.end(), t.drawn[q - 1][i]) != shifted.end()) ++hits;
    out.size[q - 1] = count;
    out.hits[q - 1] = hits;
  }
  return out;
}

}  // namespace tovrin
