#pragma once
// The WorkingPeriod: the number source queries that list draws as
// PeriodLines, and the fast reading of those lines as ball masks.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/history/draw_table.h"

namespace tovrin {

enum class QueryMode { DateRange = 1, Recent = 2, Periodic = 3, Drag = 4 };
enum class BallOrder { Sorted, Chosen };  // 順球 / 落球

// The PeriodLine of DrawTable row `row` (1-based, oldest first), numbered `running`.
std::string periodLine(const DrawTable& t, int row, int running, BallOrder order = BallOrder::Sorted);

struct QueryResult {
  std::vector<std::string> lines;
  std::string caption;           // PeriodCaption
  std::optional<Date> newStart;  // the date the period start picker moves to
  std::string countText() const;  // Edit1: two spaces and the count
};

QueryResult dateRangeQuery(const DrawTable& t, Date d1, Date d2);
QueryResult recentQuery(const DrawTable& t, int n);
// k >= 1 (the window refuses anything smaller).
QueryResult periodicQuery(const DrawTable& t, int k, int n);

struct DragParams {
  int position = 1;      // cb_ii, 1..7 (7 = special ball)
  std::string ball;      // CB_xx
  int later = 1;         // cb_prediction
  bool fixed = true;     // cb_ff
  bool drawnOrder = false;  // cb_ori
};
QueryResult dragQuery(const DrawTable& t, const DragParams& p);

// The newest row (1-based) whose date reads as `dateText`, or 0.
int findDrawRow(const DrawTable& t, const std::string& dateText);

struct ReferenceDraw {
  std::string ball;  // the ball at the chosen position of the reference draw
  int later = 0;     // draws from the reference draw to the newest, both included
};
// Nothing when no draw has that date.
std::optional<ReferenceDraw> referenceDraw(const DrawTable& t, const std::string& dateText, int position,
                                           bool drawnOrder);

// Dates of up to `n` newest draws, newest first.
std::vector<std::string> latestDates(const DrawTable& t, int n);

// --- Reading PeriodLines ---

// Ball fields of a PeriodLine start at these 0-based offsets (positions 24, 27, … 39).
inline constexpr int kPeriodBallOffset[6] = {23, 26, 29, 32, 35, 38};

// The two characters at a ball field; shorter when the line is short.
std::string_view periodBallText(std::string_view line, int i);

// A two-character ball text as a bit (balls "00".."63"); 0 for anything else,
// which therefore never matches.
uint64_t ballBit(std::string_view two);

// Mask of the six regular balls of a PeriodLine.
uint64_t periodLineMask(std::string_view line);

// Mask of a text of concatenated two-digit balls.
uint64_t comboMask(std::string_view balls);

// The period lines read once as masks; chkBingo counts lines that hold every
// ball of a combination.
class PeriodMasks {
 public:
  PeriodMasks() = default;
  explicit PeriodMasks(const std::vector<std::string>& lines);
  int chkBingo(std::string_view comboText) const;
  int countContaining(uint64_t mask) const;
  const std::vector<uint64_t>& masks() const { return masks_; }
  int size() const { return static_cast<int>(masks_.size()); }

 private:
  std::vector<uint64_t> masks_;
};

}  // namespace tovrin
