#pragma once
// The analyzer's ball selection and pillar layout: which balls are ticked,
// the pillar sizes, and the bets a layout forms.
#include <array>
#include <string>
#include <vector>

namespace tovrin {

inline constexpr int kMaxSelected = 36;
inline constexpr int kMaxPillars = 8;
inline constexpr int kPillarSlots = 12;

// SelectedBalls[1..49] with SelectedCount and SelectionText. Entries past the
// count keep whatever an earlier, larger selection left there.
struct Selection {
  std::array<std::string, 50> balls;  // index 0 unused
  int count = 0;
  std::string text;

  // Rebuilds from the ticks of balls 1..49 (index 0 unused).
  void rebuild(const std::array<bool, 50>& ticked);
  // The valid entries, in order.
  std::vector<std::string> selected() const;
  // Sorts entries 1..count ascending by text.
  void sortSelected();
};

// The ball, tail and head boxes of the selection page with the exact cascade
// of their click handlers: a picker that changes a ball box runs the
// selection rebuild, so the number of rebuilds that end above the cap is the
// number of warnings the user sees.
class SelectionBoxes {
 public:
  std::array<bool, 50> ball{};
  std::array<bool, 10> tail{};
  std::array<bool, 5> head{};
  int maxBall = 49;

  // Rebuilds run since the last reset, and how many of them ended with more
  // than kMaxSelected balls ticked.
  int rebuilds = 0;
  int overCap = 0;
  void resetCounters() { rebuilds = overCap = 0; }

  int tickedCount() const;
  // Each setter acts only on a change and then runs the box's handler.
  void setBall(int n, bool v);
  void setTail(int t, bool v);
  void setHead(int h, bool v);
  // The handlers, run after the box itself changed.
  void tailPicker();
  void headPicker();
  // Unticks every ball, then every tail, then every head box.
  void clearAll();

 private:
  void ballChanged();
};

struct BetCounts {
  long long two = 0, three = 0, four = 0;
  long long total() const { return two + three + four; }
};

// Elementary symmetric sums of the sizes: bets taking one ball from each of
// 2, 3 or 4 different pillars.
BetCounts betCounts(const std::array<int, kMaxPillars>& sizes);
BetCounts betCounts(const std::vector<int>& sizes);

// C(n, k) for small n.
long long choose(int n, int k);

// The pillar layout: count, sizes and the balls of each slot.
struct PillarLayout {
  int count = 4;
  std::array<int, kMaxPillars> sizes{2, 2, 2, 2, 0, 0, 0, 0};
  int total = 8;
  std::array<std::array<std::string, kPillarSlots>, kPillarSlots> balls;  // [pillar][slot], 0-based

  void clearBalls();
};

}  // namespace tovrin
