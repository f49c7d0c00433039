#include <QMenu>

#include "views_window_fixture.h"

using testing_support::ViewsTest;

namespace {

class StrangeTest : public ViewsTest {
 protected:
  QListWidget* list() { return find<QListWidget>("clbox"); }
  void tick(int item, bool on = true) { list()->item(item - 1)->setCheckState(on ? Qt::Checked : Qt::Unchecked); }
  int ticked() {
    int n = 0;
    for (int i = 0; i < list()->count(); ++i) n += list()->item(i)->checkState() == Qt::Checked;
    return n;
  }
};

// Totals 210, 158, 160 and 80: the first and the last meet criterion 2.
const std::vector<std::string> kFourDraws = {
    "2020/01/03,109001,49,48,47,46,12,05,03", "2020/01/07,109002,01,13,22,28,35,40,19",
    "2020/01/10,109003,02,15,23,29,33,41,17", "2020/01/14,109004,01,02,03,04,05,25,40"};

}  // namespace

// Counts from an independent reading of the real histories.
TEST_F(StrangeTest, SelectAllOneItemAndClearOnTheRealHistories) {
  testing_support::copyData("hkmark6.txt", platform.dir());
  start();
  auto* form = open("strange", "Form_rk_strange");
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), "怪牌版路");
  ASSERT_EQ(list()->count(), 13);
  EXPECT_EQ(list()->item(1)->text(), "2. 號碼總數大於210或小於80");
  EXPECT_EQ(list()->item(12)->text(), "13. 三個號碼以上同是9的倍數");

  press("SpeedButton1");  // 全選
  EXPECT_EQ(ticked(), 13);
  EXPECT_EQ(text("lbtot"), "合乎條件 1028 筆 ");
  EXPECT_EQ(grid("sgmap")->rowCount(), 1028);
  press("SpeedButton2");  // 重選
  EXPECT_EQ(ticked(), 0);
  EXPECT_EQ(text("lbtot"), "合乎條件 0 筆 ");
  EXPECT_EQ(grid("sgmap")->rowCount(), 0);
  tick(2);
  EXPECT_EQ(text("lbtot"), "合乎條件 379 筆 ");
  EXPECT_EQ(text("lbtridx"), "本期");
  close();

  w.main->findChild<QRadioButton*>("rb_mark6")->click();
  open("strange", "Form_rk_strange");
  // Showing unticks every item but leaves the earlier listing as it was.
  EXPECT_EQ(ticked(), 0);
  EXPECT_EQ(text("lbtot"), "合乎條件 379 筆 ");
  press("SpeedButton1");
  EXPECT_EQ(text("lbtot"), "合乎條件 1385 筆 ");
}

TEST_F(StrangeTest, OffsetsMoveTheListedDraws) {
  start(kFourDraws);
  open("strange", "Form_rk_strange");
  auto* map = grid("sgmap");
  tick(2);
  EXPECT_EQ(text("lbtot"), "合乎條件 2 筆 ");
  ASSERT_EQ(map->rowCount(), 2);
  EXPECT_EQ(cell(map, 1, 1), "109001");
  EXPECT_EQ(cell(map, 2, 1), "109004");
  EXPECT_EQ(marks(map, 2), "01● 02● 03● 04● 05● 25● 40☆ ");

  press("SpeedButton19");  // 下一期: the newest match has no draw after it
  EXPECT_EQ(text("lbtridx"), "下 1 期");
  EXPECT_EQ(text("lbtot"), "合乎條件 1 筆 ");
  ASSERT_EQ(map->rowCount(), 1);
  EXPECT_EQ(cell(map, 1, 1), "109002");
  press("SpeedButton18");
  press("SpeedButton18");  // 上一期 twice: one draw before each match
  EXPECT_EQ(text("lbtridx"), "上 1 期");
  ASSERT_EQ(map->rowCount(), 1);
  EXPECT_EQ(cell(map, 1, 0), "2020/01/10");
  // Any tick starts again from the matching draws themselves.
  tick(1);
  EXPECT_EQ(text("lbtridx"), "本期");
  EXPECT_EQ(cell(map, 1, 1), "109001");

  // The trace window gets the listed draws with a star for each ball.
  tick(1, false);
  find<QMenu>("PopupMenu1")->findChild<QAction*>("N1")->trigger();
  auto* trace = w.main->findChild<QDialog*>("Form_rk_trace");
  ASSERT_NE(trace, nullptr);
  auto* sg = trace->findChild<QTableWidget*>("sgtrace");
  ASSERT_EQ(sg->rowCount(), 2);
  EXPECT_EQ(cell(sg, 1, 1), "109001");
  EXPECT_EQ(marks(sg, 1), "03* 05* 12* 46* 47* 48* 49* ");
  EXPECT_EQ(cell(sg, 2, 0), "2020/01/14");
}

namespace {

class TotalTest : public ViewsTest {
 protected:
  QString newestTotal() {
    auto* sgl = grid("sgl");
    return cell(sgl, sgl->rowCount(), 9);
  }
  QComboBox* tolerance() { return find<QComboBox>("cb_mp"); }
};

}  // namespace

// Counts from an independent reading of the real history.
TEST_F(TotalTest, TargetToleranceSpecialBallAndOffsets) {
  start();
  auto* form = open("Rule_total", "Form_rk_rule_7");
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), "總數推算");
  auto* sgl = grid("sgl");
  ASSERT_EQ(sgl->rowCount(), 2163);
  EXPECT_EQ(sgl->horizontalHeaderItem(2)->text(), "第1號");
  EXPECT_EQ(sgl->horizontalHeaderItem(9)->text(), "總數");
  EXPECT_EQ(cell(sgl, 1, 1), "096001");
  EXPECT_EQ(cell(sgl, 1, 8), "19");
  EXPECT_EQ(cell(sgl, 1, 9), "183");
  EXPECT_EQ(find<QLineEdit>("ed_tot")->text(), "172");
  EXPECT_EQ(newestTotal(), "172  ●");
  EXPECT_EQ(text("lbtot"), "合乎條件 27 筆 ");
  EXPECT_EQ(text("lbtridx"), "本期");
  EXPECT_EQ(grid("sgmap")->rowCount(), 27);
  EXPECT_EQ(cell(grid("sgmap"), 27, 1), "115081");

  press("SpeedButton2");
  EXPECT_EQ(text("lbtridx"), "下 1 期");
  EXPECT_EQ(text("lbtot"), "合乎條件 26 筆 ");
  press("SpeedButton1");
  EXPECT_EQ(text("lbtridx"), "本期");
  tolerance()->setCurrentText("3");
  EXPECT_EQ(text("lbtot"), "合乎條件 168 筆 ");
  tolerance()->setCurrentText("0");
  find<QCheckBox>("cb_spno")->click();  // six balls only
  EXPECT_EQ(newestTotal(), "142");
  EXPECT_EQ(text("lbtot"), "合乎條件 18 筆 ");
}

TEST_F(TotalTest, TextThatIsNotANumber) {
  start();
  open("Rule_total", "Form_rk_rule_7");
  find<QLineEdit>("ed_tot")->setText("abc");
  EXPECT_TRUE(platform.messages.shown.empty());  // typing is not refused
  EXPECT_EQ(text("lbtot"), "合乎條件 27 筆 ");
  press("SpeedButton2");
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].text, "'abc' is not a valid integer value");
  EXPECT_EQ(text("lbtridx"), "本期");
  // The offset did move: with a number again, the listing is one draw later.
  find<QLineEdit>("ed_tot")->setText("172");
  EXPECT_EQ(text("lbtot"), "合乎條件 26 筆 ");
}

TEST_F(TotalTest, NoDrawsAtAll) {
  startAsFound();
  open("Rule_total", "Form_rk_rule_7");
  EXPECT_EQ(find<QLineEdit>("ed_tot")->text(), "");
  EXPECT_EQ(grid("sgl")->rowCount(), 0);
  EXPECT_EQ(text("lbtot"), "合乎條件 0 筆 ");
  EXPECT_EQ(text("lbtridx"), "本期");
  EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(TotalTest, EmptyHistoryKeepsTheTargetAndListsNothing) {
  start();
  open("Rule_total", "Form_rk_rule_7");
  close();
  w.main->findChild<QRadioButton*>("rb_mark6")->click();  // no Mark Six draws here
  open("Rule_total", "Form_rk_rule_7");
  EXPECT_EQ(find<QLineEdit>("ed_tot")->text(), "172");
  EXPECT_EQ(grid("sgl")->rowCount(), 0);
  EXPECT_EQ(grid("sgmap")->rowCount(), 0);
  EXPECT_EQ(text("lbtot"), "合乎條件 0 筆 ");
  EXPECT_TRUE(platform.messages.shown.empty());
}
