#include "core/views/pmx.h"
#include "views/pmx_cycle_fixture.h"

using testing_support::drawLines;
using testing_support::ViewWindowTest;

namespace {

class PmxWindowTest : public ViewWindowTest {
 protected:
  void openPmx() {
    open("PMX");
    ASSERT_EQ(v->objectName(), "Form_rk_7_1");
    EXPECT_EQ(v->windowTitle(), "PMX版路");
  }
  void pmxTab() { find<QTabWidget>("PageControl1")->setCurrentIndex(1); }
  QStringList column(int c, int rows) {
    QStringList out;
    for (int r = 1; r <= rows; ++r) out << cell("sgl", r, c);
    return out;
  }
};

// draw 1: 45 10 47 20 30 44 | 05;  draw 2: 01 15 03 20 49 22 | 11;  draw 3: 10 12 13 14 16 17 | 05
const std::vector<std::string> kThree = {"45,10,47,20,30,44,05", "01,15,03,20,49,22,11", "10,12,13,14,16,17,05"};

}  // namespace

TEST_F(PmxWindowTest, RepeatsTabOnTheRealHistory) {
  start();
  openPmx();
  auto* sgl = find<QTableWidget>("sgl");
  EXPECT_EQ(sgl->rowCount(), 100);
  EXPECT_EQ(sgl->columnCount(), 10);
  EXPECT_FALSE(find<QWidget>("Panel3")->isVisible());
  const QStringList row1 = {"2026/08/21", "115081", "08", "14", "23", "24", "26", "47", "30", "■   1"};
  for (int c = 0; c < 10; ++c) EXPECT_EQ(cell("sgl", 1, c), row1[c]) << c;
  EXPECT_EQ(column(9, 4), (QStringList{"■   1", "■   2", "■   1", "■   1"}));
  // Only the latest 99 draws are listed.
  EXPECT_EQ(cell("sgl", 99, 1), "114101");  // the 99th line of the file
  EXPECT_EQ(cell("sgl", 0, 9), " 開 出 ");

  auto* latest = find<QComboBox>("cb_latest1");
  EXPECT_EQ(latest->count(), 11);
  EXPECT_EQ(latest->currentText(), "115081");
  set("cb_latest1", "115079");
  EXPECT_EQ(column(9, 3), (QStringList{"   ", "   ", "■   1"}));
  // A text that is no number is ignored.
  set("cb_11", "x");
  EXPECT_EQ(column(9, 3), (QStringList{"   ", "   ", "■   1"}));
  EXPECT_TRUE(messages().isEmpty());
}

TEST_F(PmxWindowTest, PmxTabPredictsTheNextDraw) {
  start();
  openPmx();
  pmxTab();
  EXPECT_EQ(find<QTableWidget>("sgl")->columnCount(), 11);
  EXPECT_EQ(cell("sgl", 0, 10), "號碼數");
  EXPECT_TRUE(find<QWidget>("Panel3")->isVisible());
  EXPECT_EQ(text("lbtitle"), "第 115081 期下一期號碼");
  EXPECT_EQ(text("lb_next"), "08 14 23 24 26 30 47 ");
  EXPECT_EQ(text("lbtot"), "共 7 個號碼");
  set("cb_25", "5");
  EXPECT_EQ(text("lb_next"), "13 19 28 29 31 35 03 ");
  set("cb_23", "15");
  EXPECT_EQ(text("lbtot"), "共 45 個號碼");

  // The grid agrees with the literal routine for the settings shown.
  const auto& t = w.main->table();
  const auto lit = tovrin::chk_7_2_Literal(t, 49, {0, 1, 15, 5, true});
  for (int row = 1; row <= 99; ++row) {
    const int draw = t.count - row + 1;
    ASSERT_EQ(cell("sgl", row, 9).toStdString(), tovrin::hitText(lit.hits[draw - 1])) << row;
    ASSERT_EQ(cell("sgl", row, 10).toStdString(), tovrin::poolSizeText(lit.size[draw - 1])) << row;
  }

  // Leaving and coming back resets the boxes but keeps 加/減.
  find<QComboBox>("cb_24")->setCurrentText("減");
  find<QTabWidget>("PageControl1")->setCurrentIndex(0);
  EXPECT_FALSE(find<QWidget>("Panel3")->isVisible());
  EXPECT_EQ(cell("sgl", 1, 9), "■   1");
  pmxTab();
  EXPECT_EQ(find<QComboBox>("cb_23")->currentText(), "1");
  EXPECT_EQ(find<QComboBox>("cb_25")->currentText(), "0");
  EXPECT_EQ(find<QComboBox>("cb_24")->currentText(), "減");
  EXPECT_EQ(text("lb_next"), "08 14 23 24 26 30 47 ");
}

TEST_F(PmxWindowTest, HandCheckedPoolsAndHits) {
  start(drawLines(kThree));
  openPmx();
  // Repeats one draw back: draw 2 shares 20 with draw 1.
  EXPECT_EQ(column(9, 4), (QStringList{"   ", "■   1", "   ", ""}));
  pmxTab();
  set("cb_25", "5");
  // Rows list draws 3, 2, 1; each pool is the draw before, moved up by 5.
  EXPECT_EQ(column(9, 3), (QStringList{"■   2", "■   4", "   "}));
  EXPECT_EQ(column(10, 3), (QStringList{"  7", "  7", "  "}));
  EXPECT_EQ(text("lb_next"), "10 15 17 18 19 21 22 ");
  find<QCheckBox>("cb_spno2")->setChecked(false);
  EXPECT_EQ(column(10, 3), (QStringList{"  6", "  6", "  "}));
  EXPECT_EQ(text("lb_next"), "15 17 18 19 21 22 ");
  EXPECT_EQ(text("lbtot"), "共 6 個號碼");
}

TEST_F(PmxWindowTest, RefusedInputsRecomputeNothing) {
  start(drawLines(kThree));
  openPmx();
  pmxTab();
  struct Case {
    const char* box;
    QString value;
    QString message;  // empty: no message at all
  } cases[] = {
      {"cb_22", "abc", "'abc' is not a valid integer value"},
      {"cb_21d", "-1", "「前跳」必須是 0 以上的整數，請重新輸入"},
      {"cb_22", "0", "「間隔」必須是 1 以上的整數，請重新輸入"},
      {"cb_23", "0", "「統計」必須是 1 以上的整數，請重新輸入"},
      {"cb_25", "-", ""},  // still being typed
  };
  for (const auto& c : cases) {
    set("cb_25", "0");
    set("cb_21d", "0");
    set("cb_22", "1");
    set("cb_23", "1");
    set("cb_25", "5");
    ASSERT_EQ(text("lb_next"), "10 15 17 18 19 21 22 ");
    platform.messages.shown.clear();
    set(c.box, c.value);
    EXPECT_EQ(messages(), c.message.isEmpty() ? QStringList() : QStringList{c.message}) << c.box;
    EXPECT_EQ(text("lb_next"), "10 15 17 18 19 21 22 ") << c.box;
    EXPECT_EQ(column(9, 2), (QStringList{"■   2", "■   4"})) << c.box;
  }
}

TEST_F(PmxWindowTest, HelpAndEmptyHistory) {
  start({""});
  openPmx();
  EXPECT_EQ(cell("sgl", 1, 0), "");
  EXPECT_EQ(find<QComboBox>("cb_latest1")->count(), 0);
  pmxTab();
  EXPECT_EQ(text("lbtitle"), "");
  EXPECT_EQ(text("lb_next"), "");
  EXPECT_EQ(text("lbtot"), "共 0 個號碼");
  find<QToolButton>("SpeedButton5")->click();
  EXPECT_EQ(messages(), QStringList{"說明檔 help_pmx.txt 不存在"});
}
