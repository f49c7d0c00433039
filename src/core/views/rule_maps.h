#pragma once
// The 2A, 3A and 4A rule maps: a pattern of two to four (ball, draw) picks on
// the ball map, and the search for every place in the history where the same
// shape recurs — the same distances in draws and the same differences between
// the balls, translated sideways by any amount.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/history/draw_table.h"

namespace tovrin {

struct PatternPick {
  int ball = 0;  // 1..MaxBall, 0 = not set
  int row = 0;   // map row of the draw (1..DrawCount), 0 = not set
  bool isSet() const { return row * 1000 + ball > 0; }
};

// What one search needs; picks 1..marks are in balls[0..marks-1] and
// rows[0..marks-1].
struct RuleQuery {
  int marks = 2;
  std::array<int, 4> balls{};
  std::array<int, 4> rows{};
  int offset = 0;      // PeriodOffset
  bool fixed = false;  // 2A "固定": the first ball must be the picked ball itself
};

// A cell the search marked with a full-width digit ("１".."４" for digit 1..4).
struct RuleMark {
  int row = 0;
  int ball = 0;
  int digit = 0;
  bool operator==(const RuleMark&) const = default;
};

struct RuleSearchResult {
  bool ran = false;           // false: the picks are incomplete, nothing changes
  std::vector<int> results;   // PatternResults: the listed draw rows, ascending
  std::vector<RuleMark> marks;  // the final digit of each marked cell, by row then ball
};

// The full-width digit of a pick ("１".."４").
const char* pickDigit(int digit);

// The pick state of one rule map window: the pick buttons, the picked cells
// and the texts of the `cb` and `Label` labels.
class PatternPicker {
 public:
  explicit PatternPicker(int marks);

  int marks() const { return marks_; }
  // Every pick unset, the first pick button down, the labels' starting texts.
  void reset();
  // The pick button that is down: 1..marks, or 0 when none is (after the last pick).
  int active() const { return active_; }
  void press(int button) { active_ = button; }

  // A click on the map cell (col, row). Returns the digit (1..marks) to write
  // into that cell, or 0 when the click sets no pick.
  int select(int col, int row);

  const PatternPick& pick(int j) const { return picks_[j - 1]; }
  const std::string& cbText(int j) const { return cb_[j - 1]; }
  const std::string& labelText(int j) const { return label_[j - 1]; }  // j >= 2
  bool complete() const;

  RuleQuery query(int offset, bool fixed) const;

 private:
  void writeTexts(int j);
  void writeAllTexts();

  int marks_;
  int active_ = 1;
  std::array<PatternPick, 4> picks_{};
  std::array<std::string, 4> cb_, label_;
};

// The search with its marks, from a 64-bit ball mask per draw: a draw i
// matches when the AND of its mask with the masks of the later picks' draws,
// each shifted back by its ball difference, is not empty. Converts each
// draw's balls once.
RuleSearchResult searchRule(const DrawTable& t, int maxBall, const RuleQuery& q);

// The same search as nested loops over the seven balls of each draw,
// converting the ball texts for every test; the oracle of searchRule.
RuleSearchResult searchRule_Literal(const DrawTable& t, int maxBall, const RuleQuery& q);

// `lbtot` of the rule maps: "共 " + count + " 期".
std::string ruleTotalText(int count);

}  // namespace tovrin
