#pragma once
// Checking a pillar layout, or every combination of the selected balls,
// draw by draw against the WorkingPeriod, with the reports of both.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/pillars/selection.h"

namespace tovrin {

struct HitCounts {
  long long two = 0, three = 0, four = 0;
  HitCounts& operator+=(const HitCounts& o) {
    two += o.two;
    three += o.three;
    four += o.four;
    return *this;
  }
  bool operator==(const HitCounts&) const = default;
};

// HitMarks and DrawHits of one draw.
struct DrawCheck {
  std::array<std::string, 6> marks;  // the drawn ball where it is in the layout, else "__"
  HitCounts hits;
};

// The six regular balls of a PeriodLine as the 12-character text the checks take.
std::string periodDrawText(std::string_view line);

// Bets of a layout hit by one draw, from the per-pillar hit counts.
HitCounts pillarHits(const std::vector<int>& h);

// One draw against the pillars (each the balls the check looks at, in slot order).
DrawCheck CHECK_Bingo_pillar(const std::vector<std::vector<std::string>>& pillars, std::string_view draw);

// One draw against the selected balls: every 2-, 3- and 4-ball combination.
DrawCheck CHECK_Bingo_lenpon(const std::vector<std::string>& selected, std::string_view draw);

// line + ",|," + marks + "," + "|," + two + "," + three + "," + four
std::string annotatedLine(std::string_view line, const DrawCheck& c);

struct PillarReportInput {
  std::string periodCaption;
  std::vector<std::vector<std::string>> pillars;  // as checked
  BetCounts cost;
  HitCounts totals;
};
// The lines appended under the annotated period.
std::vector<std::string> pillarReport(const PillarReportInput& in);

struct PillarVerification {
  std::vector<std::string> annotated;  // the period lines with their marks
  HitCounts totals;
};
PillarVerification verifyPillars(const std::vector<std::vector<std::string>>& pillars,
                                 const std::vector<std::string>& periodLines);

struct LenponVerification {
  std::vector<std::string> annotated;  // empty when details are off
  HitCounts totals;
};
LenponVerification verifyLenpon(const std::vector<std::string>& selected, const std::vector<std::string>& periodLines,
                                bool detail);
std::vector<std::string> lenponReport(const std::string& periodCaption, const std::vector<std::string>& selected,
                                      const HitCounts& totals);

}  // namespace tovrin
