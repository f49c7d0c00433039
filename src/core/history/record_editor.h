#pragma once
// The draw record editor's working copy of the history: one row per draw,
// changed by adding, deleting and entering draws, and turned back into the
// lines of the draw file on saving. The DrawTable is never touched here; the
// window reloads it from the file after a save.
#include <array>
#include <string>
#include <vector>

#include "core/history/draw_table.h"

namespace tovrin {

inline constexpr int kEditorColumns = 16;  // date, number, 6 balls, special, spacer, 6 Tai columns

struct EditorRow {
  // Date, draw number, the six balls in drawn order and the special ball.
  std::array<std::string, 9> cells;
  // The row's own Tai numbers T1..T6 packed into one text (2+2+2+2+2+3
  // characters), empty while its balls are incomplete.
  std::string tai;
};

// A row holding the fields of a DrawLine, taken by position.
EditorRow rowFromLine(const std::string& line);
// The Tai numbers of six balls (cells 2..7), or empty texts when one of them
// is not two characters long.
std::array<std::string, 6> taiOf(const std::array<std::string, 9>& cells);
std::string packedTai(const std::array<std::string, 9>& cells);
// Cells 0..8 joined with ","; `trim` removes blanks around each cell first.
std::string rowLine(const EditorRow& row, bool trim);

// Field checks of the entry panel. `message` is empty when the text is
// accepted; `text` is then what the field shows (a ball as two digits).
struct FieldCheck {
  std::string text;
  std::string message;
};
// Draw number: a non-empty text must have six characters ("資料長度錯誤").
FieldCheck checkDrawNumber(const std::string& text);
// Ball: empty, or a whole number (optional sign, then digits) of at most two
// characters in 1..maxBall.
FieldCheck checkBall(const std::string& text, int maxBall);

class RecordEditor {
 public:
  // Rows from the table's lines, newest first; the drawn-order view.
  void fill(const DrawTable& table);

  int rowCount() const { return static_cast<int>(rows_.size()); }
  const EditorRow& row(int r) const { return rows_[r]; }
  // The text of grid column `col` (0..15) of row `r` as shown: in the sorted
  // view columns 2..7 hold the six balls ascending.
  std::string cell(int r, int col) const;
  std::string heading(int col) const;

  bool sortedView() const { return sortedView_; }
  void setSortedView(bool sorted) { sortedView_ = sorted; }

  // Selected row (0-based), -1 when there is no row.
  int selected() const { return selected_; }
  // Selects row r, kept within the rows.
  void select(int r);

  // Inserts a row with only `today` as its date at the selected row (the
  // first when there is none); the new row is selected. Returns its index.
  int add(const std::string& today);
  // Deletes the selected row; the same row number stays selected, or the new
  // last row. False when there is no row.
  bool remove();
  // Writes a date into the selected row; false when there is no row.
  bool setDate(const std::string& date);
  // Writes the entry (date, number, seven balls) into the selected row.
  bool setEntry(const std::array<std::string, 9>& cells);

  // Sorts the rows by their lines, newest first or oldest first; the
  // selection moves with its row and the view returns to the drawn order.
  void sortRows(bool newestFirst);

  // First row whose written line would not be a valid DrawLine, -1 when all are.
  int firstInvalidRow() const;
  // The lines a save writes for the rows, in row order (trimmed cells).
  std::vector<std::string> rowLines() const;
  // The heading line and the rows as shown, cells 0..8 and 10..15 joined by one blank.
  std::vector<std::string> printLines() const;

 private:
  std::vector<EditorRow> rows_;
  int selected_ = -1;
  bool sortedView_ = false;
};

// The whole file a save writes: the rows' lines, then every line the load
// left out (older draws past the table, future-dated and invalid lines, and
// everything from the line that ended the load), unchanged in file order.
std::vector<std::string> fileLinesToWrite(const std::vector<std::string>& rowLines, const DrawFileSplit& split);

// The save as first designed, kept as the oracle of the fast one: the rows'
// lines exchange-sorted newest first, then sorted again newest first and
// oldest first as the reload does, and every line decomposed with its balls
// exchange-sorted and its Tai numbers; the result is in newest-first order.
struct LiteralSave {
  std::vector<std::string> lines;                 // newest first
  std::vector<std::array<std::string, 6>> tai;   // of lines[k]
};
LiteralSave editorSave_Literal(const std::vector<EditorRow>& rows);

}  // namespace tovrin
