#include "core/views/nogood_tails.h"
#include "nogood_fixture.h"
#include "views/Unit_rk_nogood.h"

using namespace testing_support;

namespace {

class TailsViewTest : public ViewTest {
 protected:
  void open() { ASSERT_NE(run("nogood"), nullptr); }
  void base(const QString& b) { find<QComboBox>("cb_base")->setCurrentText(b); }
};

}  // namespace

// The real Big Lotto history up to 115081 (2026/08/21); the expected texts
// come from an independent working of the formulas on that history.
TEST_F(TailsViewTest, StartFindsTheBestFormulasAndPagesThroughThem) {
  start();
  open();
  EXPECT_EQ(view->windowTitle(), "不出尾數版路");
  EXPECT_EQ(row(0, 0, 10), (QStringList{" 日     期", " 期 數", "一", "二", "三", "四", "五", "六", "特", "預測 ", "開出"}));
  EXPECT_EQ(row(1, 0, 8), (QStringList{"2026/07/03", "115067", "19", "23", "47", "39", "16", "11", "15"}));
  EXPECT_EQ(row(15, 0, 1), (QStringList{"2026/08/21", "115081"}));

  click("SpeedButton4");
  EXPECT_EQ(text("lb_tot"), "共 6 組");
  EXPECT_EQ(text("lb_sortidx"), "第 1 組");
  EXPECT_EQ(text("Label2"), "1010044302");
  for (int r = 1; r <= 15; ++r) EXPECT_EQ(cell(r, 10), r == 15 ? "失敗" : "") << "row " << r;
  EXPECT_EQ(cell(15, 9), "7");
  EXPECT_EQ(cell(16, 0), "下 1 期預測");
  EXPECT_EQ(cell(16, 9), "8");
  const QStringList mm = memo();
  ASSERT_EQ(mm.size(), 19);
  EXPECT_EQ(mm.front(), "代號 1010044302");
  EXPECT_EQ(mm[1], "不出尾數版路：上1期 第三落x4 + 第四落x4 + 第五落x3 +  2 取尾數本期不出（驗證15 期） ");
  EXPECT_EQ(mm.back(), "本不出尾數版路最近15期成功機率 93.33﹪");

  // Paging stops at the sixth and at the first; the codes are the literal
  // search's.
  const auto literal = tovrin::tails::search_Literal(w.main->table(), tovrin::tails::BallOrder::Drawn, 1);
  EXPECT_EQ(find<QProgressBar>("Pbar")->value(), literal.progress);
  for (int i = 0; i < 7; ++i) click("SpeedButton6");
  EXPECT_EQ(text("lb_sortidx"), "第 6 組");
  EXPECT_EQ(text("Label2"), ui::qs(literal.codes[5]));
  EXPECT_EQ(memo().front(), "代號 " + ui::qs(literal.codes[5]));
  for (int i = 0; i < 7; ++i) click("SpeedButton2");
  EXPECT_EQ(text("lb_sortidx"), "第 1 組");
  EXPECT_EQ(text("Label2"), "1010044302");
}

TEST_F(TailsViewTest, OrderAndBaseChoices) {
  start();
  open();
  // 115070 was drawn 46 36 45 34 25 10 (07): row 4.
  find<QRadioButton>("rb_ball_sort")->click();
  click("SpeedButton4");
  EXPECT_EQ(row(4, 1, 8), (QStringList{"115070", "10", "25", "34", "36", "45", "46", "07"}));
  EXPECT_EQ(text("Label2"), "1010143101");
  EXPECT_TRUE(memo()[1].startsWith("不出尾數版路：上1期 第二順x1 + "));
  // The shared working copy of the drawn order is not rewritten.
  EXPECT_EQ(w.main->table().chosen[w.main->table().count - 12][0], "46");

  find<QRadioButton>("rb_ball_ori")->click();
  base("3");
  click("SpeedButton4");
  EXPECT_EQ(grid()->rowCount(), 20);
  EXPECT_EQ(row(4, 1, 2), (QStringList{"115070", "46"}));
  EXPECT_EQ((QStringList{cell(16, 0), cell(17, 0), cell(18, 0)}),
            (QStringList{"下 1 期預測", "下 2 期預測", "下 3 期預測"}));
  EXPECT_TRUE(memo()[1].startsWith("不出尾數版路：上3期 "));

  // Back to base 1: no prediction label of the base-3 run stays behind.
  base("1");
  click("SpeedButton4");
  EXPECT_EQ(grid()->rowCount(), 18);
  EXPECT_EQ(cell(16, 0), "下 1 期預測");
  EXPECT_EQ(cell(17, 0), "");
}

TEST_F(TailsViewTest, MarkSixAndBothCommandsShareTheWindow) {
  copyData("hkmark6.txt", platform.dir());
  start();
  w.main->findChild<QRadioButton*>("rb_mark6")->click();
  QDialog* first = run("nogood");
  click("SpeedButton4");
  EXPECT_EQ(text("Label2"), "1000324122");
  EXPECT_EQ(memo().back(), "本不出尾數版路最近15期成功機率 100.00﹪");
  first->reject();
  EXPECT_EQ(run("NG_tail"), first);
  EXPECT_EQ(w.main->findChildren<TForm_rk_nogood*>().size(), 1);
}

// Showing the window again clears the results: paging then does nothing,
// though the buttons keep their state.
TEST_F(TailsViewTest, ReshowingClearsTheResults) {
  start();
  open();
  click("SpeedButton4");
  ASSERT_FALSE(memo().isEmpty());
  view->reject();
  run("NG_tail");
  EXPECT_TRUE(memo().isEmpty());
  EXPECT_TRUE(find<QPushButton>("SpeedButton6")->isEnabled());
  click("SpeedButton6");
  EXPECT_TRUE(memo().isEmpty());
  EXPECT_EQ(cell(16, 0), "");
}

TEST_F(TailsViewTest, TooFewDrawsAreRefused) {
  start(someDraws(17));
  open();
  EXPECT_EQ(row(15, 0, 1), (QStringList{"2020/01/17", "300017"}));
  base("2");
  click("SpeedButton4");  // 17 draws are enough for base 2
  EXPECT_TRUE(platform.messages.texts().isEmpty());
  EXPECT_FALSE(memo().isEmpty());

  base("3");
  click("SpeedButton4");
  EXPECT_EQ(platform.messages.texts(), QStringList{"開獎資料不足,至少需要 18 期!"});
  EXPECT_TRUE(memo().isEmpty());
  EXPECT_FALSE(find<QPushButton>("SpeedButton6")->isEnabled());
  EXPECT_FALSE(find<QPushButton>("SpeedButton2")->isEnabled());
}
