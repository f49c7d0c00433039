#include "core/views/totals.h"

#include "core/util/format.h"
#include "core/views/ball_map.h"

namespace tovrin {

int drawTotal(const DrawTable& t, int r, bool withSpecial) {
  int sum = 0;
  for (int p = 0; p < (withSpecial ? 7 : 6); ++p) sum += ballValue(t.drawn[r - 1][p]);
  return sum;
}

std::optional<int> latestTotal(const DrawTable& t, bool withSpecial) {
  if (t.count < 1) return std::nullopt;
  return drawTotal(t, t.count, withSpecial);
}

TotalRun ruleTotals(const DrawTable& t, long long target, long long tolerance, bool withSpecial, int offset) {
  TotalRun run;
  run.totalTexts.reserve(t.count);
  for (int r = 1; r <= t.count; ++r) {
    const int total = drawTotal(t, r, withSpecial);
    std::string text = formatNumber("000", total);
    if (target - tolerance <= total && total <= target + tolerance) {
      text += "  ●";
      run.matches.push_back(r);
    }
    run.totalTexts.push_back(std::move(text));
  }
  run.listed = shiftedRows(run.matches, offset, t.count);
  return run;
}

std::vector<std::string> totalListHeadings() {
  std::vector<std::string> h = {kMapDateHeading, kMapNumberHeading};
  for (int k = 1; k <= 7; ++k) {
    std::string heading = "第";
    heading += std::to_string(k);
    heading += "號";
    h.push_back(std::move(heading));
  }
  h.push_back("總數");
  return h;
}

}  // namespace tovrin
