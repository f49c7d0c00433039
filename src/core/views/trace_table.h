#pragma once
// The table a view hands to the trace window: the rows it lists, each with its
// date, its draw number and a "*" in the column of every ball marked.
#include <string>
#include <vector>

namespace tovrin {

class TraceTable {
 public:
  // One more row than the draw table holds, so a rule map's full listing
  // (every draw plus its blank last row) fits.
  static constexpr int kRows = 3001;
  static constexpr int kCols = 51;  // 0 = date, 1 = draw number, b + 1 = ball b

  TraceTable();

  // Empties the whole table, then copies the grid rows whose draw number
  // (column 1) is at most `limit` as texts compare: gridRows[r - 1] is grid
  // row r (below the headings) and becomes table row r - 1.
  void copyFrom(const std::vector<std::vector<std::string>>& gridRows, const std::string& limit);

  const std::string& cell(int row, int col) const { return cells_[row * kCols + col]; }
  // The rows holding any text, ascending.
  std::vector<int> filledRows() const;

 private:
  std::vector<std::string> cells_;
};

}  // namespace tovrin
