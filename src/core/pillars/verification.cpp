#include "core/pillars/verification.h"

#include "core/pillars/period.h"

namespace tovrin {

std::string periodDrawText(std::string_view line) {
  std::string s;
  for (int i = 0; i < 6; ++i) s += periodBallText(line, i);
  return s;
}

namespace {

std::array<std::string_view, 6> splitDraw(std::string_view draw) {
  std::array<std::string_view, 6> d;
  for (int i = 0; i < 6; ++i) d[i] = 2 * i < static_cast<int>(draw.size()) ? draw.substr(2 * i, 2) : std::string_view();
  return d;
}

// Marks the first drawn ball equal to `ball`; true when there is one.
bool markFirst(const std::array<std::string_view, 6>& d, const std::string& ball, DrawCheck& c) {
  for (int k = 0; k < 6; ++k)
    if (d[k] == ball) {
      c.marks[k] = std::string(d[k]);
      return true;
    }
  return false;
}

}  // namespace

HitCounts pillarHits(const std::vector<int>& h) {
  long long e[5] = {1, 0, 0, 0, 0};
  for (int x : h)
    for (int k = 4; k >= 1; --k) e[k] += e[k - 1] * x;
  return HitCounts{e[2], e[3], e[4]};
}

DrawCheck CHECK_Bingo_pillar(const std::vector<std::vector<std::string>>& pillars, std::string_view draw) {
  DrawCheck c;
  c.marks.fill("__");
  const auto d = splitDraw(draw);
  std::vector<int> h(pillars.size(), 0);
  for (std::size_t p = 0; p < pillars.size(); ++p)
    for (const auto& ball : pillars[p])
      if (markFirst(d, ball, c)) ++h[p];
  c.hits = pillarHits(h);
  return c;
}

DrawCheck CHECK_Bingo_lenpon(const std::vector<std::string>& selected, std::string_view draw) {
  DrawCheck c;
  c.marks.fill("__");
  const auto d = splitDraw(draw);
  int h = 0;
  for (const auto& ball : selected)
    if (markFirst(d, ball, c)) ++h;
  c.hits = HitCounts{choose(h, 2), choose(h, 3), choose(h, 4)};
  return c;
}

std::string annotatedLine(std::string_view line, const DrawCheck& c) {
  std::string s(line);
  s += ",|,";
  for (const auto& m : c.marks) s += m + ",";
  s += "|," + std::to_string(c.hits.two) + "," + std::to_string(c.hits.three) + "," + std::to_string(c.hits.four);
  return s;
}

std::vector<std::string> pillarReport(const PillarReportInput& in) {
  std::vector<std::string> r = {"", in.periodCaption};
  for (std::size_t p = 0; p < in.pillars.size(); ++p) {
    r.push_back("");
    r.push_back("第" + std::to_string(p + 1) + "柱");
    for (const auto& b : in.pillars[p]) r.push_back(b);
  }
  r.push_back("");
  r.push_back("成本二星 " + std::to_string(in.cost.two) + " 碰");
  r.push_back("成本三星 " + std::to_string(in.cost.three) + " 碰");
  r.push_back("成本四星 " + std::to_string(in.cost.four) + " 碰");
  r.push_back("");
  r.push_back("開出星星統計");
  r.push_back("二星開出 " + std::to_string(in.totals.two) + " 碰");
  r.push_back("三星開出 " + std::to_string(in.totals.three) + " 碰");
  r.push_back("四星開出 " + std::to_string(in.totals.four) + " 碰");
  return r;
}

PillarVerification verifyPillars(const std::vector<std::vector<std::string>>& pillars,
                                 const std::vector<std::string>& periodLines) {
  PillarVerification v;
  v.annotated.reserve(periodLines.size());
  for (const auto& line : periodLines) {
    const DrawCheck c = CHECK_Bingo_pillar(pillars, periodDrawText(line));
    v.totals += c.hits;
    v.annotated.push_back(annotatedLine(line, c));
  }
  return v;
}

LenponVerification verifyLenpon(const std::vector<std::string>& selected, const std::vector<std::string>& periodLines,
                                bool detail) {
  LenponVerification v;
  for (const auto& line : periodLines) {
    const DrawCheck c = CHECK_Bingo_lenpon(selected, periodDrawText(line));
    v.totals += c.hits;
    if (detail) v.annotated.push_back(annotatedLine(line, c));
  }
  return v;
}

std::vector<std::string> lenponReport(const std::string& periodCaption, const std::vector<std::string>& selected,
                                      const HitCounts& totals) {
  const int n = static_cast<int>(selected.size());
  std::string joined;
  for (int i = 0; i < n; ++i) joined += (i ? "," : "") + selected[i];
  return {"",
          periodCaption,
          "",
          "如果您選擇連碰號碼( " + std::to_string(n) + " 碼)",
          joined,
          "",
          "每期二星 " + std::to_string(choose(n, 2)) + " 碰",
          "每期三星 " + std::to_string(choose(n, 3)) + " 碰",
          "每期四星 " + std::to_string(choose(n, 4)) + " 碰",
          "",
          "※開出統計※",
          "二星開出 " + std::to_string(totals.two) + " 碰",
          "三星開出 " + std::to_string(totals.three) + " 碰",
          "四星開出 " + std::to_string(totals.four) + " 碰"};
}

}  // namespace tovrin
