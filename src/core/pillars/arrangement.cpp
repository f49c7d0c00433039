#include "core/pillars/arrangement.h"

#include "core/pillars/statistics.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace tovrin {

std::vector<std::string> get_allno_selected(std::vector<std::string> selected, const PeriodMasks& period, int k) {
  std::sort(selected.begin(), selected.end());
  const int n = static_cast<int>(selected.size());
  std::vector<std::string> out;
  auto add = [&](const std::string& combo) { out.push_back(scoredText(period.chkBingo(combo), combo)); };
  if (k == 2) {
    for (int i = 0; i < n; ++i)
      for (int j = i + 1; j < n; ++j) add(selected[i] + selected[j]);
  } else if (k == 3) {
    for (int i = 0; i < n; ++i)
      for (int j = i + 1; j < n; ++j)
        for (int l = j + 1; l < n; ++l) add(selected[i] + selected[j] + selected[l]);
  }
  std::sort(out.begin(), out.end(), [](const std::string& a, const std::string& b) { return scoredGreater(a, b); });
  return out;
}

BallRankingResult rankBalls(const std::vector<std::string>& scored, int k) {
  BallRankingResult r;
  std::array<int, 50> weights{};
  for (int b = 1; b <= 49; ++b) weights[b] = b;
  for (const auto& s : scored) {
    const ScoredParts p = splitScored(s, k);
    r.comboLines.push_back(std::string(p.combo) + "  " + std::string(p.count));
    const int c = p.value();
    if (c <= 0) continue;
    for (int i = 0; i < k && 2 * i + 1 < static_cast<int>(p.combo.size()); ++i) {
      const int hi = p.combo[2 * i] - '0', lo = p.combo[2 * i + 1] - '0';
      if (hi < 0 || hi > 9 || lo < 0 || lo > 9) continue;
      const int b = hi * 10 + lo;
      if (b >= 1 && b <= 49) weights[b] += 100 * c;
    }
  }
  std::vector<int> sorted(weights.begin() + 1, weights.end());
  std::sort(sorted.begin(), sorted.end(), std::greater<>());
  for (int w : sorted)
    if (w > 100) {
      r.weights.push_back(w);
      char ball[4];
      std::snprintf(ball, sizeof ball, "%02d", w % 100);
      r.ranking.push_back(ball);
    }
  return r;
}

void writeRanking(std::array<std::string, 50>& ballRanking, const std::vector<std::string>& ranking) {
  for (std::size_t i = 0; i < ranking.size() && i + 1 < ballRanking.size(); ++i) ballRanking[i + 1] = ranking[i];
}

bool CHK_PPNO_Double(const std::vector<std::vector<std::string>>& pillars, const std::string& ball) {
  for (const auto& p : pillars)
    if (std::find(p.begin(), p.end(), ball) != p.end()) return true;
  return false;
}

std::vector<std::vector<std::string>> PPNO_Arrange(const std::vector<int>& sizes,
                                                   const std::vector<std::string>& scoredPairs,
                                                   const std::vector<std::string>& scoredTriples,
                                                   const std::array<std::string, 50>& ballRanking,
                                                   const std::vector<std::string>& selected) {
  const int n = static_cast<int>(selected.size());
  auto isSelected = [&](const std::string& b) { return std::find(selected.begin(), selected.end(), b) != selected.end(); };
  std::vector<std::string> order;
  for (int i = 1; i <= n && i < static_cast<int>(ballRanking.size()); ++i)
    if (isSelected(ballRanking[i]) && std::find(order.begin(), order.end(), ballRanking[i]) == order.end())
      order.push_back(ballRanking[i]);
  std::vector<std::string> rest;
  for (const auto& b : selected)
    if (std::find(order.begin(), order.end(), b) == order.end()) rest.push_back(b);
  std::sort(rest.begin(), rest.end());
  order.insert(order.end(), rest.begin(), rest.end());

  // Slots are filled in place; an empty text is an empty slot.
  std::vector<std::vector<std::string>> pillars(sizes.size());
  for (std::size_t p = 0; p < sizes.size(); ++p) pillars[p].assign(std::max(0, sizes[p]), std::string());
  auto placed = [&](const std::string& b) { return CHK_PPNO_Double(pillars, b); };

  std::size_t next = 0;
  for (std::size_t p = 0; p < sizes.size(); ++p)
    if (sizes[p] == 1 && next < order.size()) pillars[p][0] = order[next++];

  auto fillFrom = [&](const std::vector<std::string>& scored, int k, std::size_t p) {
    for (auto it = scored.rbegin(); it != scored.rend(); ++it) {
      const std::string_view combo = splitScored(*it, k).combo;
      if (combo.size() < static_cast<std::size_t>(2 * k)) continue;
      std::vector<std::string> balls;
      for (int i = 0; i < k; ++i) balls.emplace_back(combo.substr(2 * i, 2));
      if (std::none_of(balls.begin(), balls.end(), placed)) {
        for (int i = 0; i < k; ++i) pillars[p][i] = balls[i];
        return;
      }
    }
  };
  for (std::size_t p = 0; p < sizes.size(); ++p)
    if (sizes[p] >= 3) fillFrom(scoredTriples, 3, p);
  for (std::size_t p = 0; p < sizes.size(); ++p)
    if (sizes[p] == 2) fillFrom(scoredPairs, 2, p);

  for (int v = 0; v < 12; ++v)
    for (std::size_t p = 0; p < sizes.size(); ++p) {
      if (sizes[p] <= v || !pillars[p][v].empty()) continue;
      for (const auto& b : order)
        if (!placed(b)) {
          pillars[p][v] = b;
          break;
        }
    }

  for (auto& p : pillars) std::sort(p.begin(), p.end());
  return pillars;
}

}  // namespace tovrin
