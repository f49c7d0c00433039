#pragma once
// The total-count rule: the total of a draw's balls and the draws whose total
// lies within a tolerance of a chosen total.
#include <optional>
#include <string>
#include <vector>

#include "core/history/draw_table.h"

namespace tovrin {

// The total of draw r (1-based): its six balls, plus the special ball when asked.
int drawTotal(const DrawTable& t, int r, bool withSpecial);

// The total of the newest draw; nothing when the history is empty.
std::optional<int> latestTotal(const DrawTable& t, bool withSpecial);

struct TotalRun {
  std::vector<std::string> totalTexts;  // per draw: "087", or "172  ●" when it matches
  std::vector<int> matches;             // draw rows within the tolerance, ascending
  std::vector<int> listed;              // matches moved by the offset, inside the table
};

// The draws whose total lies in target - tolerance .. target + tolerance.
TotalRun ruleTotals(const DrawTable& t, long long target, long long tolerance, bool withSpecial, int offset);

// The headings of the draw list: date, number, 第1號 .. 第7號, 總數.
std::vector<std::string> totalListHeadings();

}  // namespace tovrin
