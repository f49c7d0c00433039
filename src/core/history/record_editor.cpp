#include "core/history/record_editor.h"

#include <algorithm>
#include <numeric>

#include "core/util/date.h"

namespace tovrin {

namespace {

const char* const kHeadings[kEditorColumns] = {"開獎日期", "期  數", "一落", "二落", "三落", "四落", "五落", "六落",
                                               "特號",     "",       "台一", "台二", "台三", "台四", "台五", "特尾"};
const char* const kSortedHeadings[6] = {"順一", "順二", "順三", "順四", "順五", "順六"};

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string trimmed(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// Characters of a UTF-8 text (continuation bytes are not counted).
std::size_t charCount(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::string safeSub(const std::string& s, std::size_t pos, std::size_t len) {
  return pos < s.size() ? s.substr(pos, len) : std::string();
}

std::array<std::string, 6> sortedBalls(const std::array<std::string, 9>& cells) {
  std::array<std::string, 6> b;
  for (int i = 0; i < 6; ++i) b[i] = cells[2 + i];
  std::sort(b.begin(), b.end());
  return b;
}

}  // namespace

EditorRow rowFromLine(const std::string& line) {
  EditorRow row;
  row.cells[0] = safeSub(line, 0, 10);
  row.cells[1] = safeSub(line, 11, 6);
  for (int c = 0; c < 7; ++c) row.cells[2 + c] = safeSub(line, 18 + 3 * c, 2);
  row.tai = packedTai(row.cells);
  return row;
}

std::array<std::string, 6> taiOf(const std::array<std::string, 9>& cells) {
  std::array<std::string, 6> t;
  const std::string p = packedTai(cells);
  if (p.empty()) return t;
  for (int i = 0; i < 5; ++i) t[i] = p.substr(2 * i, 2);
  t[5] = p.substr(10, 3);
  return t;
}

std::string packedTai(const std::array<std::string, 9>& cells) {
  for (int i = 2; i < 8; ++i)
    if (cells[i].size() != 2) return {};
  // Only the units digits matter, but the order is that of the whole balls.
  std::array<const std::string*, 6> so;
  for (int i = 0; i < 6; ++i) so[i] = &cells[2 + i];
  std::sort(so.begin(), so.end(), [](const std::string* a, const std::string* b) { return *a < *b; });
  std::string t(13, ' ');
  for (int i = 0; i < 5; ++i) {
    t[2 * i] = (*so[i])[1];
    t[2 * i + 1] = (*so[i + 1])[1];
  }
  t[10] = (*so[2])[1];
  t[11] = (*so[3])[1];
  t[12] = (*so[4])[1];
  return t;
}

namespace {

// Compares the lines two rows would join to (cells with "," between them)
// without building them.
int compareLines(const EditorRow& a, const EditorRow& b) {
  int ca = 0, cb = 0;
  std::size_t ia = 0, ib = 0;
  for (;;) {
    // The next character of each virtual line; -1 at its end.
    auto next = [](const EditorRow& r, int& c, std::size_t& i) -> int {
      while (c < 9) {
        if (i < r.cells[c].size()) return static_cast<unsigned char>(r.cells[c][i++]);
        if (c == 8) return -1;
        ++c;
        i = 0;
        return ',';
      }
      return -1;
    };
    const int x = next(a, ca, ia), y = next(b, cb, ib);
    if (x != y) return x < y ? -1 : 1;
    if (x < 0) return 0;
  }
}

}  // namespace

std::string rowLine(const EditorRow& row, bool trim) {
  std::string line;
  line.reserve(kDrawLineLength);
  for (int c = 0; c < 9; ++c) {
    if (c) line += ',';
    line += trim ? trimmed(row.cells[c]) : row.cells[c];
  }
  return line;
}

FieldCheck checkDrawNumber(const std::string& text) {
  if (!text.empty() && charCount(text) != 6) return {"", "資料長度錯誤"};
  return {text, ""};
}

FieldCheck checkBall(const std::string& text, int maxBall) {
  if (text.empty()) return {"", ""};
  // A whole number: an optional sign, then at least one digit and nothing else.
  std::size_t i = (text[0] == '+' || text[0] == '-') ? 1 : 0;
  bool whole = i < text.size();
  for (std::size_t k = i; k < text.size(); ++k)
    if (text[k] < '0' || text[k] > '9') whole = false;
  if (!whole || charCount(text) >= 3) return {"", "資料錯誤"};
  int v = std::stoi(text.substr(i));
  if (text[0] == '-') v = -v;
  if (v < 1 || v > maxBall) return {"", "資料超出範圍"};
  return {format00(v), ""};
}

void RecordEditor::fill(const DrawTable& table) {
  rows_.clear();
  rows_.reserve(table.count);
  for (int k = 0; k < table.count; ++k) rows_.push_back(rowFromLine(table.lines[k]));
  const int keep = selected_;
  sortRows(true);
  select(keep);
}

std::string RecordEditor::cell(int r, int col) const {
  const EditorRow& row = rows_[r];
  if (col >= 10) {
    if (row.tai.empty()) return {};
    return col == 15 ? row.tai.substr(10, 3) : row.tai.substr(2 * (col - 10), 2);
  }
  if (col == 9) return {};
  if (sortedView_ && col >= 2 && col <= 7) return sortedBalls(row.cells)[col - 2];
  return row.cells[col];
}

std::string RecordEditor::heading(int col) const {
  if (sortedView_ && col >= 2 && col <= 7) return kSortedHeadings[col - 2];
  return kHeadings[col];
}

void RecordEditor::select(int r) {
  if (rows_.empty()) {
    selected_ = -1;
    return;
  }
  selected_ = std::clamp(r, 0, rowCount() - 1);
}

int RecordEditor::add(const std::string& today) {
  const int at = selected_ < 0 ? 0 : selected_;
  EditorRow row;
  row.cells[0] = today;
  rows_.insert(rows_.begin() + at, std::move(row));
  selected_ = at;
  return at;
}

bool RecordEditor::remove() {
  if (selected_ < 0) return false;
  rows_.erase(rows_.begin() + selected_);
  select(selected_);
  return true;
}

bool RecordEditor::setDate(const std::string& date) {
  if (selected_ < 0) return false;
  rows_[selected_].cells[0] = date;
  return true;
}

bool RecordEditor::setEntry(const std::array<std::string, 9>& cells) {
  if (selected_ < 0) return false;
  rows_[selected_].cells = cells;
  rows_[selected_].tai = packedTai(cells);
  return true;
}

void RecordEditor::sortRows(bool newestFirst) {
  // Sort an index of the rows, then move the rows into place by swapping
  // along the permutation's cycles (no second copy of the rows).
  const int n = rowCount();
  std::vector<int> order(n);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const int c = compareLines(rows_[a], rows_[b]);
    return newestFirst ? c > 0 : c < 0;
  });
  int selected = -1;
  for (int k = 0; k < n; ++k)
    if (order[k] == selected_) selected = k;
  for (int k = 0; k < n; ++k) {
    // Slot k takes row order[k]; follow the cycle until it closes.
    int cur = k;
    while (order[cur] != k) {
      const int from = order[cur];
      std::swap(rows_[cur], rows_[from]);
      order[cur] = cur;
      cur = from;
    }
    order[cur] = cur;
  }
  selected_ = selected;
  sortedView_ = false;
}

int RecordEditor::firstInvalidRow() const {
  for (int r = 0; r < rowCount(); ++r) {
    const std::string line = rowLine(rows_[r], true);
    if (line.size() != static_cast<std::size_t>(kDrawLineLength) || !isValidDrawLine(line)) return r;
  }
  return -1;
}

std::vector<std::string> RecordEditor::rowLines() const {
  std::vector<std::string> out;
  out.reserve(rows_.size());
  for (const auto& row : rows_) out.push_back(rowLine(row, true));
  return out;
}

std::vector<std::string> RecordEditor::printLines() const {
  auto line = [&](auto text) {
    std::string s;
    for (int c = 0; c < kEditorColumns; ++c) {
      if (c == 9) continue;
      if (!s.empty() || c) s += ' ';
      s += text(c);
    }
    return s;
  };
  std::vector<std::string> out;
  out.reserve(rows_.size() + 1);
  out.push_back(line([&](int c) { return heading(c); }));
  for (int r = 0; r < rowCount(); ++r) out.push_back(line([&](int c) { return cell(r, c); }));
  return out;
}

std::vector<std::string> fileLinesToWrite(const std::vector<std::string>& rowLines, const DrawFileSplit& split) {
  std::vector<std::string> out = rowLines;
  out.reserve(rowLines.size() + split.leftOut.size());
  for (const FileLine& l : split.leftOut) out.push_back(l.text);
  return out;
}

LiteralSave editorSave_Literal(const std::vector<EditorRow>& rows) {
  std::vector<std::string> lines;
  for (const auto& row : rows) {
    std::string l = row.cells[0];
    for (int c = 1; c < 9; ++c) l += "," + row.cells[c];
    lines.push_back(l);
  }
  const std::size_t n = lines.size();
  auto exchangeSort = [&](bool newestFirst) {
    for (std::size_t i = 0; i + 1 < n; ++i)
      for (std::size_t j = i; j < n; ++j)
        if (newestFirst ? lines[i] < lines[j] : lines[i] > lines[j]) std::swap(lines[i], lines[j]);
  };
  exchangeSort(true);   // the save
  exchangeSort(true);   // the reload, newest first for the latest draw
  exchangeSort(false);  // and back to oldest first
  LiteralSave out;
  for (std::size_t k = n; k-- > 0;) {
    const std::string& L = lines[k];
    std::array<std::string, 7> so;
    for (int c = 0; c < 7; ++c) so[c] = L.size() >= 20u + 3 * c ? L.substr(18 + 3 * c, 2) : std::string();
    for (int a = 0; a < 5; ++a)
      for (int b = a + 1; b < 6; ++b)
        if (so[a] > so[b]) std::swap(so[a], so[b]);
    std::array<std::string, 6> t;
    bool complete = true;
    for (int c = 0; c < 6; ++c)
      if (so[c].size() != 2) complete = false;
    if (complete) {
      for (int i = 0; i < 5; ++i) t[i] = std::string{so[i][1], so[i + 1][1]};
      t[5] = std::string{so[2][1], so[3][1], so[4][1]};
    }
    out.lines.push_back(L);
    out.tai.push_back(t);
  }
  return out;
}

}  // namespace tovrin
