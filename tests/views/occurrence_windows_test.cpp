#include <QRadioButton>

#include "views/pmx_cycle_fixture.h"

using testing_support::copyData;
using testing_support::drawLines;
using testing_support::ViewWindowTest;

namespace {

class OccurrenceWindowsTest : public ViewWindowTest {
 protected:
  // Every cell text of a grid, rows 0.. and columns 0..
  std::vector<QStringList> grid(const char* name) {
    auto* g = find<QTableWidget>(name);
    std::vector<QStringList> out(g->rowCount());
    for (int r = 0; r < g->rowCount(); ++r)
      for (int c = 0; c < g->columnCount(); ++c) out[r] << cell(name, r, c);
    return out;
  }
  int cellsEndingWith(const char* name, const QString& mark) {
    int n = 0;
    for (const auto& row : grid(name))
      for (const auto& c : row) n += c.endsWith(mark);
    return n;
  }
  QStringList boardRow(int row) {
    QStringList out;
    for (int c = 1; c <= 7; ++c) out << cell("sg", row, c);
    return out;
  }
};

// draw 1: 45 10 47 20 30 44 | 05;  draw 2: 01 15 03 20 49 22 | 11;  draw 3: 10 12 13 14 16 40 | 05
const std::vector<std::string> kThree = {"45,10,47,20,30,44,05", "01,15,03,20,49,22,11", "10,12,13,14,16,40,05"};

}  // namespace

TEST_F(OccurrenceWindowsTest, GroupsOfTheRealHistory) {
  start();
  open("hotgroup");
  EXPECT_EQ(v->objectName(), "Form_rk_sumno");
  EXPECT_EQ(v->windowTitle(), "次群統計");
  EXPECT_EQ(text("Label1"), "第 2133 期");
  EXPECT_EQ(text("Label2"), "第 2164 期");
  EXPECT_EQ(text("lbtitle"), "第1期 至 第2162期次群統計表");
  EXPECT_EQ(text("lbavr"), "        平均值 308.86");
  auto* sg = find<QTableWidget>("sg");
  EXPECT_EQ(sg->rowCount(), 35);
  EXPECT_EQ(sg->columnCount(), 5);
  EXPECT_EQ(cell("sg", 0, 0), "次數");
  EXPECT_EQ(cell("sg", 0, 4), "  4");
  EXPECT_EQ(cell("sg", 1, 0), "  268");
  EXPECT_EQ(cell("sg", 1, 1), "17");
  EXPECT_EQ(text("lb_is_no"), "第 2163 期號碼為   08  14  23  24  26  47  30");
  EXPECT_EQ(text("Label3"), "第 2163 期 ");
  EXPECT_EQ(text("lbavr2"), "次群平均值 312.86");
  EXPECT_EQ(cellsEndingWith("sg", "●"), 6);
  EXPECT_EQ(cellsEndingWith("sg", "★"), 1);
  EXPECT_EQ(grid("sg")[0].size(), 5);
  int stars = 0;
  for (const auto& row : grid("sg")) stars += row.contains("30★");
  EXPECT_EQ(stars, 1);

  find<QCheckBox>("cb_spno")->setChecked(false);
  EXPECT_EQ(text("lbavr"), "        平均值 264.73");
  EXPECT_EQ(text("lbavr2"), "次群平均值 265.00");
  EXPECT_EQ(text("lb_is_no"), "第 2163 期號碼為   08  14  23  24  26  47");
  EXPECT_EQ(cellsEndingWith("sg", "★"), 0);

  // Past the newest draw: every draw counted, nothing marked, the draw labels kept.
  find<QScrollBar>("sbar")->setValue(2164);
  EXPECT_EQ(text("lbtitle"), "第1期 至 第2163期次群統計表");
  EXPECT_EQ(cellsEndingWith("sg", "●"), 0);
  EXPECT_EQ(text("lb_is_no"), "第 2163 期號碼為   08  14  23  24  26  47");
}

TEST_F(OccurrenceWindowsTest, GroupsOfAHandCheckedHistory) {
  start(drawLines(kThree));
  open("hotgroup");
  EXPECT_EQ(text("Label1"), "第 1 期");  // never below draw 1
  EXPECT_EQ(text("Label2"), "第 4 期");
  // Draws 1 and 2 with special balls: 20 twice, twelve balls once, the rest never;
  // only the first twelve unseen balls fit in the 13 columns.
  const auto g = grid("sg");
  ASSERT_EQ(g.size(), 4u);
  EXPECT_EQ(g[1], (QStringList{"  0", "02", "04", "06", "07", "08", "09", "12●", "13●", "14●", "16●", "17", "18"}));
  EXPECT_EQ(g[2], (QStringList{"  1", "01", "03", "05★", "10●", "11", "15", "22", "30", "44", "45", "47", "49"}));
  EXPECT_EQ(g[3], (QStringList{"  2", "20", "  ", "  ", "  ", "  ", "  ", "  ", "  ", "  ", "  ", "  ", "  "}));
  EXPECT_EQ(text("lbavr2"), "次群平均值 .29");

  // The first draw: one group of unseen balls in a one-column grid.
  find<QScrollBar>("sbar")->setValue(1);
  EXPECT_EQ(grid("sg"), (std::vector<QStringList>{{"次數"}, {"  0"}}));
  EXPECT_EQ(text("lb_is_no"), "第 1 期號碼為   10  20  30  44  45  47  05");
  EXPECT_EQ(text("lbavr"), "        平均值 .00");
}

TEST_F(OccurrenceWindowsTest, LandingMapOfTheRealHistory) {
  start();
  open("map76");
  EXPECT_EQ(v->objectName(), "Form_rk_76locate");
  EXPECT_EQ(v->windowTitle(), "7x7 落點圖");
  EXPECT_EQ(text("Label1"), "1");
  EXPECT_EQ(text("Label2"), "2163");
  EXPECT_EQ(cell("sg", 0, 0), "位置");
  EXPECT_EQ(cell("sg", 0, 1), " A");
  EXPECT_EQ(cell("sg", 7, 0), "   g");
  EXPECT_EQ(cell("sg", 2, 1), "08●");  // A b
  EXPECT_EQ(cell("sg", 7, 5), "47●");  // E g
  EXPECT_EQ(cell("sg", 5, 2), "30★");  // B e
  EXPECT_EQ(boardRow(1), (QStringList{"01", "02", "03", "04", "05", "06", "07"}));

  set("cb_move", "3");
  EXPECT_EQ(boardRow(1), (QStringList{"04", "05", "06", "07", "08●", "09", "10"}));
  EXPECT_EQ(cell("sg", 7, 7), "03");

  find<QCheckBox>("cb_mx")->setChecked(true);
  set("cb_move", "1");
  EXPECT_EQ(boardRow(1), (QStringList{"08●", "09", "10", "11", "12", "13", "14●"}));
  find<QScrollBar>("sbar")->setValue(2162);  // one draw back: 01 14 25 27 29 43 | 02
  EXPECT_EQ(boardRow(1), (QStringList{"07", "08", "09", "10", "11", "12", "13"}));
  EXPECT_EQ(cell("sg", 2, 1), "14●");

  set("cb_move", "abc");
  EXPECT_EQ(messages(), QStringList{"'abc' is not a valid integer value"});
  EXPECT_EQ(boardRow(1), (QStringList{"07", "08", "09", "10", "11", "12", "13"}));

  // Every showing starts again from the plain board on the newest draw.
  v->hide();
  open("map76");
  EXPECT_EQ(find<QComboBox>("cb_move")->currentText(), "0");
  EXPECT_EQ(find<QScrollBar>("sbar")->value(), 2163);
}

TEST_F(OccurrenceWindowsTest, EmptyHistory) {
  start({""});
  open("map76");
  EXPECT_FALSE(find<QScrollBar>("sbar")->isEnabled());
  EXPECT_EQ(boardRow(1), (QStringList{"01", "02", "03", "04", "05", "06", "07"}));
  EXPECT_EQ(cell("sg", 7, 7), "49");
  find<QCheckBox>("cb_mx")->setChecked(true);
  set("cb_move", "5");
  EXPECT_EQ(boardRow(1), (QStringList{"06", "07", "08", "09", "10", "11", "12"}));
  v->hide();
  open("hotgroup");
  EXPECT_EQ(text("lbtitle"), "第1期 至 第0期次群統計表");
  EXPECT_EQ(cell("sg", 1, 0), "  0");
  EXPECT_TRUE(messages().isEmpty());
}

TEST_F(OccurrenceWindowsTest, MarkSixHistory) {
  start();
  copyData("hkmark6.txt", platform.dir());
  w.main->findChild<QRadioButton*>("rb_mark6")->click();
  open("hotgroup");
  EXPECT_EQ(text("lbtitle"), "第1期 至 第2999期次群統計表");
  EXPECT_EQ(text("lbavr"), "        平均值 428.43");
  v->hide();
  open("PMX");
  find<QTabWidget>("PageControl1")->setCurrentIndex(1);
  EXPECT_EQ(text("lbtitle"), "第 025134 期下一期號碼");
}
