#include <QMenu>

#include "views_window_fixture.h"

using testing_support::ViewsTest;

namespace {

class RuleMapsTest : public ViewsTest {
 protected:
  // Clicks ball `ball` in the row of draw `number` on the upper map.
  void pick(int ball, const char* number) {
    auto* map = grid("sgmap");
    const int row = rowOf(map, number);
    ASSERT_GT(row, 0) << number;
    clickBall(map, ball, row);
  }
  QString lastFilledRowNumber(QTableWidget* g) {
    for (int r = g->rowCount(); r >= 1; --r)
      if (!cell(g, r, 1).isEmpty()) return cell(g, r, 1);
    return {};
  }
};

}  // namespace

// The expected values come from an independent reading of the real history.
TEST_F(RuleMapsTest, TwoMarksSearchFixedAndOffsetsOnTheRealHistory) {
  start();
  auto* form = open("Rule_2A", "Form_rk_rule1");
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), "２Ａ版路");
  EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
  auto* map = grid("sgmap");
  auto* list = grid("sgmap1");
  EXPECT_EQ(map->rowCount(), 2163);
  EXPECT_EQ(map->columnCount(), 51);
  EXPECT_EQ(map->horizontalHeaderItem(0)->text(), "日     期");
  EXPECT_EQ(map->horizontalHeaderItem(1)->text(), " 期  數");
  EXPECT_EQ(map->horizontalHeaderItem(50)->text(), "49");
  EXPECT_EQ(marks(map, 2163), "08● 14● 23● 24● 26● 30☆ 47● ");
  EXPECT_EQ(text("Label2"), "下? 期開");
  EXPECT_EQ(text("cb2"), "02");

  pick(14, "115080");
  pick(14, "115081");
  EXPECT_EQ(text("cb1"), "14");
  EXPECT_EQ(text("cb2"), "14");
  EXPECT_EQ(text("Label2"), "下1期開");
  // After the last pick no button is down: a further click picks nothing.
  pick(30, "115079");
  EXPECT_EQ(text("cb2"), "14");
  EXPECT_EQ(text("Label2"), "下1期開");
  EXPECT_EQ(cell(map, 2162, 15), "１");
  EXPECT_EQ(cell(map, 2163, 15), "２");

  press("SpeedButton4");
  EXPECT_EQ(text("lbtot"), "共 1473 期");
  EXPECT_EQ(text("lbtridx"), "本期");

  find<QCheckBox>("chk_fixed")->setChecked(true);
  press("SpeedButton4");
  EXPECT_EQ(text("lbtot"), "共 35 期");
  ASSERT_EQ(list->rowCount(), 36);  // the listed draws and one blank row
  EXPECT_EQ(cell(list, 1, 0), "2008/10/28");
  EXPECT_EQ(cell(list, 35, 0), "2026/08/21");
  EXPECT_EQ(cell(list, 35, 1), "115081");
  EXPECT_EQ(marks(list, 35), "08● 14● 23● 24● 26● 30☆ 47● ");
  EXPECT_EQ(marks(list, 36), "");
  EXPECT_EQ(cell(list, 36, 0), "");
  // The recurrence listed first: 14 in the draw before 2008/10/28, then in it.
  const int first = rowOf(map, cell(list, 1, 1));
  EXPECT_EQ(cell(map, first - 1, 15), "１");
  EXPECT_EQ(cell(map, first, 15), "２");

  press("SpeedButton1");
  EXPECT_EQ(text("lbtridx"), "上 1 期");
  EXPECT_EQ(text("lbtot"), "共 35 期");
  EXPECT_EQ(lastFilledRowNumber(list), "115080");
  press("SpeedButton2");
  press("SpeedButton2");
  EXPECT_EQ(text("lbtridx"), "下 1 期");
  EXPECT_EQ(text("lbtot"), "共 34 期");

  press("SpeedButton3");  // 清除
  EXPECT_EQ(text("lbtot"), "共 0 期");
  EXPECT_FALSE(find<QCheckBox>("chk_fixed")->isChecked());
  EXPECT_EQ(itemCount(list), 0);
  EXPECT_EQ(cell(map, first, 15), "●");
  pick(8, "115081");
  pick(14, "115081");
  EXPECT_EQ(text("Label2"), "下0期開");
  press("SpeedButton4");
  EXPECT_EQ(text("lbtot"), "共 1269 期");
}

TEST_F(RuleMapsTest, SecondPickFirstStillSearchesForwardInTime) {
  start();
  open("Rule_2A", "Form_rk_rule1");
  press("sb2");
  pick(14, "115080");
  EXPECT_EQ(text("Label2"), "下2162期開");  // no first pick yet: counted from row 0
  press("sb1");
  pick(14, "115081");  // the first pick, a draw later than the second
  EXPECT_EQ(text("cb1"), "14");
  EXPECT_EQ(text("Label2"), "下1期開");
  find<QCheckBox>("chk_fixed")->setChecked(true);
  press("SpeedButton4");
  EXPECT_EQ(text("lbtot"), "共 35 期");
}

TEST_F(RuleMapsTest, ThreeAndFourMarksSortTheirPicks) {
  start();
  open("Rule_3A", "Form_rk_rule2");
  EXPECT_EQ(v->windowTitle(), "３Ａ版路");
  EXPECT_EQ(text("Label3"), "下 ? 期開");
  pick(23, "115081");
  pick(25, "115079");
  pick(14, "115080");
  EXPECT_EQ(text("cb1"), "25");
  EXPECT_EQ(text("cb2"), "14");
  EXPECT_EQ(text("cb3"), "23");
  EXPECT_EQ(text("Label2"), "下1期開");
  EXPECT_EQ(text("Label3"), "下2期開");
  press("SpeedButton4");
  EXPECT_EQ(text("lbtot"), "共 235 期");
  close();

  open("Rule_4A", "Form_rk_rule3");
  EXPECT_EQ(v->windowTitle(), "４Ａ版路");
  pick(23, "115081");
  pick(25, "115079");
  pick(14, "115080");
  pick(12, "115078");
  EXPECT_EQ(text("cb1"), "12");
  EXPECT_EQ(text("Label4"), "下3期開");
  press("SpeedButton4");
  EXPECT_EQ(text("lbtot"), "共 28 期");
}

TEST_F(RuleMapsTest, IncompletePicksChangeOnlyTheOffset) {
  start();
  open("Rule_2A", "Form_rk_rule1");
  press("SpeedButton1");  // 上一期 with no picks
  EXPECT_EQ(text("lbtot"), "共 0 期");
  EXPECT_EQ(text("lbtridx"), "本期");
  EXPECT_EQ(grid("sgmap1")->rowCount(), 0);
  pick(14, "115080");
  pick(14, "115081");
  press("SpeedButton2");  // back from -1 to 0
  EXPECT_EQ(text("lbtridx"), "本期");
  EXPECT_EQ(text("lbtot"), "共 1473 期");
}

TEST_F(RuleMapsTest, ShowingAgainResetsAndEmptiesTheListingOfTheOtherGame) {
  start();
  open("Rule_2A", "Form_rk_rule1");
  pick(14, "115080");
  pick(14, "115081");
  press("SpeedButton4");
  ASSERT_EQ(grid("sgmap1")->rowCount(), 1474);
  close();
  // Mark Six has no draws here.
  w.main->findChild<QRadioButton*>("rb_mark6")->click();
  open("Rule_2A", "Form_rk_rule1");
  EXPECT_EQ(grid("sgmap")->rowCount(), 0);
  EXPECT_EQ(itemCount(grid("sgmap1")), 0);
  EXPECT_EQ(text("lbtot"), "共 0 期");
  EXPECT_EQ(text("cb1"), "01");
}

TEST_F(RuleMapsTest, TraceWindowShowsTheListedDrawsWithStars) {
  start();
  open("Rule_2A", "Form_rk_rule1");
  pick(14, "115080");
  pick(14, "115081");
  find<QCheckBox>("chk_fixed")->setChecked(true);
  press("SpeedButton4");
  auto* popup = find<QMenu>("PopupMenu1");
  auto* n2 = popup->findChild<QAction*>("N2");
  ASSERT_NE(n2, nullptr);
  EXPECT_EQ(n2->text(), "版路定義");
  EXPECT_FALSE(n2->isEnabled());
  popup->findChild<QAction*>("N1")->trigger();

  auto* trace = w.main->findChild<QDialog*>("Form_rk_trace");
  ASSERT_NE(trace, nullptr);
  EXPECT_TRUE(trace->isVisible());
  EXPECT_EQ(trace->windowTitle(), "版路分析及拖牌結果");
  auto* sg = trace->findChild<QTableWidget*>("sgtrace");
  ASSERT_EQ(sg->rowCount(), 35);  // the blank row holds nothing
  EXPECT_EQ(cell(sg, 1, 0), "2008/10/28");
  EXPECT_EQ(cell(sg, 35, 1), "115081");
  EXPECT_EQ(marks(sg, 35), "08* 14* 23* 24* 26* 30* 47* ");

  // The pattern-definition command exists but is never offered.
  auto* cmd = w.main->command("rule_define");
  ASSERT_NE(cmd, nullptr);
  EXPECT_FALSE(cmd->isEnabled());
  auto* menu = w.main->findChild<QMenu*>("CommandMenu");
  EXPECT_FALSE(menu->actions().contains(cmd));
  EXPECT_TRUE(menu->actions().contains(w.main->command("Rule_2A")));
}

TEST_F(RuleMapsTest, HelpButtonsNameTheirFiles) {
  start();
  struct Case {
    const char* command;
    const char* form;
    const char* button;
    const char* file;
  };
  const Case cases[] = {{"Rule_2A", "Form_rk_rule1", "SpeedButton5", "help_2a.txt"},
                        {"Rule_3A", "Form_rk_rule2", "SpeedButton5", "help_3a.txt"},
                        {"Rule_4A", "Form_rk_rule3", "SpeedButton6", "help_4a.txt"},
                        {"strange", "Form_rk_strange", "SpeedButton10", "help_strange.txt"}};
  for (const auto& c : cases) {
    open(c.command, c.form);
    press(c.button);
    ASSERT_FALSE(platform.messages.shown.empty()) << c.file;
    EXPECT_EQ(platform.messages.shown.back().text, QString("說明檔 %1 不存在").arg(c.file));
    close();
  }
  // With the file present the help viewer shows it instead.
  testing_support::writeBytes(platform.dir() / "help_2a.txt", "2A\r\n");
  const auto before = platform.messages.shown.size();
  open("Rule_2A", "Form_rk_rule1");
  press("SpeedButton5");
  EXPECT_EQ(platform.messages.shown.size(), before);
  EXPECT_TRUE(w.main->findChild<QDialog*>("Form_rk_help")->isVisible());
}
