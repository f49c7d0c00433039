#pragma once
// Builds small DrawTables in memory for the analyzer tests.
#include <string>
#include <vector>

#include "core/history/draw_table.h"
#include "support/temp_dir.h"

namespace testing_support {

// One draw per entry: "yyyy/mm/dd" and seven balls "b1,b2,b3,b4,b5,b6,sp" in
// drawn order; draw numbers are 100001, 100002, … in the given order.
struct DrawRow {
  std::string date;
  std::string balls;
};

inline tovrin::DrawHistory loadDraws(const TempDir& dir, const std::vector<DrawRow>& draws) {
  std::vector<std::string> lines;
  int no = 100001;
  for (const auto& d : draws) lines.push_back(d.date + "," + std::to_string(no++) + "," + d.balls);
  writeBytes(dir / tovrin::kBigLottoFile, crlf(lines));
  tovrin::DrawHistory h(dir.path());
  h.fullReload("2099/12/31");
  return h;
}

// `n` draws on consecutive days from 2020/01/01, balls rotating through 1..49.
inline std::vector<DrawRow> consecutiveDraws(int n) {
  std::vector<DrawRow> out;
  for (int i = 0; i < n; ++i) {
    tovrin::Date d = tovrin::Date::fromSerial(tovrin::Date{2020, 1, 1}.serial() + i);
    std::string balls;
    for (int b = 0; b < 7; ++b) balls += (b ? "," : "") + tovrin::format00((i * 7 + b) % 49 + 1);
    out.push_back({d.text(), balls});
  }
  return out;
}

}  // namespace testing_support
