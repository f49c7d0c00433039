#include <QRadioButton>
#include <filesystem>

#include "core/text/textfile.h"
#include "core/views/cycles.h"
#include "views/pmx_cycle_fixture.h"

using testing_support::copyData;
using testing_support::ViewWindowTest;

namespace {

class CycleWindowsTest : public ViewWindowTest {
 protected:
  int rows(const char* grid) { return find<QTableView>(grid)->model()->rowCount(); }
  int columns(const char* grid) { return find<QTableView>(grid)->model()->columnCount(); }
  // Every cell of a view grid, joined per row the way the export writes it.
  std::vector<std::string> gridLines(const char* grid) {
    std::vector<std::string> out;
    for (int r = 0; r < rows(grid); ++r) {
      std::string line;
      for (int c = 0; c < columns(grid); ++c) line += viewCell(grid, r, c).toStdString() + ",";
      out.push_back(line);
    }
    return out;
  }
  std::vector<std::string> savedLines(const std::filesystem::path& file) {
    const auto r = tovrin::readTextLines(file);
    EXPECT_TRUE(r.ok) << r.error;
    return r.lines;
  }
  void trigger(const char* action) { find<QAction>(action)->trigger(); }
};

}  // namespace

TEST_F(CycleWindowsTest, NumberCyclesShowSaveAndRegroup) {
  start();
  open("N34");
  EXPECT_EQ(v->objectName(), "Form_rk_circle_1");
  EXPECT_EQ(v->windowTitle(), "號碼週期統計");
  EXPECT_TRUE(v->isMaximized());
  EXPECT_EQ(find<QComboBox>("cb_circle")->count(), 2163);
  EXPECT_EQ(rows("sgmap"), 2165);
  EXPECT_EQ(columns("sgmap"), 51);
  EXPECT_EQ(viewCell("sgmap", 2164, 0), "");  // the spare row
  EXPECT_EQ(viewCell("sgmap", 2163, 0), "2026/08/21");
  EXPECT_EQ(text("lbavr"), "平均值  0.14");
  EXPECT_EQ(text("lbmax"), "最大值  1");
  EXPECT_FALSE(find<QTableView>("sgmap2")->isVisible());

  set("cb_circle", "100");
  EXPECT_EQ(rows("sgmap"), 23);
  EXPECT_EQ(viewCell("sgmap", 22, 0), "2026/08/21");
  EXPECT_EQ(text("lbavr"), "平均值  14.29");
  EXPECT_EQ(text("lbmax"), "最大值  26");

  // The grid and the saved file agree with the literal routine.
  const auto lit = tovrin::show_map_Literal(w.main->table(), 49, 100, true, tovrin::CycleKind::Balls, false);
  EXPECT_EQ(gridLines("sgmap"), lit.exportLines);
  platform.saveDialog.answer = QString::fromStdString((platform.dir() / "cycles.txt").string());
  trigger("N4");
  EXPECT_EQ(platform.saveDialog.defaultExt, "txt");
  EXPECT_EQ(platform.saveDialog.filter, "文字檔案(*.txt)|*.txt");
  EXPECT_EQ(messages(), QStringList{"本圖表數據已儲存為文字檔"});
  auto saved = savedLines(platform.dir() / "cycles.txt");
  EXPECT_EQ(saved, lit.exportLines);
  EXPECT_TRUE(saved[0].starts_with("日     期, 期  數,01,02,"));
  EXPECT_TRUE(saved[0].ends_with(",48,49,"));

  // Regrouped by last digit: the second grid takes the first one's place.
  find<QCheckBox>("cb_tail")->setChecked(true);
  EXPECT_TRUE(find<QTableView>("sgmap2")->isVisible());
  EXPECT_FALSE(find<QTableView>("sgmap")->isVisible());
  const auto byTail = tovrin::show_map_Literal(w.main->table(), 49, 100, true, tovrin::CycleKind::Balls, true);
  EXPECT_EQ(gridLines("sgmap2"), byTail.exportLines);
  platform.saveDialog.answer = QString::fromStdString((platform.dir() / "cycles.csv").string());
  trigger("Excel1");
  EXPECT_EQ(platform.saveDialog.defaultExt, "csv");
  EXPECT_EQ(platform.saveDialog.filter, "Execel檔案(*.csv)|*.csv");
  saved = savedLines(platform.dir() / "cycles.csv");
  EXPECT_EQ(saved, byTail.exportLines);
  EXPECT_TRUE(saved[0].starts_with("日     期, 期  數,10,20,30,40,01,11,"));

  // A cancelled dialog does nothing.
  platform.messages.shown.clear();
  platform.saveDialog.answer.reset();
  trigger("N4");
  EXPECT_TRUE(messages().isEmpty());
}

TEST_F(CycleWindowsTest, RefusedLengthsAndReopening) {
  start();
  open("N34");
  set("cb_circle", "100");
  struct Case {
    QString value;
    QString message;
  } cases[] = {
      {"0", "「計算週期」必須是 1 以上的整數，請重新輸入"},
      {"-3", "「計算週期」必須是 1 以上的整數，請重新輸入"},
      {"abc", "'abc' is not a valid integer value"},
  };
  for (const auto& c : cases) {
    platform.messages.shown.clear();
    set("cb_circle", c.value);
    EXPECT_EQ(messages(), QStringList{c.message}) << c.value.toStdString();
    EXPECT_EQ(rows("sgmap"), 23);
    EXPECT_EQ(text("lbmax"), "最大值  26");
  }
  // Beyond the history: one row with the totals.
  set("cb_circle", "5000");
  EXPECT_EQ(rows("sgmap"), 2);
  EXPECT_EQ(viewCell("sgmap", 1, 0), "2026/08/21");

  v->hide();
  open("N34");
  EXPECT_EQ(find<QComboBox>("cb_circle")->currentText(), "1");
  EXPECT_EQ(rows("sgmap"), 2165);
}

TEST_F(CycleWindowsTest, SaveIntoAReadOnlyFolderFails) {
  start();
  open("N35");
  const auto locked = platform.dir() / "locked";
  std::filesystem::create_directory(locked);
  std::filesystem::permissions(locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  platform.saveDialog.answer = QString::fromStdString((locked / "tails.txt").string());
  find<QAction>("N4")->trigger();
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].icon, ui::Icon::Error);
  EXPECT_NE(messages()[0], "本圖表數據已儲存為文字檔");
  EXPECT_FALSE(std::filesystem::exists(locked / "tails.txt"));
}

TEST_F(CycleWindowsTest, TailCycles) {
  start();
  open("N35");
  EXPECT_EQ(v->objectName(), "Form_rk_circle_2");
  EXPECT_EQ(v->windowTitle(), "尾數週期統計");
  EXPECT_EQ(columns("sgmap"), 12);
  EXPECT_EQ(viewCell("sgmap", 0, 2), "0 尾");
  EXPECT_EQ(viewCell("sgmap", 0, 11), "9 尾");
  set("cb_circle", "100");
  EXPECT_EQ(text("lbavr"), "平均值  70.00");
  EXPECT_EQ(text("lbmax"), "最大值  91");
  find<QCheckBox>("cb_spno")->setChecked(false);
  EXPECT_EQ(text("lbavr"), "平均值  60.00");
  const auto lit = tovrin::show_map_Literal(w.main->table(), 49, 100, false, tovrin::CycleKind::Tails, false);
  EXPECT_EQ(gridLines("sgmap"), lit.exportLines);
  EXPECT_EQ(text("lbmax").toStdString(), lit.lbmax);
  platform.saveDialog.answer = QString::fromStdString((platform.dir() / "tails.txt").string());
  find<QAction>("N4")->trigger();
  EXPECT_EQ(savedLines(platform.dir() / "tails.txt"), lit.exportLines);
}

TEST_F(CycleWindowsTest, MarkSixWholeHistory) {
  start();
  copyData("hkmark6.txt", platform.dir());
  w.main->findChild<QRadioButton*>("rb_mark6")->click();
  open("N34");
  set("cb_circle", "3000");
  EXPECT_EQ(rows("sgmap"), 3);  // one cycle and the spare row
  EXPECT_EQ(viewCell("sgmap", 1, 0), "2025/12/28");
  EXPECT_EQ(text("lbmax"), "最大值  474");
}
