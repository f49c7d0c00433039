#include "core/views/trace_table.h"

#include <algorithm>

namespace tovrin {

TraceTable::TraceTable() : cells_(kRows * kCols) {}

void TraceTable::copyFrom(const std::vector<std::vector<std::string>>& gridRows, const std::string& limit) {
  std::fill(cells_.begin(), cells_.end(), std::string());
  const int rows = std::min<int>(static_cast<int>(gridRows.size()), kRows);
  for (int r = 0; r < rows; ++r) {
    const auto& src = gridRows[r];
    const std::string number = src.size() > 1 ? src[1] : std::string();
    if (number.compare(limit) > 0) continue;
    std::string* dst = &cells_[r * kCols];
    if (!src.empty()) dst[0] = src[0];
    dst[1] = number;
    const int cols = std::min<int>(static_cast<int>(src.size()), kCols);
    for (int c = 2; c < cols; ++c) dst[c] = src[c].empty() ? "" : "*";
  }
}

std::vector<int> TraceTable::filledRows() const {
  std::vector<int> out;
  for (int r = 0; r < kRows; ++r) {
    const auto* row = &cells_[r * kCols];
    if (std::any_of(row, row + kCols, [](const std::string& s) { return !s.empty(); })) out.push_back(r);
  }
  return out;
}

}  // namespace tovrin
