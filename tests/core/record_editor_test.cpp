#include <gtest/gtest.h>

#include <random>

#include "core/history/record_editor.h"
#include "support/temp_dir.h"

using namespace tovrin;

namespace {

// A table holding the lines in the given order, as a load would leave it (oldest first).
DrawTable tableOf(std::vector<std::string> lines) {
  std::sort(lines.begin(), lines.end());
  DrawTable t;
  t.count = static_cast<int>(lines.size());
  for (int k = 0; k < t.count; ++k) t.lines[k] = lines[k];
  return t;
}

std::vector<std::string> shownRow(const RecordEditor& e, int r) {
  std::vector<std::string> out;
  for (int c = 0; c < kEditorColumns; ++c) out.push_back(e.cell(r, c));
  return out;
}

const std::string kA = "2026/08/14,115078,41,03,22,15,37,28,09";
const std::string kB = "2026/08/18,115080,01,14,25,27,29,43,02";
const std::string kC = "2026/08/21,115081,08,14,23,24,26,47,30";

}  // namespace

TEST(RecordEditor, RowsAreNewestFirstWithEachRowsOwnTaiNumbers) {
  RecordEditor e;
  e.fill(tableOf({kB, kA, kC}));
  ASSERT_EQ(e.rowCount(), 3);
  // Tai numbers worked out by hand from each draw's sorted balls.
  EXPECT_EQ(shownRow(e, 0), (std::vector<std::string>{"2026/08/21", "115081", "08", "14", "23", "24", "26", "47",
                                                        "30", "", "84", "43", "34", "46", "67", "346"}));
  EXPECT_EQ(shownRow(e, 1), (std::vector<std::string>{"2026/08/18", "115080", "01", "14", "25", "27", "29", "43",
                                                        "02", "", "14", "45", "57", "79", "93", "579"}));
  // Balls 41 03 22 15 37 28 sort to 03 15 22 28 37 41.
  EXPECT_EQ(shownRow(e, 2), (std::vector<std::string>{"2026/08/14", "115078", "41", "03", "22", "15", "37", "28",
                                                        "09", "", "35", "52", "28", "87", "71", "287"}));
  EXPECT_EQ(e.heading(1), "期  數");
  EXPECT_EQ(e.heading(9), "");
  EXPECT_EQ(e.heading(15), "特尾");
}

TEST(RecordEditor, FieldChecks) {
  struct Case {
    const char* in;
    const char* text;
    const char* message;
  };
  const Case balls[] = {
      {"7", "07", ""},          {"07", "07", ""},         {"49", "49", ""},          {"+7", "07", ""},
      {"", "", ""},             {"50", "", "資料超出範圍"}, {"0", "", "資料超出範圍"}, {"-1", "", "資料超出範圍"},
      {"00", "", "資料超出範圍"}, {"123", "", "資料錯誤"},   {"ab", "", "資料錯誤"},     {" 7", "", "資料錯誤"},
      {"7 ", "", "資料錯誤"},     {"+", "", "資料錯誤"},     {"+07", "", "資料錯誤"},    {"七", "", "資料錯誤"},
  };
  for (const auto& c : balls) {
    const auto r = checkBall(c.in, 49);
    EXPECT_EQ(r.text, c.text) << c.in;
    EXPECT_EQ(r.message, c.message) << c.in;
  }
  const Case numbers[] = {
      {"12345", "", "資料長度錯誤"}, {"1234567", "", "資料長度錯誤"}, {"115099", "115099", ""},
      {"", "", ""},                {"一二三四五六", "一二三四五六", ""},
  };
  for (const auto& c : numbers) {
    const auto r = checkDrawNumber(c.in);
    EXPECT_EQ(r.text, c.text) << c.in;
    EXPECT_EQ(r.message, c.message) << c.in;
  }
}

TEST(RecordEditor, AddDeleteAndDateFollowTheSelection) {
  RecordEditor e;
  e.fill(tableOf({kA, kB, kC}));
  e.select(1);
  EXPECT_EQ(e.add("2026/12/10"), 1);
  ASSERT_EQ(e.rowCount(), 4);
  EXPECT_EQ(shownRow(e, 1),
            (std::vector<std::string>{"2026/12/10", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(e.cell(2, 1), "115080");
  EXPECT_TRUE(e.setDate("2026/12/09"));
  EXPECT_EQ(e.cell(1, 0), "2026/12/09");

  // Deleting the last row selects the new last row.
  e.select(3);
  EXPECT_TRUE(e.remove());
  EXPECT_EQ(e.selected(), 2);
  EXPECT_EQ(e.rowLines(), (std::vector<std::string>{kC, "2026/12/09,,,,,,,,", kB}));
  // Deleting keeps the row number: the next draw moves under it.
  e.select(1);
  EXPECT_TRUE(e.remove());
  EXPECT_EQ(e.selected(), 1);
  EXPECT_EQ(e.cell(1, 1), "115080");

  RecordEditor empty;
  empty.fill(tableOf({}));
  EXPECT_EQ(empty.selected(), -1);
  EXPECT_FALSE(empty.remove());
  EXPECT_FALSE(empty.setDate("2026/12/10"));
  EXPECT_EQ(empty.add("2026/12/10"), 0);
  EXPECT_EQ(empty.rowLines(), (std::vector<std::string>{"2026/12/10,,,,,,,,"}));
}

TEST(RecordEditor, SortedViewChangesOnlyWhatIsShown) {
  RecordEditor e;
  e.fill(tableOf({kA}));
  e.setSortedView(true);
  EXPECT_EQ(shownRow(e, 0), (std::vector<std::string>{"2026/08/14", "115078", "03", "15", "22", "28", "37", "41",
                                                        "09", "", "35", "52", "28", "87", "71", "287"}));
  EXPECT_EQ(e.heading(2), "順一");
  EXPECT_EQ(e.heading(7), "順六");
  EXPECT_EQ(e.rowLines(), (std::vector<std::string>{kA}));
  EXPECT_EQ(e.printLines(),
            (std::vector<std::string>{"開獎日期 期  數 順一 順二 順三 順四 順五 順六 特號 台一 台二 台三 台四 台五 特尾",
                                      "2026/08/14 115078 03 15 22 28 37 41 09 35 52 28 87 71 287"}));
  e.sortRows(false);
  EXPECT_FALSE(e.sortedView());
  EXPECT_EQ(e.heading(2), "一落");
}

TEST(RecordEditor, OrderButtonsSortTheWorkingRows) {
  RecordEditor e;
  e.fill(tableOf({kA, kB, kC}));
  e.select(2);
  e.setEntry({"2026/08/15", "115079", "01", "02", "03", "04", "05", "06", "07"});
  e.sortRows(false);
  EXPECT_EQ(e.rowLines(), (std::vector<std::string>{"2026/08/15,115079,01,02,03,04,05,06,07", kB, kC}));
  EXPECT_EQ(e.selected(), 0);  // the selection moves with its row
  e.sortRows(true);
  EXPECT_EQ(e.rowLines(), (std::vector<std::string>{kC, kB, "2026/08/15,115079,01,02,03,04,05,06,07"}));
}

TEST(RecordEditor, RowsThatWouldNotLoadBlockTheSave) {
  struct Case {
    std::array<std::string, 9> cells;
    bool valid;
  };
  const Case cases[] = {
      {{"2026/08/21", "115081", "08", "14", "23", "24", "26", "47", "30"}, true},
      {{"2027/01/01", "116001", "08", "08", "23", "24", "26", "47", "30"}, true},   // future, equal balls
      {{"2026/12/10", "", "", "", "", "", "", "", ""}, false},                       // added, never filled
      {{"2026/08/21", " 11508", "08", "14", "23", "24", "26", "47", "30"}, false},  // trimmed to 5 characters
      {{"2026/08/21", "一二三四五六", "08", "14", "23", "24", "26", "47", "30"}, false},
      {{"2026/02/30", "115081", "08", "14", "23", "24", "26", "47", "30"}, false},
      {{"2026/08/21", "115081", "08", "14", "23", "24", "26", "50", "30"}, false},
  };
  for (const auto& c : cases) {
    RecordEditor e;
    e.fill(tableOf({kB}));
    e.add("2026/12/10");
    e.setEntry(c.cells);
    EXPECT_EQ(e.firstInvalidRow(), c.valid ? -1 : 0) << c.cells[0] << " " << c.cells[1];
  }
}

TEST(RecordEditor, SaveKeepsEveryLineTheLoadLeftOut) {
  // Line 2 is future-dated, line 4 has a bad ball, line 6 is blank and ends the load.
  const std::vector<std::string> file = {kC,
                                         "2027/01/01,116001,01,02,03,04,05,06,07",
                                         kB,
                                         "2026/08/16,115079,01,02,03,04,05,66,07",
                                         kA,
                                         "",
                                         "2026/01/02,115001,01,02,03,04,05,06,07",
                                         "note"};
  const DrawFileSplit split = splitDrawFile(file, "2026/12/10");
  RecordEditor e;
  DrawTable t;
  t.count = static_cast<int>(split.taken.size());
  for (int k = 0; k < t.count; ++k) t.lines[k] = split.taken[k].text;
  e.fill(t);
  e.select(1);
  e.remove();
  EXPECT_EQ(fileLinesToWrite(e.rowLines(), split),
            (std::vector<std::string>{kC, kA, "2027/01/01,116001,01,02,03,04,05,06,07",
                                      "2026/08/16,115079,01,02,03,04,05,66,07", "",
                                      "2026/01/02,115001,01,02,03,04,05,06,07", "note"}));
}

TEST(RecordEditor, SaveMatchesThePlainRoutineOnRandomRows) {
  std::mt19937 rng(15);
  auto num = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int round = 0; round < 20; ++round) {
    std::vector<EditorRow> rows;
    const int n = num(0, 120);
    for (int i = 0; i < n; ++i) {
      EditorRow r;
      // Few distinct dates, so same-date rows and identical rows occur.
      r.cells[0] = "2026/0" + std::to_string(num(1, 3)) + "/1" + std::to_string(num(0, 2));
      r.cells[1] = "11500" + std::to_string(num(0, 3));
      for (int c = 2; c < 9; ++c) r.cells[c] = format00(num(1, 49));
      r.tai = packedTai(r.cells);
      rows.push_back(r);
    }
    const LiteralSave literal = editorSave_Literal(rows);

    RecordEditor e;
    DrawTable t;
    t.count = n;
    for (int k = 0; k < n; ++k) t.lines[k] = rowLine(rows[k], false);
    e.fill(t);
    ASSERT_EQ(e.rowLines(), literal.lines);
    for (int r = 0; r < n; ++r)
      for (int c = 0; c < 6; ++c) ASSERT_EQ(e.cell(r, 10 + c), literal.tai[r][c]) << r;
  }
}
