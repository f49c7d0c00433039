#include "core/pillars/layouts.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "core/pillars/period.h"

namespace tovrin {

namespace {

// Calls f(c) for every k-subset c[0] < ... < c[k-1] of {0..n-1}, in
// lexicographic order.
template <class F>
void forEachCombination(int n, int k, F&& f) {
  if (k < 0 || k > n) return;
  std::array<int, 24> c{};
  for (int i = 0; i < k; ++i) c[i] = i;
  for (;;) {
    f(c.data());
    int i = k - 1;
    while (i >= 0 && c[i] == n - k + i) --i;
    if (i < 0) return;
    ++c[i];
    for (int j = i + 1; j < k; ++j) c[j] = c[j - 1] + 1;
  }
}

std::vector<std::string_view> items(std::string_view text) {
  std::vector<std::string_view> out;
  for (std::size_t i = 0; i + 1 < text.size() && out.size() < 20; i += 2) out.push_back(text.substr(i, 2));
  return out;
}

std::string join(const std::vector<std::string>& parts, std::string_view sep) {
  std::string s;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i) s += sep;
    s += parts[i];
  }
  return s;
}

std::string repeat(std::string_view unit, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += unit;
  return s;
}

}  // namespace

std::string pick_type1(std::string_view text, int k) {
  if (k < 2 || k > 4) return {};
  const auto it = items(text);
  const int n = static_cast<int>(it.size());
  std::string out;
  if (n == 0) return out;
  forEachCombination(n - 1, k - 1, [&](const int* c) {
    out += it[0];
    for (int i = 0; i < k - 1; ++i) out += it[1 + c[i]];
  });
  return out;
}

std::string pick_type2(std::string_view text, int k) {
  if (k < 2 || k > 4) return {};
  const auto it = items(text);
  std::string out;
  forEachCombination(static_cast<int>(it.size()), k, [&](const int* c) {
    for (int i = 0; i < k; ++i) out += it[c[i]];
  });
  return out;
}

// --- Shapes and enumeration ---

namespace {

// How each shape builds a layout from the balls not yet placed ("the rest"):
// FirstWith takes the rest's smallest ball with every choice of the others
// (pick_type1), AnyOf every choice (pick_type2), Last takes the whole rest.
// The 1x1x2x2x2 shape starts with an AnyOf pair that forms two one-ball pillars.
enum class Pick { FirstWith, AnyOf, Last };
struct Step {
  Pick pick;
  int k;
};

const std::vector<Step>& steps(LayoutShape s) {
  static const std::vector<Step> k2222 = {{Pick::FirstWith, 2}, {Pick::FirstWith, 2}, {Pick::FirstWith, 2}, {Pick::Last, 2}};
  static const std::vector<Step> k333 = {{Pick::FirstWith, 3}, {Pick::FirstWith, 3}, {Pick::Last, 3}};
  static const std::vector<Step> k11222 = {{Pick::AnyOf, 2}, {Pick::FirstWith, 2}, {Pick::FirstWith, 2}, {Pick::Last, 2}};
  static const std::vector<Step> k2233 = {{Pick::FirstWith, 2}, {Pick::AnyOf, 2}, {Pick::FirstWith, 3}, {Pick::Last, 3}};
  switch (s) {
    case LayoutShape::P2x2x2x2: return k2222;
    case LayoutShape::P3x3x3: return k333;
    case LayoutShape::P1x1x2x2x2: return k11222;
    case LayoutShape::P2x2x3x3: break;
  }
  return k2233;
}

void enumerateText(const std::vector<Step>& st, std::size_t si, const std::vector<std::string>& rest,
                   const std::string& prefix, std::vector<std::string>& out) {
  std::string restText;
  for (const auto& b : rest) restText += b;
  if (st[si].pick == Pick::Last) {
    out.push_back(prefix + restText);
    return;
  }
  const int k = st[si].k;
  const std::string picks = st[si].pick == Pick::FirstWith ? pick_type1(restText, k) : pick_type2(restText, k);
  for (std::size_t at = 0; at + 2 * k <= picks.size(); at += 2 * k) {
    const std::string chunk = picks.substr(at, 2 * k);
    std::vector<std::string> next;
    for (const auto& b : rest) {
      bool taken = false;
      for (int j = 0; j < k; ++j) taken = taken || chunk.compare(2 * j, 2, b) == 0;
      if (!taken) next.push_back(b);
    }
    enumerateText(st, si + 1, next, prefix + chunk, out);
  }
}

// The same enumeration over ball positions 0..m-1, for the fast scorers:
// f(order) gets the positions in LayoutText order.
template <class F>
void enumerateIndices(const std::vector<Step>& st, std::size_t si, const std::vector<int>& rest,
                      std::array<int, 16>& order, int filled, F& f) {
  const int r = static_cast<int>(rest.size());
  if (st[si].pick == Pick::Last) {
    for (int i = 0; i < r; ++i) order[filled + i] = rest[i];
    f(order.data());
    return;
  }
  const int k = st[si].k;
  auto take = [&](const int* chosen) {  // chosen: positions within rest, ascending
    std::vector<int> next;
    int j = 0;
    for (int i = 0; i < r; ++i) {
      if (j < k && chosen[j] == i) {
        order[filled + j] = rest[i];
        ++j;
      } else {
        next.push_back(rest[i]);
      }
    }
    enumerateIndices(st, si + 1, next, order, filled + k, f);
  };
  if (st[si].pick == Pick::AnyOf) {
    forEachCombination(r, k, take);
  } else if (r > 0) {
    forEachCombination(r - 1, k - 1, [&](const int* c) {
      int chosen[4] = {0};
      for (int i = 0; i < k - 1; ++i) chosen[i + 1] = c[i] + 1;
      take(chosen);
    });
  }
}

}  // namespace

const ShapeInfo& shapeInfo(LayoutShape shape) {
  static const ShapeInfo k2222{8, {2, 2, 2, 2}, 105, 20, true};
  static const ShapeInfo k333{9, {3, 3, 3}, 280, 30, false};
  static const ShapeInfo k11222{8, {1, 1, 2, 2, 2}, 420, 30, false};
  static const ShapeInfo k2233{10, {2, 2, 3, 3}, 2520, 20, true};
  switch (shape) {
    case LayoutShape::P2x2x2x2: return k2222;
    case LayoutShape::P3x3x3: return k333;
    case LayoutShape::P1x1x2x2x2: return k11222;
    case LayoutShape::P2x2x3x3: break;
  }
  return k2233;
}

RankPriority effectivePriority(LayoutShape shape, RankPriority p) {
  return shapeInfo(shape).usesPriority ? p : RankPriority::FourFirst;
}

std::vector<std::string> enumerateLayouts(LayoutShape shape, const std::vector<std::string>& balls) {
  std::vector<std::string> out;
  if (static_cast<int>(balls.size()) != shapeInfo(shape).balls) return out;
  out.reserve(shapeInfo(shape).layouts);
  enumerateText(steps(shape), 0, balls, "", out);
  return out;
}

std::vector<std::vector<std::string>> splitLayout(LayoutShape shape, std::string_view layoutText) {
  std::vector<std::vector<std::string>> pillars;
  std::size_t at = 0;
  for (int size : shapeInfo(shape).sizes) {
    auto& p = pillars.emplace_back();
    for (int j = 0; j < size && at + 2 <= layoutText.size(); ++j, at += 2) p.emplace_back(layoutText.substr(at, 2));
  }
  return pillars;
}

// --- Ranking ---

namespace {

// The totals in the priority's order: the key the ranking compares first.
std::array<long long, 3> keyOf(const HitCounts& h, RankPriority p) {
  switch (p) {
    case RankPriority::ThreeFirst: return {h.three, h.two, h.four};
    case RankPriority::TwoFirst: return {h.two, h.three, h.four};
    case RankPriority::FourFirst: break;
  }
  return {h.four, h.three, h.two};
}

std::string zeroFilled(long long v, int width) {
  std::string s = std::to_string(v);
  if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), '0');
  return s;
}

const char* priorityText(RankPriority p) {
  switch (p) {
    case RankPriority::ThreeFirst: return "三星優先，三-二-四星開出統計排列";
    case RankPriority::TwoFirst: return "二星優先，二-三-四星開出統計排列";
    case RankPriority::FourFirst: break;
  }
  return "四星優先，四-三-二星開出統計排列";
}

std::string pillarsText(LayoutShape shape, std::string_view layoutText) {
  std::vector<std::string> parts;
  for (const auto& p : splitLayout(shape, layoutText)) {
    std::string s(1, '(');
    s += join(p, ",");
    s += ')';
    parts.push_back(std::move(s));
  }
  return join(parts, " x ");
}

}  // namespace

bool rankGreater(const RankEntry& a, const RankEntry& b, RankPriority p) {
  const auto ka = keyOf(a.hits, p), kb = keyOf(b.hits, p);
  if (ka != kb) return ka > kb;
  return a.layout > b.layout;
}

void sortRanked(std::vector<RankEntry>& entries, RankPriority p) {
  std::sort(entries.begin(), entries.end(), [p](const RankEntry& a, const RankEntry& b) { return rankGreater(a, b, p); });
}

std::string rankKeyText(const RankEntry& e, RankPriority p) {
  const HitCounts& h = e.hits;
  std::string key;
  switch (p) {
    case RankPriority::FourFirst: key = zeroFilled(h.four, 3) + zeroFilled(h.three, 4) + zeroFilled(h.two, 4); break;
    case RankPriority::ThreeFirst: key = zeroFilled(h.three, 4) + zeroFilled(h.two, 4) + zeroFilled(h.four, 3); break;
    case RankPriority::TwoFirst: key = zeroFilled(h.two, 4) + zeroFilled(h.three, 4) + zeroFilled(h.four, 3); break;
  }
  return key + "_" + e.layout;
}

std::string resultLine(LayoutShape shape, RankPriority p, const RankEntry& e) {
  const auto n = [](long long v) { return std::to_string(v); };
  const HitCounts& h = e.hits;
  std::string counts;
  if (shape == LayoutShape::P3x3x3) {
    counts = "三星" + n(h.three) + "碰,二星" + n(h.two) + "碰";
  } else {
    switch (effectivePriority(shape, p)) {
      case RankPriority::FourFirst:
        counts = "四星" + n(h.four) + "碰,三星" + n(h.three) + "碰,二星" + n(h.two) + "碰";
        break;
      case RankPriority::ThreeFirst:
        counts = "三星" + n(h.three) + "碰,二星" + n(h.two) + "碰,四星" + n(h.four) + "碰";
        break;
      case RankPriority::TwoFirst:
        counts = "二星" + n(h.two) + "碰,三星" + n(h.three) + "碰,四星" + n(h.four) + "碰";
        break;
    }
  }
  return counts + "---" + pillarsText(shape, e.layout);
}

// --- Scoring ---

namespace {

// The literal scoring: the layout checked against every draw in turn.
HitCounts literalScore(const std::vector<std::vector<std::string>>& pillars, const std::vector<std::string>& draws) {
  HitCounts t;
  for (const auto& d : draws) t += CHECK_Bingo_pillar(pillars, d).hits;
  return t;
}

std::vector<std::string> drawTexts(const std::vector<std::string>& periodLines) {
  std::vector<std::string> out;
  out.reserve(periodLines.size());
  for (const auto& l : periodLines) out.push_back(periodDrawText(l));
  return out;
}

// Over a period, a layout hits as many two-star bets as there are pairs
// (draw, cross-pillar pair of the draw's balls), and likewise for three- and
// four-star bets with triples and quads: sum over draws of h[p]*h[q] counts
// exactly the cross-pillar pairs among each draw's balls. So the period is
// read once into counts[s] = number of draws containing every ball of s, for
// each group s of two to four selected balls (a bit mask over the positions
// in the selection), and every layout is scored from those counts alone.
//
// Balls are matched through ballBit, the same text equality the per-draw
// check uses: a field that is no two-digit ball never matches anything.
std::vector<uint32_t> coOccurrence(const std::vector<std::string>& balls, const std::vector<std::string>& periodLines) {
  const int n = static_cast<int>(balls.size());
  std::vector<uint32_t> counts(std::size_t{1} << n, 0);
  std::vector<uint64_t> bit(n);
  for (int i = 0; i < n; ++i) bit[i] = ballBit(balls[i]);
  for (const auto& line : periodLines) {
    const uint64_t drawn = periodLineMask(line);
    uint32_t m = 0;
    for (int i = 0; i < n; ++i)
      if (drawn & bit[i]) m |= uint32_t{1} << i;
    if (std::popcount(m) < 2) continue;
    for (uint32_t s = m; s; s = (s - 1) & m) {
      const int c = std::popcount(s);
      if (c >= 2 && c <= 4) ++counts[s];
    }
  }
  return counts;
}

// Counts over the positions of a sub-selection: local[s] is the count of the
// same balls in the full selection's table.
void localCounts(const std::vector<uint32_t>& global, const int* positions, int m, uint32_t* local) {
  uint32_t expanded[1u << 10];
  expanded[0] = 0;
  local[0] = global[0];
  for (uint32_t s = 1; s < (1u << m); ++s) {
    expanded[s] = expanded[s & (s - 1)] | (uint32_t{1} << positions[std::countr_zero(s)]);
    local[s] = global[expanded[s]];
  }
}

// Any layout, from the counts: every group of two to four balls that takes at
// most one ball from each pillar adds its count.
HitCounts genericScore(const uint32_t* counts, const std::vector<uint32_t>& groups,
                       const std::vector<uint32_t>& pillarMasks) {
  HitCounts t;
  for (uint32_t s : groups) {
    bool cross = true;
    for (uint32_t p : pillarMasks) cross = cross && std::popcount(s & p) <= 1;
    if (!cross) continue;
    switch (std::popcount(s)) {
      case 2: t.two += counts[s]; break;
      case 3: t.three += counts[s]; break;
      default: t.four += counts[s]; break;
    }
  }
  return t;
}

// --- The two-pairs-then-halves shapes: 2x2x2x2 (M = 8) and 2x2x3x3 (M = 10) ---
//
// Both put the smallest ball with another into pillar 1, pick a pair for
// pillar 2 (2x2x2x2: the rest's smallest with another; 2x2x3x3: any pair),
// and split the remaining K = M - 4 balls R into pillars 3 and 4, the one
// with R's smallest ball first. With pillars 1 and 2 fixed, each total is a
// constant plus a sum of per-pair weights w(c, d) over the pairs c in
// pillar 3, d in pillar 4, which is "all pairs of R" minus the pairs inside
// pillar 3 or 4:
//   four  = sum over cross (c,d) of  sum_{a in P1, b in P2} N(a,b,c,d)
//   three = sum_{a in P1, b in P2, c in R} N(a,b,c)
//           + sum over cross (c,d) of sum_{x in P1 or P2} N(x,c,d)
//   two   = all pairs of the balls - N(P1) - N(P2) - pairs inside P3 and P4
// so each of R's splits costs a handful of additions.

template <int K>
struct Halves {
  static constexpr int kPairs = K * (K - 1) / 2;
  static constexpr int kHalf = K / 2;
  static constexpr int kInside = 2 * (kHalf * (kHalf - 1) / 2);  // pairs inside pillar 3 or 4
  static constexpr int kSplits = K == 6 ? 10 : 3;
  struct Split {
    int p3[kHalf], p4[kHalf];
    int inside[kInside];  // pair indices
  };
  std::array<int, K * K> pairIndex{};
  std::array<Split, kSplits> splits{};

  Halves() {
    int n = 0;
    for (int c = 0; c < K; ++c)
      for (int d = c + 1; d < K; ++d) pairIndex[c * K + d] = n++;
    int s = 0;
    // Pillar 3 holds R's first ball and kHalf - 1 others, in lexicographic order.
    forEachCombination(K - 1, kHalf - 1, [&](const int* c) {
      Split& sp = splits[s++];
      bool in3[K] = {};
      sp.p3[0] = 0;
      in3[0] = true;
      for (int i = 0; i < kHalf - 1; ++i) {
        sp.p3[i + 1] = c[i] + 1;
        in3[c[i] + 1] = true;
      }
      int j = 0;
      for (int i = 0; i < K; ++i)
        if (!in3[i]) sp.p4[j++] = i;
      int w = 0;
      for (const int* half : {sp.p3, sp.p4})
        for (int a = 0; a < kHalf; ++a)
          for (int b = a + 1; b < kHalf; ++b) sp.inside[w++] = pairIndex[half[a] * K + half[b]];
    });
  }
};

// Calls visit(four, three, two, fill) for every layout in enumeration order;
// fill(order) writes the layout's ball positions in LayoutText order.
template <int M, class Visit>
void scorePairPairHalves(const uint32_t* N, Visit&& visit) {
  constexpr int K = M - 4;
  constexpr bool kAnySecondPair = M == 10;
  static const Halves<K> H;
  using HS = Halves<K>;

  uint32_t allPairs = 0;
  for (int a = 0; a < M; ++a)
    for (int b = a + 1; b < M; ++b) allPairs += N[(1u << a) | (1u << b)];

  int rest1[M];
  int rest2[K];
  uint32_t w4[HS::kPairs], w3[HS::kPairs], w2[HS::kPairs];

  for (int x = 1; x < M; ++x) {
    int r1 = 0;
    for (int i = 1; i < M; ++i)
      if (i != x) rest1[r1++] = i;
    const uint32_t a0 = 1u, a1 = 1u << x;
    for (int i = 0; i < (kAnySecondPair ? M - 2 : 1); ++i) {
      for (int j = i + 1; j < M - 2; ++j) {
        const int y = rest1[i], z = rest1[j];
        const uint32_t b0 = 1u << y, b1 = 1u << z;
        int r2 = 0;
        for (int t = 0; t < M - 2; ++t)
          if (t != i && t != j) rest2[r2++] = rest1[t];

        const uint32_t q0 = a0 | b0, q1 = a0 | b1, q2 = a1 | b0, q3 = a1 | b1;
        uint32_t sum4 = 0, sum3 = 0, sum2 = 0, t3 = 0;
        for (int c = 0; c < K; ++c) {
          const uint32_t cb = 1u << rest2[c];
          t3 += N[q0 | cb] + N[q1 | cb] + N[q2 | cb] + N[q3 | cb];
          for (int d = c + 1; d < K; ++d) {
            const uint32_t cd = cb | (1u << rest2[d]);
            const int e = H.pairIndex[c * K + d];
            w4[e] = N[q0 | cd] + N[q1 | cd] + N[q2 | cd] + N[q3 | cd];
            w3[e] = N[a0 | cd] + N[a1 | cd] + N[b0 | cd] + N[b1 | cd];
            w2[e] = N[cd];
            sum4 += w4[e];
            sum3 += w3[e];
            sum2 += w2[e];
          }
        }
        const uint32_t base2 = allPairs - N[a0 | a1] - N[b0 | b1];

        for (const auto& sp : H.splits) {
          uint32_t in4 = 0, in3 = 0, in2 = 0;
          for (int e : sp.inside) {
            in4 += w4[e];
            in3 += w3[e];
            in2 += w2[e];
          }
          visit(sum4 - in4, t3 + sum3 - in3, base2 - in2, [&](int* order) {
            order[0] = 0;
            order[1] = x;
            order[2] = y;
            order[3] = z;
            for (int h = 0; h < HS::kHalf; ++h) {
              order[4 + h] = rest2[sp.p3[h]];
              order[4 + HS::kHalf + h] = rest2[sp.p4[h]];
            }
          });
        }
      }
    }
  }
}

// The LayoutText of ball positions.
template <class Ball>
std::string layoutText(const int* order, int m, Ball&& ball) {
  std::string s;
  s.reserve(2 * m);
  for (int i = 0; i < m; ++i) s += ball(order[i]);
  return s;
}

// Keeps the greatest entry seen, as the ranking orders them.
template <int M>
struct BestOf {
  RankPriority priority;
  const std::string* const* balls;  // ball text of each position
  bool any = false;
  std::array<long long, 3> key{};
  uint32_t four = 0, three = 0, two = 0;
  char text[2 * M]{};

  void write(const int* order, char* out) const {
    for (int i = 0; i < M; ++i) std::memcpy(out + 2 * i, balls[order[i]]->data(), 2);
  }

  template <class Fill>
  void operator()(uint32_t f, uint32_t t, uint32_t w, Fill&& fill) {
    const std::array<long long, 3> k = keyOf(HitCounts{w, t, f}, priority);
    if (any && k < key) return;
    int order[M];
    fill(order);
    char candidate[2 * M];
    write(order, candidate);
    if (any && k == key && std::memcmp(candidate, text, 2 * M) <= 0) return;
    any = true;
    key = k;
    four = f;
    three = t;
    two = w;
    std::memcpy(text, candidate, 2 * M);
  }

  RankEntry entry() const { return RankEntry{HitCounts{two, three, four}, std::string(text, 2 * M)}; }
};

// Every layout of a shape over all the balls, scored fast.
std::vector<RankEntry> fastEntries(LayoutShape shape, const std::vector<std::string>& balls,
                                   const std::vector<std::string>& periodLines) {
  const std::vector<uint32_t> N = coOccurrence(balls, periodLines);
  const int m = static_cast<int>(balls.size());
  auto ball = [&](int i) -> const std::string& { return balls[i]; };
  std::vector<RankEntry> out;
  out.reserve(shapeInfo(shape).layouts);
  auto collect = [&](uint32_t f, uint32_t t, uint32_t w, auto&& fill) {
    int order[16];
    fill(order);
    out.push_back(RankEntry{HitCounts{w, t, f}, layoutText(order, m, ball)});
  };
  if (shape == LayoutShape::P2x2x2x2) {
    scorePairPairHalves<8>(N.data(), collect);
  } else if (shape == LayoutShape::P2x2x3x3) {
    scorePairPairHalves<10>(N.data(), collect);
  } else {
    std::vector<uint32_t> groups;
    for (uint32_t s = 1; s < (1u << m); ++s)
      if (std::popcount(s) >= 2 && std::popcount(s) <= 4) groups.push_back(s);
    const auto& sizes = shapeInfo(shape).sizes;
    std::vector<int> all(m);
    for (int i = 0; i < m; ++i) all[i] = i;
    std::array<int, 16> order{};
    std::vector<uint32_t> pillarMasks(sizes.size());
    auto score = [&](const int* o) {
      int at = 0;
      for (std::size_t p = 0; p < sizes.size(); ++p) {
        pillarMasks[p] = 0;
        for (int j = 0; j < sizes[p]; ++j) pillarMasks[p] |= 1u << o[at++];
      }
      out.push_back(RankEntry{genericScore(N.data(), groups, pillarMasks), layoutText(o, m, ball)});
    };
    enumerateIndices(steps(shape), 0, all, order, 0, score);
  }
  return out;
}

std::vector<RankEntry> literalEntries(LayoutShape shape, const std::vector<std::string>& balls,
                                      const std::vector<std::string>& draws) {
  std::vector<RankEntry> out;
  for (const auto& text : enumerateLayouts(shape, balls))
    out.push_back(RankEntry{literalScore(splitLayout(shape, text), draws), text});
  return out;
}

// The lines both kinds of report start with, up to the ordering line.
std::vector<std::string> reportHead(const std::string& title, const std::string& caption, const std::string& ballsLabel,
                                    const std::vector<std::string>& selected, LayoutShape shape) {
  const BetCounts cost = betCounts(shapeInfo(shape).sizes);
  return {title,
          "",
          caption,
          "",
          ballsLabel,
          join(selected, ","),
          "",
          "成本二星 " + std::to_string(cost.two) + " 碰",
          "成本三星 " + std::to_string(cost.three) + " 碰",
          "成本四星 " + std::to_string(cost.four) + " 碰",
          ""};
}

std::vector<std::string> layoutReport(LayoutShape shape, RankPriority p, const std::vector<std::string>& selected,
                                      const std::string& caption, const std::vector<RankEntry>& ranked) {
  static const char* const titles[] = {"８碼立柱 = 2x2x2x2 優柱分析", "９碼立柱 = 3x3x3 優柱分析",
                                       "８碼立柱 = 1x1x2x2x2 優柱分析", "１０碼立柱 = 2x2x3x3 優柱分析"};
  static const int rules[] = {20, 15, 17, 20};
  const int s = static_cast<int>(shape);
  auto r = reportHead(titles[s], caption, "您選擇的立柱號碼( " + std::to_string(selected.size()) + " 碼)", selected,
                      shape);
  if (shape == LayoutShape::P3x3x3)
    r.push_back("以下按三星/二星次數排列三十組");
  else if (shape == LayoutShape::P1x1x2x2x2)
    r.push_back("以下按四星/三星/二星次數排列三十組");
  else
    r.push_back(std::string("以下按") + priorityText(p));
  r.push_back(repeat("￣", rules[s]));
  const int n = std::min<int>(shapeInfo(shape).reported, static_cast<int>(ranked.size()));
  for (int i = 0; i < n; ++i) {
    r.push_back(resultLine(shape, p, ranked[i]));
    r.push_back("");
  }
  return r;
}

}  // namespace

LayoutAnalysis analyzeLayouts(LayoutShape shape, const std::vector<std::string>& selected,
                              const std::vector<std::string>& periodLines, const std::string& periodCaption,
                              RankPriority priority, Scoring scoring) {
  LayoutAnalysis a;
  if (static_cast<int>(selected.size()) != shapeInfo(shape).balls) return a;
  const RankPriority p = effectivePriority(shape, priority);
  a.ranked = scoring == Scoring::Literal ? literalEntries(shape, selected, drawTexts(periodLines))
                                         : fastEntries(shape, selected, periodLines);
  sortRanked(a.ranked, p);
  a.report = layoutReport(shape, p, selected, periodCaption, a.ranked);
  a.best = splitLayout(shape, a.ranked.front().layout);
  return a;
}

// --- Exhaustive sub-selection analyses ---

namespace {

struct KindInfo {
  int balls, kept;
  LayoutShape shape;
  int reported;
};

KindInfo kindInfo(SubSelectionKind k) {
  return k == SubSelectionKind::Choose12of8 ? KindInfo{12, 8, LayoutShape::P2x2x2x2, 20}
                                            : KindInfo{15, 10, LayoutShape::P2x2x3x3, 5};
}

// The kept positions of every sub-selection, leaving out positions in
// lexicographic order.
std::vector<std::vector<int>> keptPositions(SubSelectionKind kind) {
  const KindInfo ki = kindInfo(kind);
  std::vector<std::vector<int>> out;
  forEachCombination(ki.balls, ki.balls - ki.kept, [&](const int* c) {
    std::vector<int> kept;
    int j = 0;
    for (int i = 0; i < ki.balls; ++i) {
      if (j < ki.balls - ki.kept && c[j] == i)
        ++j;
      else
        kept.push_back(i);
    }
    out.push_back(std::move(kept));
  });
  return out;
}

}  // namespace

std::vector<std::string> subSelectionTable(SubSelectionKind kind, const std::vector<std::string>& selected) {
  std::vector<std::string> out;
  if (static_cast<int>(selected.size()) != kindInfo(kind).balls) return out;
  for (const auto& kept : keptPositions(kind)) {
    std::string s;
    for (int i : kept) s += selected[i];
    out.push_back(s);
  }
  return out;
}

std::vector<std::string> ballsLeftOut(const std::vector<std::string>& selected, std::string_view layoutText) {
  std::vector<std::string> out;
  const auto used = items(layoutText);
  for (const auto& b : selected)
    if (std::find(used.begin(), used.end(), std::string_view(b)) == used.end()) out.push_back(b);
  return out;
}

std::string choose12of8Progress(int t) { return std::to_string(t / 5) + "%處理中"; }

std::string choose15of10Progress(int n) {
  // n / 30 in hundredths is 10n / 3, whose remainder is never a half.
  const long long h = (10LL * n + 1) / 3;
  const std::string frac = std::to_string(h % 100);
  return std::to_string(h / 100) + "." + (frac.size() < 2 ? "0" : "") + frac + "%處理中";
}

struct SubSelectionRun::Impl {
  SubSelectionKind kind;
  KindInfo info;
  std::vector<std::string> selected;
  std::string caption;
  RankPriority priority;
  Scoring scoring;
  std::vector<std::vector<int>> kept;
  std::vector<std::string> table;
  std::vector<RankEntry> best;
  std::vector<uint32_t> counts;     // fast: the selection's co-occurrence counts
  std::vector<std::string> draws;   // literal: each PeriodLine's draw text

  RankEntry fastBest(const std::vector<int>& positions) const {
    const int m = info.kept;
    uint32_t local[1u << 10];
    localCounts(counts, positions.data(), m, local);
    const std::string* balls[10];
    for (int i = 0; i < m; ++i) balls[i] = &selected[positions[i]];
    if (m == 8) {
      BestOf<8> b{priority, balls};
      scorePairPairHalves<8>(local, b);
      return b.entry();
    }
    BestOf<10> b{priority, balls};
    scorePairPairHalves<10>(local, b);
    return b.entry();
  }

  // Walks the layouts in table order; a later one replaces the best only
  // when strictly greater.
  RankEntry literalBest(const std::vector<int>& positions) const {
    std::vector<std::string> balls;
    for (int i : positions) balls.push_back(selected[i]);
    RankEntry bestEntry;
    bool any = false;
    for (auto& e : literalEntries(info.shape, balls, draws))
      if (!any || rankGreater(e, bestEntry, priority)) {
        bestEntry = std::move(e);
        any = true;
      }
    return bestEntry;
  }
};

SubSelectionRun::SubSelectionRun(SubSelectionKind kind, const std::vector<std::string>& selected,
                                 const std::vector<std::string>& periodLines, const std::string& periodCaption,
                                 RankPriority priority, Scoring scoring)
    : d_(std::make_unique<Impl>()) {
  d_->kind = kind;
  d_->info = kindInfo(kind);
  d_->selected = selected;
  d_->caption = periodCaption;
  d_->priority = priority;
  d_->scoring = scoring;
  if (static_cast<int>(selected.size()) != d_->info.balls) return;
  d_->kept = keptPositions(kind);
  d_->table = subSelectionTable(kind, selected);
  d_->best.reserve(d_->kept.size());
  if (scoring == Scoring::Fast)
    d_->counts = coOccurrence(selected, periodLines);
  else
    d_->draws = drawTexts(periodLines);
}

SubSelectionRun::~SubSelectionRun() = default;
SubSelectionRun::SubSelectionRun(SubSelectionRun&&) noexcept = default;
SubSelectionRun& SubSelectionRun::operator=(SubSelectionRun&&) noexcept = default;

bool SubSelectionRun::step() {
  if (finished()) return false;
  const auto& positions = d_->kept[d_->best.size()];
  d_->best.push_back(d_->scoring == Scoring::Fast ? d_->fastBest(positions) : d_->literalBest(positions));
  return true;
}

int SubSelectionRun::done() const { return static_cast<int>(d_->best.size()); }
int SubSelectionRun::total() const { return static_cast<int>(d_->kept.size()); }
SubSelectionKind SubSelectionRun::kind() const { return d_->kind; }
LayoutShape SubSelectionRun::shape() const { return d_->info.shape; }
const std::vector<std::string>& SubSelectionRun::subSelections() const { return d_->table; }
const std::vector<RankEntry>& SubSelectionRun::bestTable() const { return d_->best; }

std::vector<RankEntry> SubSelectionRun::ranked() const {
  std::vector<RankEntry> r = d_->best;
  sortRanked(r, d_->priority);
  return r;
}

std::vector<std::string> SubSelectionRun::report(const std::string& startText, const std::string& endText) const {
  const bool twelve = d_->kind == SubSelectionKind::Choose12of8;
  const LayoutShape shape = d_->info.shape;
  auto r = reportHead(twelve ? "１２選８碼立柱 = 2x2x2x2 優柱分析" : "１５選１０碼立柱 = 2x2x3x3 優柱分析", d_->caption,
                      "您選擇的立柱號碼", d_->selected, shape);
  r.push_back(std::string("以下按") + priorityText(d_->priority));
  r.push_back(repeat("￣", 20));
  const auto sorted = ranked();
  const int n = std::min<int>(d_->info.reported, static_cast<int>(sorted.size()));
  for (int i = 0; i < n; ++i) {
    r.push_back(resultLine(shape, d_->priority, sorted[i]));
    r.push_back("【沒有用到的號碼：" + join(ballsLeftOut(d_->selected, sorted[i].layout), "x") + "】");
    r.push_back("");
  }
  if (twelve) {
    r.push_back("( 計算時間 " + startText + " - " + endText + " )");
  } else {
    r.push_back("※ 以上結果為計算所有組合之 ﹙" + std::to_string(done()) + " / 3003 ﹚");
    r.push_back(" 計算時間 " + startText + " - " + endText + " ");
  }
  return r;
}

std::vector<std::vector<std::string>> SubSelectionRun::bestLayout() const {
  if (d_->best.empty()) return {};
  const auto top = std::max_element(d_->best.begin(), d_->best.end(), [this](const RankEntry& a, const RankEntry& b) {
    return rankGreater(b, a, d_->priority);
  });
  return splitLayout(d_->info.shape, top->layout);
}

}  // namespace tovrin
