#include "core/pillars/statistics.h"

#include <algorithm>
#include <bit>
#include <unordered_set>

namespace tovrin {

// --- Ball and tail frequencies ---

const std::vector<std::string>& BallStatistics::list(int k) const {
  return k <= 2 ? pairs : k == 3 ? triples : quads;
}

namespace {

// The value of a two-digit field, or -1.
int twoDigitValue(std::string_view f) {
  if (f.size() != 2 || f[0] < '0' || f[0] > '9' || f[1] < '0' || f[1] > '9') return -1;
  return (f[0] - '0') * 10 + (f[1] - '0');
}

std::array<std::string_view, 6> lineFields(std::string_view line) {
  std::array<std::string_view, 6> f;
  for (int i = 0; i < 6; ++i) f[i] = periodBallText(line, i);
  return f;
}

// Appends `text` to `list` unless the list already holds it.
void addCombo(std::vector<std::string>& list, std::unordered_set<std::string>& seen, std::string text) {
  if (seen.insert(text).second) list.push_back(std::move(text));
}

}  // namespace

BallStatistics Count_Sumno(const std::vector<std::string>& lines, int maxBall) {
  BallStatistics s;
  maxBall = std::max(maxBall, 0);
  std::vector<int> tally(maxBall + 1);
  for (int b = 1; b <= maxBall; ++b) tally[b] = b;

  std::unordered_set<std::string> seenPairs, seenTriples, seenQuads;
  seenPairs.reserve(1176);
  seenTriples.reserve(std::min<std::size_t>(lines.size() * 20, 18424));
  seenQuads.reserve(lines.size() * 15);
  for (const auto& line : lines) {
    const auto f = lineFields(line);
    for (int i = 0; i < 6; ++i) {
      const int v = twoDigitValue(f[i]);
      if (v >= 1 && v <= maxBall) tally[v] += 100;
    }
    // Four-ball, then three-ball, then two-ball combinations, each in
    // lexicographic order of the positions: this fixes the list order.
    for (int i = 0; i < 6; ++i)
      for (int j = i + 1; j < 6; ++j)
        for (int k = j + 1; k < 6; ++k)
          for (int l = k + 1; l < 6; ++l)
            addCombo(s.quads, seenQuads, std::string(f[i]).append(f[j]).append(f[k]).append(f[l]));
    for (int i = 0; i < 6; ++i)
      for (int j = i + 1; j < 6; ++j)
        for (int k = j + 1; k < 6; ++k)
          addCombo(s.triples, seenTriples, std::string(f[i]).append(f[j]).append(f[k]));
    for (int i = 0; i < 6; ++i)
      for (int j = i + 1; j < 6; ++j) addCombo(s.pairs, seenPairs, std::string(f[i]).append(f[j]));
  }

  // The values are distinct (the ball is part of them), so any descending
  // sort gives the exchange sort's order.
  s.tally.assign(tally.begin() + 1, tally.end());
  std::sort(s.tally.begin(), s.tally.end(), std::greater<>());
  return s;
}

std::array<int, 10> Count_Sumno_tail(const std::vector<std::string>& lines) {
  std::array<int, 10> t;
  for (int i = 0; i < 10; ++i) t[i] = i;
  for (const auto& line : lines)
    for (auto f : lineFields(line))
      if (f.size() == 2 && f[1] >= '0' && f[1] <= '9') t[f[1] - '0'] += 100;
  std::sort(t.begin(), t.end(), std::greater<>());
  return t;
}

BallGrids show_sumno(const std::vector<int>& sortedTally) {
  BallGrids g;
  for (std::size_t r = 0; r < sortedTally.size(); ++r) {
    const int v = sortedTally[r];
    (r < 25 ? g.sga1 : g.sga2).push_back({format00(v % 100), std::to_string(v / 100)});
  }
  return g;
}

std::vector<GridColumn> show_sumno_tail(const std::array<int, 10>& sortedTally) {
  std::vector<GridColumn> cols;
  for (int v : sortedTally) cols.push_back({std::to_string(v % 100) + " 尾", std::to_string(v / 100)});
  return cols;
}

// --- Scored combinations ---

std::string scoredText(int count, std::string_view combo) {
  std::string s = std::to_string(count);
  if (s.size() < 3) s.insert(0, 3 - s.size(), '0');  // "000"
  return s.append(combo);
}

bool scoredGreater(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return a.size() > b.size();
  return a > b;
}

ScoredParts splitScored(std::string_view s, int k) {
  const std::size_t combo = 2 * static_cast<std::size_t>(std::max(k, 0));
  const std::size_t cut = s.size() >= combo + 3 ? s.size() - combo : std::min<std::size_t>(3, s.size());
  return {s.substr(0, cut), s.substr(cut)};
}

int ScoredParts::value() const {
  int v = 0;
  for (char c : count) {
    if (c < '0' || c > '9') return 0;
    v = v * 10 + (c - '0');
  }
  return v;
}

// --- Hot combinations ---

namespace {

constexpr int kMaxRankedK = 4;
constexpr int kMaskBalls = 64;  // ballBit knows the balls 00..63

// C(n, r) for n <= 64, r <= kMaxRankedK.
constexpr auto kBinomial = [] {
  std::array<std::array<uint32_t, kMaxRankedK + 1>, kMaskBalls + 1> c{};
  for (int n = 0; n <= kMaskBalls; ++n) {
    c[n][0] = 1;
    for (int r = 1; r <= kMaxRankedK; ++r) c[n][r] = n == 0 ? 0 : c[n - 1][r - 1] + c[n - 1][r];
  }
  return c;
}();

// Position of a k-ball set among all k-subsets of the 64 balls.
uint32_t subsetRank(uint64_t mask) {
  uint32_t r = 0;
  for (int j = 1; mask; ++j, mask &= mask - 1) r += kBinomial[std::countr_zero(mask)][j];
  return r;
}

// Number of lines containing each k-ball set, by rank: every line adds one
// for each k-subset of its balls.
std::vector<int> subsetCounts(const PeriodMasks& period, int k) {
  std::vector<int> counts(kBinomial[kMaskBalls][k], 0);
  for (uint64_t m : period.masks()) {
    // A line mask holds at most its six balls.
    int bits[6];
    int n = 0;
    for (uint64_t x = m; x && n < 6; x &= x - 1) bits[n++] = std::countr_zero(x);
    // The k-subsets as bit patterns over those n balls.
    for (uint32_t pick = 0; pick < (1u << n); ++pick) {
      if (std::popcount(pick) != k) continue;
      uint32_t r = 0;
      int j = 1;
      for (uint32_t p = pick; p; p &= p - 1, ++j) r += kBinomial[bits[std::countr_zero(p)]][j];
      ++counts[r];
    }
  }
  return counts;
}

std::vector<std::string> rankScored(std::vector<std::string> scored) {
  std::sort(scored.begin(), scored.end(), [](const std::string& a, const std::string& b) { return scoredGreater(a, b); });
  return scored;
}

// chkBingo by reading the lines as text. A field that is not a ball text
// ("00".."63") matches nothing, as in the ball masks.
int chkBingoText(const std::vector<std::string>& lines, std::string_view combo) {
  const std::size_t balls = combo.size() / 2;
  int n = 0;
  for (const auto& line : lines) {
    bool all = true;
    for (std::size_t p = 0; p < balls && all; ++p) {
      const std::string_view ball = combo.substr(2 * p, 2);
      bool found = false;
      if (ballBit(ball) != 0)
        for (int i = 0; i < 6 && !found; ++i) found = periodBallText(line, i) == ball;
      all = found;
    }
    n += all;
  }
  return n;
}

}  // namespace

std::vector<std::string> rankHotCombos(const std::vector<std::string>& list, int k, const PeriodMasks& period) {
  const bool ranked = k >= 1 && k <= kMaxRankedK;
  std::vector<int> counts;
  if (ranked) counts = subsetCounts(period, k);
  std::vector<std::string> scored;
  scored.reserve(list.size());
  for (const auto& entry : list) {
    const uint64_t m = comboMask(entry);
    // An entry naming a ball twice, or holding a field that is no ball, is
    // not a k-set of the table; chkBingo decides those directly.
    const int n = ranked && m != 0 && std::popcount(m) == k ? counts[subsetRank(m)] : period.chkBingo(entry);
    if (n != 0) scored.push_back(scoredText(n, entry));
  }
  return rankScored(std::move(scored));
}

std::vector<std::string> rankHotCombosLiteral(const std::vector<std::string>& list,
                                              const std::vector<std::string>& lines) {
  std::vector<std::string> scored;
  for (const auto& entry : list) {
    const int n = chkBingoText(lines, entry);
    if (n != 0) scored.push_back(scoredText(n, entry));
  }
  return rankScored(std::move(scored));
}

std::vector<std::string> hotMemoLines(const std::vector<std::string>& scored, int k) {
  std::vector<std::string> out;
  out.reserve(scored.size());
  for (const auto& s : scored) {
    const ScoredParts p = splitScored(s, k);
    out.push_back(std::string(p.combo) + "  " + std::string(p.count));
  }
  return out;
}

// --- Golden seven ---

namespace {

constexpr int kGroupChars = 14;
constexpr uint32_t kAllBalls = (1u << kGoldenBalls) - 1;

// The balls of the selection after index i.
uint32_t ballsAfter(int i) { return kAllBalls & ~((2u << i) - 1); }

void sortTopDescending(std::array<std::string, kGoldenTopSize>& top) {
  for (int i = 0; i < kGoldenTopSize; ++i)
    for (int j = i + 1; j < kGoldenTopSize; ++j)
      if (scoredGreater(top[j], top[i])) std::swap(top[i], top[j]);
}

}  // namespace

int chkBingo9(const DrawTable& t, Date d1, Date d2, std::string_view groupText) {
  const char* g = groupText.data();
  const std::size_t len = groupText.size();
  int n = 0;
  for (int r = 0; r < t.count; ++r) {
    if (t.dates[r] < d1 || d2 < t.dates[r]) continue;
    int hits = 0;
    for (int i = 0; i < 6; ++i) {
      // Text equality with one of the group's two-character balls.
      const std::string& ball = t.drawn[r][i];
      if (ball.size() != 2) continue;
      const char* b = ball.data();
      for (std::size_t p = 0; p + 1 < len; p += 2)
        if (b[0] == g[p] && b[1] == g[p + 1]) {
          ++hits;
          break;
        }
    }
    n += hits >= 4;
  }
  return n;
}

bool goldenSelectionOk(const std::vector<std::string>& selected) {
  if (selected.size() < static_cast<std::size_t>(kGoldenBalls)) return false;
  for (int i = 0; i < kGoldenBalls; ++i) {
    if (selected[i].size() != 2) return false;
    for (int j = 0; j < i; ++j)
      if (selected[j] == selected[i]) return false;
  }
  return true;
}

std::vector<std::string> GoldenSevenResult::reportLines() const {
  std::vector<std::string> out;
  if (!computed) return out;
  for (int i = 0; i < kGoldenTopSize; ++i) {
    const std::string& s = top[i];
    if (s.size() < static_cast<std::size_t>(kGroupChars)) continue;
    const std::size_t cut = s.size() - kGroupChars;
    int count = 0;
    for (std::size_t p = 0; p < cut; ++p) count = count * 10 + (s[p] - '0');
    if (count == 0) continue;
    std::string line = "第 " + format00(i + 1) + " 組號碼";
    for (int b = 0; b < 7; ++b) line.append(" ").append(s, cut + 2 * b, 2);
    line += " 開出四星以上" + std::to_string(count) + " 次";
    out.push_back(std::move(line));
  }
  return out;
}

bool GoldenSeven::init(const DrawTable& t, Date d1, Date d2, const std::vector<std::string>& selected) {
  *this = GoldenSeven();
  if (!goldenSelectionOk(selected)) return false;
  computed_ = true;
  total_ = kGoldenGroups;
  for (int j = 0; j < kGoldenBalls; ++j)
    token_[j] = static_cast<uint16_t>(static_cast<unsigned char>(selected[j][0]) << 8 |
                                      static_cast<unsigned char>(selected[j][1]));
  for (int q = 0; q < 7; ++q) idx_[q] = q;

  // Each draw of the range as the selected balls it holds. Draws with fewer
  // than four of them never count; a draw holding a selected ball twice
  // cannot be a plain mask and is checked per group.
  for (int r = 0; r < t.count; ++r) {
    if (t.dates[r] < d1 || d2 < t.dates[r]) continue;
    std::array<uint8_t, kGoldenBalls> w{};
    int hits = 0;
    bool twice = false;
    for (int i = 0; i < 6; ++i)
      for (int j = 0; j < kGoldenBalls; ++j)
        if (t.drawn[r][i] == selected[j]) {
          twice |= w[j]++ != 0;
          ++hits;
          break;
        }
    if (hits < 4) continue;
    if (twice) {
      irregular_.push_back(w);
      continue;
    }
    uint32_t mask = 0;
    for (int j = 0; j < kGoldenBalls; ++j) mask |= uint32_t{w[j]} << j;
    rows_[0].push_back(mask);
  }

  Key start;
  for (int p = 0; p < 7; ++p) {
    const uint64_t tok = static_cast<unsigned char>(kGoldenStart[3 + 2 * p]) << 8 |
                         static_cast<unsigned char>(kGoldenStart[4 + 2 * p]);
    (p < 4 ? start.hi : start.lo) |= tok << (48 - 16 * (p % 4));
  }
  top_.fill(start);
  return true;
}

// Level l holds the draws for the group's first l balls idx_[0..l-1]: those
// with four hits among them already count for every group below (base_),
// those that cannot reach four with the 7 - l balls still to come are
// dropped, the rest are passed on.
void GoldenSeven::buildLevel(int level) {
  const int i = idx_[level - 1];
  const uint32_t prefix = prefix_[level - 1] | (1u << i);
  const uint32_t after = ballsAfter(i);
  const int toCome = 7 - level;
  prefix_[level] = prefix;
  base_[level] = base_[level - 1];
  auto& out = rows_[level];
  out.clear();
  for (uint32_t h : rows_[level - 1]) {
    const int c = std::popcount(h & prefix);
    if (c >= 4)
      ++base_[level];
    else if (c + std::min(toCome, std::popcount(h & after)) >= 4)
      out.push_back(h);
  }
}

// With the first five balls fixed, a remaining draw has two or three hits
// among them. The group with last balls x < y gains the draws with three
// hits that hold x or y, and those with two hits that hold both:
//   single_[x] + single_[y] + pair_[x][y]
// where pair_ adds the two-hit draws and takes back the three-hit draws
// counted twice.
void GoldenSeven::buildTails() {
  const int i = idx_[4];
  for (int x = i + 1; x < kGoldenBalls; ++x) {
    single_[x] = 0;
    pair_[x].fill(0);
  }
  const uint32_t after = ballsAfter(i);
  for (uint32_t h : rows_[5]) {
    const int c = std::popcount(h & prefix_[5]);
    int b[kGoldenBalls];
    int n = 0;
    for (uint32_t m = h & after; m; m &= m - 1) b[n++] = std::countr_zero(m);
    const int sign = c == 3 ? -1 : 1;
    if (c == 3)
      for (int x = 0; x < n; ++x) ++single_[b[x]];
    for (int x = 0; x < n; ++x)
      for (int y = x + 1; y < n; ++y) pair_[b[x]][b[y]] += sign;
  }
}

void GoldenSeven::offer(int count) {
  if (count < top_[kGoldenTopSize - 1].count) return;
  Key k;
  k.count = count;
  for (int p = 0; p < 7; ++p) (p < 4 ? k.hi : k.lo) |= uint64_t{token_[idx_[p]]} << (48 - 16 * (p % 4));
  if (!(top_[kGoldenTopSize - 1] < k)) return;
  top_[kGoldenTopSize - 1] = k;
  for (int i = kGoldenTopSize - 1; i > 0 && top_[i - 1] < top_[i]; --i) std::swap(top_[i - 1], top_[i]);
}

// Moves idx_ to the next group in lexicographic order; false after the last.
bool GoldenSeven::advance() {
  int p = 6;
  while (p >= 0 && idx_[p] == kGoldenBalls - 7 + p) --p;
  if (p < 0) return false;
  ++idx_[p];
  for (int q = p + 1; q < 7; ++q) idx_[q] = idx_[q - 1] + 1;
  validLevel_ = std::min(validLevel_, p);
  return true;
}

bool GoldenSeven::step(int maxGroups) {
  for (int n = 0; n < maxGroups && done_ < total_; ++n) {
    if (validLevel_ < kLevels - 1) {
      for (int l = validLevel_ + 1; l < kLevels; ++l) buildLevel(l);
      buildTails();
      validLevel_ = kLevels - 1;
    }
    const int x = idx_[5], y = idx_[6];
    int g = base_[5] + single_[x] + single_[y] + pair_[x][y];
    for (const auto& w : irregular_) {
      int hits = 0;
      for (int q = 0; q < 7; ++q) hits += w[idx_[q]];
      g += hits >= 4;
    }
    offer(g);
    ++done_;
    if (done_ < total_) advance();
  }
  return done_ < total_;
}

GoldenSevenResult GoldenSeven::result() const {
  GoldenSevenResult r;
  r.computed = computed_;
  if (!computed_) return r;
  for (int i = 0; i < kGoldenTopSize; ++i) {
    std::string text(kGroupChars, ' ');
    for (int p = 0; p < 7; ++p) {
      const uint64_t tok = (p < 4 ? top_[i].hi : top_[i].lo) >> (48 - 16 * (p % 4));
      text[2 * p] = static_cast<char>(tok >> 8 & 0xff);
      text[2 * p + 1] = static_cast<char>(tok & 0xff);
    }
    r.top[i] = scoredText(top_[i].count, text);
  }
  return r;
}

GoldenSevenResult goldenSeven(const DrawTable& t, Date d1, Date d2, const std::vector<std::string>& selected) {
  GoldenSeven g;
  if (g.init(t, d1, d2, selected)) g.step(kGoldenGroups);
  return g.result();
}

GoldenSevenResult goldenSevenLiteral(const DrawTable& t, Date d1, Date d2, const std::vector<std::string>& selected,
                                     int groupLimit) {
  GoldenSevenResult r;
  if (!goldenSelectionOk(selected)) return r;
  r.computed = true;
  r.top.fill(kGoldenStart);
  if (groupLimit <= 0) return r;
  const auto& b = selected;
  const int n = kGoldenBalls;
  int scored = 0;
  std::string group;
  auto score = [&] {
    const std::string s = scoredText(chkBingo9(t, d1, d2, group), group);
    if (scoredGreater(s, r.top[kGoldenTopSize - 1])) {
      r.top[kGoldenTopSize - 1] = s;
      sortTopDescending(r.top);
    }
    return ++scored < groupLimit;
  };
  [&] {
    for (int i1 = 0; i1 < n; ++i1)
      for (int i2 = i1 + 1; i2 < n; ++i2)
        for (int i3 = i2 + 1; i3 < n; ++i3)
          for (int i4 = i3 + 1; i4 < n; ++i4)
            for (int i5 = i4 + 1; i5 < n; ++i5)
              for (int i6 = i5 + 1; i6 < n; ++i6)
                for (int i7 = i6 + 1; i7 < n; ++i7) {
                  group.assign(b[i1]).append(b[i2]).append(b[i3]).append(b[i4]).append(b[i5]).append(b[i6]).append(b[i7]);
                  if (!score()) return;
                }
  }();
  return r;
}

}  // namespace tovrin
