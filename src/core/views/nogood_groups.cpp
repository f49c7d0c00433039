#include "core/views/nogood_groups.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/util/date.h"

namespace tovrin::groups {

namespace {

const std::string kDashes(35, '-');

// The fourteen candidate residues of a lag pair for one target draw: the
// differences then the sums of the lagged draws' sorted balls, mod MaxBall.
// Candidate i for multiplier m is (residue·m + i) mod MaxBall + 1.
struct Residues {
  std::array<int, 14> r{};
};

Residues residues(const DrawTable& t, int maxBall, const Route& route, int target) {
  Residues out;
  const auto& a = t.sorted[target - route.p];
  const auto& b = t.sorted[target - route.q];
  for (int c = 0; c < 7; ++c) {
    const int x = std::atoi(a[c].c_str()), y = std::atoi(b[c].c_str());
    out.r[c] = ((x - y) % maxBall + maxBall) % maxBall;
    out.r[7 + c] = (x + y) % maxBall;
  }
  return out;
}

// Multiples mod MaxBall, so a candidate costs a lookup instead of a division.
class MulTable {
 public:
  explicit MulTable(int maxBall) : mb_(maxBall), v_(static_cast<size_t>(maxBall) * (maxBall + 1)) {
    for (int r = 0; r < mb_; ++r)
      for (int m = 0; m <= mb_; ++m) v_[r * (mb_ + 1) + m] = (r * m) % mb_;
  }
  int operator()(int r, int m) const { return v_[r * (mb_ + 1) + m]; }

 private:
  int mb_;
  std::vector<int> v_;
};

// The group as a mask of numbers 1..MaxBall. Each candidate that collides
// moves up (MaxBall wraps to 1) to the next free number; the resulting set is
// the one the sort-and-bump rule gives, whatever the order of collisions.
uint64_t groupMask(const Residues& res, const MulTable& mul, int maxBall, int count, int m) {
  uint64_t mask = 0;
  for (int i = 0; i < count; ++i) {
    int v = mul(res.r[i], m) + i;
    while (v >= maxBall) v -= maxBall;
    int x = v + 1;
    while (mask >> x & 1) x = x == maxBall ? 1 : x + 1;
    mask |= uint64_t{1} << x;
  }
  return mask;
}

std::string maskText(uint64_t mask) {
  std::string s;
  s.reserve(42);
  while (mask) {
    const int x = std::countr_zero(mask);
    mask &= mask - 1;
    s += static_cast<char>('0' + x / 10);
    s += static_cast<char>('0' + x % 10);
    s += '.';
  }
  return s;
}

uint64_t ballMask(const DrawTable::Balls& balls) {
  uint64_t m = 0;
  for (int c = 0; c < 6; ++c) m |= uint64_t{1} << std::atoi(balls[c].c_str());
  return m;
}

long long encode(int hits, const Route& r) {
  return hits * 1000000LL + r.p * 10000LL + r.q * 100LL + r.m;
}

std::string conditionLine(const Search& s) {
  return "驗證條件：以基準日期 " + s.base.dateText + " 的前九期 , " + std::to_string(s.settings.pass) +
         " 期以上爆 " + std::to_string(s.settings.burst) + " 支以下的數據來預測本期號碼";
}

std::string codeLine(const Search& s, long long route) {
  return "版路代號：" + routeCode(route) + " ( " + std::to_string(s.settings.count) + " 碼)";
}

std::string hitsCell(int h) { return h == 0 ? "過關" : "  " + std::to_string(h); }

// What every summary of one search shares, built once: the multiples
// table, the condition line, each row's leading text, the judged draws'
// ball masks and the sorted balls as integers.
struct SummaryContext {
  SummaryContext(const DrawTable& t, const Search& s)
      : mul(s.maxBall), condition(conditionLine(s)), first(s.base.index - (kJudged - 1)) {
    for (int target = first; target < t.count; ++target) {
      rowPrefix.push_back(t.numbers[target] + "期預測 ");
      ballMasks.push_back(ballMask(t.sorted[target]));
    }
    for (int k = 1; k <= 9; ++k) rowPrefix.push_back("下   " + std::to_string(k) + "    期預測 ");
    for (int i = first - 10; i < t.count; ++i) {
      std::array<int, 7> b{};
      for (int c = 0; c < 7; ++c) b[c] = std::atoi(t.sorted[i][c].c_str());
      sortedInt.push_back(b);
    }
  }
  Residues residuesOf(int maxBall, const Route& r, int target) const {
    Residues out;
    const auto& a = sortedInt[target - r.p - (first - 10)];
    const auto& b = sortedInt[target - r.q - (first - 10)];
    for (int c = 0; c < 7; ++c) {
      out.r[c] = ((a[c] - b[c]) % maxBall + maxBall) % maxBall;
      out.r[7 + c] = (a[c] + b[c]) % maxBall;
    }
    return out;
  }
  MulTable mul;
  std::string condition;
  int first;                           // the first judged draw (0-based)
  std::vector<std::string> rowPrefix;  // stored draws from `first`, then predictions 1..9
  std::vector<uint64_t> ballMasks;
  std::vector<std::array<int, 7>> sortedInt;  // from first − 10
};

// The summary of one route as text lines ending in "\n", from the groups as masks.
void writeSummary(std::string& out, const DrawTable& t, const Search& s, const SummaryContext& ctx, int index,
                  long long route, std::vector<std::string>* groupTexts = nullptr,
                  std::vector<int>* hits = nullptr) {
  const Route r = decode(route);
  const int n = t.count;
  auto line = [&out](std::string_view text) {
    out += text;
    out += '\n';
  };
  line("第" + std::to_string(index) + "組");
  line(kDashes);
  line(ctx.condition);
  line(codeLine(s, route));
  line("預測及驗證：");
  for (int target = ctx.first; target < n + r.p; ++target) {
    const uint64_t mask =
        groupMask(ctx.residuesOf(s.maxBall, r, target), ctx.mul, s.maxBall, s.settings.count, r.m);
    out += ctx.rowPrefix[target - ctx.first];
    const size_t groupAt = out.size();
    for (uint64_t rest = mask; rest; rest &= rest - 1) {
      const int x = std::countr_zero(rest);
      out += static_cast<char>('0' + x / 10);
      out += static_cast<char>('0' + x % 10);
      out += '.';
    }
    if (groupTexts) groupTexts->push_back(out.substr(groupAt));
    if (target < n) {
      const int h = std::popcount(mask & ctx.ballMasks[target - ctx.first]);
      if (h == 0) {
        out += " 過關";
      } else {
        out += " 爆   ";
        out += std::to_string(h);
        out += " 支";
      }
      if (hits) hits->push_back(h);
    }
    out += '\n';
  }
  line("(爆支計算不包含特別號)");
  line(" ");
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t nl = text.find('\n'); nl != std::string::npos; nl = text.find('\n', from)) {
    lines.push_back(text.substr(from, nl - from));
    from = nl + 1;
  }
  return lines;
}

// The literal group: the first N candidate texts, then sort and bump the
// second of the first equal pair until all differ.
std::vector<std::string> groupTexts_Literal(const DrawTable& t, int maxBall, int count, const Route& r,
                                            int target) {
  std::vector<std::string> cand;
  for (int c = 1; c <= 7; ++c) {
    const int a = std::stoi(t.sorted[target - r.p][c - 1]), b = std::stoi(t.sorted[target - r.q][c - 1]);
    cand.push_back(format00(((a - b) * r.m + (c - 1) + 100 * maxBall) % maxBall + 1));
  }
  for (int c = 1; c <= 7; ++c) {
    const int a = std::stoi(t.sorted[target - r.p][c - 1]), b = std::stoi(t.sorted[target - r.q][c - 1]);
    cand.push_back(format00(((a + b) * r.m + (c + 6) + 100 * maxBall) % maxBall + 1));
  }
  std::vector<std::string> g(cand.begin(), cand.begin() + count);
  for (;;) {
    for (size_t i = 0; i < g.size(); ++i)
      for (size_t j = i + 1; j < g.size(); ++j)
        if (g[i] > g[j]) std::swap(g[i], g[j]);
    size_t dup = g.size();
    for (size_t i = 0; i + 1 < g.size(); ++i)
      if (g[i] == g[i + 1]) {
        dup = i;
        break;
      }
    if (dup == g.size()) break;
    int v = std::stoi(g[dup]) + 1;
    if (v > maxBall) v = 1;
    g[dup + 1] = format00(v);
  }
  return g;
}

int hits_Literal(const DrawTable& t, const std::vector<std::string>& group, int target) {
  int h = 0;
  for (int c = 0; c < 6; ++c)
    for (const auto& g : group)
      if (t.sorted[target][c] == g) ++h;
  return h;
}

std::string join(const std::vector<std::string>& group) {
  std::string s;
  for (const auto& g : group) s += g + ".";
  return s;
}

}  // namespace

Base findBase(const DrawTable& t, const std::string& dateText) {
  Base b;
  if (t.count == 0) return b;
  b.index = t.count - 1;
  for (int i = t.count - 1; i >= 0; --i)
    if (t.dates[i].text() == dateText) {
      b.index = i;
      break;
    }
  b.offset = t.count - 1 - b.index;
  b.dateText = t.dates[b.index].text();
  return b;
}

bool canSearch(const DrawTable& t, const Base& base) {
  return base.index >= 0 && base.index + 1 >= 19 && base.index < t.count;
}

int correctedCount(const std::string& text) {
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0) return 8;
  return static_cast<int>(std::clamp(v, 5L, 14L));
}

Route decode(long long route) {
  Route r;
  r.p = static_cast<int>(route / 10000 % 100);
  r.q = static_cast<int>(route / 100 % 100);
  r.m = static_cast<int>(route % 100);
  return r;
}

std::string routeCode(long long route) {
  const Route r = decode(route);
  return "NGG" + format00(r.p) + format00(r.q) + format00(r.m);
}

Search search(const DrawTable& t, int maxBall, const Settings& set, const Base& base) {
  Search s{set, maxBall, base, {}};
  const int first = base.index - (kJudged - 1);
  std::array<uint64_t, kJudged> drawMask{};
  for (int d = 0; d < kJudged; ++d) drawMask[d] = ballMask(t.sorted[first + d]);
  const uint64_t valid = (maxBall >= 63 ? ~uint64_t{0} : (uint64_t{1} << (maxBall + 1)) - 1) & ~uint64_t{1};
  const int burst = set.burst, allowedMisses = kJudged - set.pass, count = set.count;
  // cand[d][m][i]: candidate i (1..MaxBall) of target draw d for multiplier m,
  // stepped from m − 1 by adding the residue, sixteen lanes at a time.
  std::vector<std::array<uint8_t, 16>> cand(static_cast<size_t>(kJudged) * (maxBall + 1));
  const uint8_t mb = static_cast<uint8_t>(maxBall);
  for (int p = 1; p <= 9; ++p)
    for (int q = p + 1; q <= 10; ++q) {
      for (int d = 0; d < kJudged; ++d) {
        const Residues res = residues(t, maxBall, {p, q, 1}, first + d);
        std::array<uint8_t, 16> r{}, v{};
        for (int i = 0; i < 14; ++i) {
          r[i] = static_cast<uint8_t>(res.r[i]);
          v[i] = static_cast<uint8_t>(i % maxBall);
        }
        for (int m = 1; m <= maxBall; ++m) {
          auto& out = cand[d * (maxBall + 1) + m];
          // x − MaxBall wraps above x when x < MaxBall, so the minimum is
          // x mod MaxBall; written this way the lanes go through SIMD.
          for (int i = 0; i < 16; ++i) {
            const uint8_t x = static_cast<uint8_t>(v[i] + r[i]);
            const uint8_t y = static_cast<uint8_t>(x - mb);
            v[i] = std::min(x, y);
            out[i] = static_cast<uint8_t>(v[i] + 1);
          }
        }
      }
      for (int m = 1; m <= maxBall; ++m) {
        // With a limit of 1 or 2 a draw above it costs 10 and no later draw
        // can make up for it; with 0, a draw with one hit is neither a pass
        // nor a cost, and too many of them leave the score short.
        int total = 0, misses = 0;
        bool held = true;
        for (int d = 0; d < kJudged && held; ++d) {
          const auto& c = cand[d * (maxBall + 1) + m];
          uint64_t mask = 0;
          for (int i = 0; i < count; ++i) {
            int x = c[i];
            if (mask >> x & 1) {
              // The next free number at or after x, wrapping to 1.
              const uint64_t free = ~mask & valid;
              const uint64_t above = free & (~uint64_t{0} << x);
              x = std::countr_zero(above ? above : free);
            }
            mask |= uint64_t{1} << x;
          }
          int h = 0;  // at most six bits: cheaper than a popcount call without hardware popcount
          for (uint64_t hit = mask & drawMask[d]; hit; hit &= hit - 1) ++h;
          total += h;
          if (h > burst) held = burst == 0 && h == 1 && ++misses <= allowedMisses;
        }
        if (!held) continue;
        s.routes.push_back(encode(total, {p, q, m}));
        if (static_cast<int>(s.routes.size()) == kFoundStop) goto done;
      }
    }
done:
  std::sort(s.routes.begin(), s.routes.end());
  return s;
}

Search search_Literal(const DrawTable& t, int maxBall, const Settings& set, const Base& base) {
  Search s{set, maxBall, base, {}};
  const int baseDraw = base.index + 1;  // draws numbered 1 = oldest
  for (int p = 1; p <= 9; ++p)
    for (int q = p + 1; q <= 10; ++q)
      for (int m = 1; m <= maxBall; ++m) {
        int score = 0, total = 0;
        for (int j = baseDraw - 8; j <= baseDraw; ++j) {
          const auto group = groupTexts_Literal(t, maxBall, set.count, {p, q, m}, j - 1);
          const int h = hits_Literal(t, group, j - 1);
          total += h;
          if (h <= set.burst) score += 1;
          if ((set.burst == 0 && h >= 2) || (set.burst >= 1 && h >= set.burst + 1)) score -= 10;
        }
        if (score >= set.pass) {
          s.routes.push_back(total * 1000000LL + p * 10000LL + q * 100LL + m);
          if (static_cast<int>(s.routes.size()) == kFoundStop) goto done;
        }
      }
done:
  for (size_t i = 0; i < s.routes.size(); ++i)
    for (size_t j = i + 1; j < s.routes.size(); ++j)
      if (s.routes[j] < s.routes[i]) std::swap(s.routes[i], s.routes[j]);
  return s;
}

std::string groupText(const DrawTable& t, int maxBall, int count, const Route& r, int target) {
  return maskText(groupMask(residues(t, maxBall, r, target), MulTable(maxBall), maxBall, count, r.m));
}

std::string groupText_Literal(const DrawTable& t, int maxBall, int count, const Route& r, int target) {
  return join(groupTexts_Literal(t, maxBall, count, r, target));
}

std::vector<GridRow> drawRows(const DrawTable& t) {
  std::vector<GridRow> rows;
  for (int i = std::max(0, t.count - kJudged); i < t.count; ++i) {
    GridRow row;
    row[0] = t.dates[i].text();
    row[1] = t.numbers[i];
    for (int c = 0; c < 7; ++c) row[2 + c] = t.drawn[i][c];
    rows.push_back(row);
  }
  return rows;
}

RouteView showRoute(const DrawTable& t, const Search& s, int index) {
  RouteView v;
  const long long route = s.routes[index - 1];
  v.code = routeCode(route);
  std::vector<std::string> groups;
  std::vector<int> hits;
  std::string text;
  writeSummary(text, t, s, SummaryContext(t, s), index, route, &groups, &hits);
  v.summary = splitLines(text);
  const int first = s.base.index - (kJudged - 1);
  for (size_t i = 0; i < groups.size(); ++i) {
    const int target = first + static_cast<int>(i);
    GridRow row;
    if (target < t.count) {
      row[0] = t.dates[target].text();
      row[1] = t.numbers[target];
      for (int c = 0; c < 7; ++c) row[2 + c] = t.drawn[target][c];
      row[10] = hitsCell(hits[i]);
    } else {
      row[0] = "下 " + std::to_string(target - t.count + 1) + " 期預測";
      // Rows 1..20 were blanked before filling; later rows start empty.
      row[10] = i + 1 <= 20 ? "   " : "";
    }
    row[9] = groups[i];
    v.rows.push_back(row);
  }
  return v;
}

std::string showAllText(const DrawTable& t, const Search& s) {
  std::string out;
  const SummaryContext ctx(t, s);
  out.reserve(s.routes.size() * 1400);
  for (size_t k = 1; k <= s.routes.size(); ++k) {
    out += "第" + std::to_string(k) + "組\n";
    out += kDashes;
    out += '\n';
    writeSummary(out, t, s, ctx, static_cast<int>(k), s.routes[k - 1]);
    out += "   \n   \n";
  }
  return out;
}

std::vector<std::string> showAll(const DrawTable& t, const Search& s) { return splitLines(showAllText(t, s)); }

std::vector<std::string> showAll_Literal(const DrawTable& t, const Search& s) {
  std::vector<std::string> out;
  const int baseDraw = s.base.index + 1;
  const int n = t.count;
  for (size_t k = 1; k <= s.routes.size(); ++k) {
    out.push_back("第" + std::to_string(k) + "組");
    out.push_back(std::string(35, '-'));
    const long long route = s.routes[k - 1];
    const int p = static_cast<int>(route % 1000000 / 10000), q = static_cast<int>(route % 10000 / 100),
              m = static_cast<int>(route % 100);
    // The grid of the route: draw number, group text and outcome per row.
    std::vector<std::array<std::string, 3>> grid;
    for (int j = baseDraw - 8; j <= n + p; ++j) {
      const auto group = groupTexts_Literal(t, s.maxBall, s.settings.count, {p, q, m}, j - 1);
      std::string outcome;
      if (j <= n) {
        const int h = hits_Literal(t, group, j - 1);
        outcome = h == 0 ? "過關" : "  " + std::to_string(h);
      }
      grid.push_back({j <= n ? t.numbers[j - 1] : "", join(group), outcome});
    }
    out.push_back("第" + std::to_string(k) + "組");
    out.push_back(std::string(35, '-'));
    out.push_back("驗證條件：以基準日期 " + s.base.dateText + " 的前九期 , " + std::to_string(s.settings.pass) +
                  " 期以上爆 " + std::to_string(s.settings.burst) + " 支以下的數據來預測本期號碼");
    out.push_back("版路代號：NGG" + format00(p) + format00(q) + format00(m) + " ( " +
                  std::to_string(s.settings.count) + " 碼)");
    out.push_back("預測及驗證：");
    int next = 0;
    for (const auto& row : grid) {
      std::string line = !row[0].empty() ? row[0] : "下   " + std::to_string(++next) + "    ";
      line += "期預測 " + row[1];
      if (row[2] == "過關")
        line += " 過關";
      else if (!row[0].empty())
        line += " 爆 " + row[2] + " 支";
      out.push_back(line);
    }
    out.push_back("(爆支計算不包含特別號)");
    out.push_back(" ");
    out.push_back("   ");
    out.push_back("   ");
  }
  return out;
}

}  // namespace tovrin::groups
