#include "tovrin_fixture.h"

using testing_support::TovrinTest;

TEST_F(TovrinTest, OpeningListsTheDefaultPeriodAndTheDefaultLayout) {
  open();
  EXPECT_EQ(t->objectName(), "Form_tovrin");
  EXPECT_EQ(t->windowTitle(), "Tovrin");
  EXPECT_EQ(page(), 0);
  EXPECT_EQ(find<QTabWidget>("PageC")->count(), 6);
  EXPECT_EQ(find<QDateEdit>("DateTimePicker1")->date(), QDate(2009, 1, 1));
  EXPECT_EQ(find<QDateEdit>("DateTimePicker2")->date(), QDate(2026, 12, 10));

  const QStringList period = memo("Memo1");
  ASSERT_EQ(period.size(), 1954);
  EXPECT_EQ(find<QLineEdit>("Edit1")->text(), "  1954");
  EXPECT_TRUE(period.first().startsWith("0001,2009/01/02,"));
  EXPECT_TRUE(period.last().startsWith("1954,2026/08/21,115081,08,14,23,24,26,47,30"));
  EXPECT_EQ(memo("Memo2"), period);
  EXPECT_EQ(memo("Memo3"), period);
  EXPECT_EQ(t->periodCaption(), "驗證期間：2009/01/01 至 2026/12/10 共   1954 期");

  EXPECT_EQ(t->layout().count, 4);
  EXPECT_EQ(t->layout().sizes, (std::array<int, 8>{2, 2, 2, 2, 0, 0, 0, 0}));
  EXPECT_EQ(text("lb_NOTT"), "您立柱所有的號碼數為：8  請留意！必須和您上面所選的數目相同");
  EXPECT_EQ(text("lb_pon2"), "二星= 24 碰");
  EXPECT_EQ(text("lb_pon3"), "三星= 32 碰");
  EXPECT_EQ(text("lb_pon4"), "四星= 16 碰");
  EXPECT_EQ(text("lb_tot"), "共= 72 碰");
  EXPECT_TRUE(find<QComboBox>("ComboBox4")->isEnabled());
  EXPECT_FALSE(find<QComboBox>("ComboBox5")->isEnabled());
  EXPECT_EQ(text("lb2s"), "---");

  auto* dates = find<QComboBox>("cb_date");
  EXPECT_EQ(dates->currentText(), "2026/08/21");
  EXPECT_EQ(dates->count(), 20);
  // The drag controls follow the newest draw: its lowest ball, one draw later.
  EXPECT_EQ(find<QComboBox>("CB_xx")->currentText(), "08");
  EXPECT_EQ(find<QComboBox>("cb_prediction")->currentText(), "1");
}

TEST_F(TovrinTest, TickingByProgramRunsTheSelectionHandler) {
  open();
  tick({3, 1, 2});
  EXPECT_EQ(t->selection().count, 3);
  EXPECT_EQ(text("Label6"), "01,02,03,");
  EXPECT_EQ(text("Label41"), "01,02,03,");
  EXPECT_EQ(text("Label57"), "01,02,03,");
  EXPECT_EQ(text("Label28"), "  共計 3 個");
  EXPECT_EQ(text("lb_selectNo"), "3");
  EXPECT_EQ(ball(1)->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_TRUE(ball(1)->font().bold());
  EXPECT_EQ(ball(4)->palette().color(QPalette::WindowText), QColor(Qt::blue));
  ball(2)->setChecked(false);
  EXPECT_EQ(text("Label6"), "01,03,");
}

TEST_F(TovrinTest, MoreThan36BallsWarnOncePerChange) {
  open();
  for (int n = 1; n <= 36; ++n) ball(n)->setChecked(true);
  EXPECT_TRUE(platform.messages.shown.empty());
  ball(37)->setChecked(true);
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.texts().last(), "您所選的號碼超過上限36個，請減少號碼");
  EXPECT_EQ(platform.messages.shown.back().icon, ui::Icon::Error);
  EXPECT_TRUE(ball(37)->isChecked());  // the tick stays

  // A tail picker that goes past the cap warns for each change above it.
  platform.messages.shown.clear();
  find<QCheckBox>("CBT8")->setChecked(true);  // 38, 48 (08, 18, 28 already ticked)
  EXPECT_EQ(platform.messages.shown.size(), 0u);  // the picker first unticks the untailed balls
  EXPECT_EQ(t->selection().count, 5);
}

TEST_F(TovrinTest, TailAndHeadBoxesPickTheirBalls) {
  open();
  find<QCheckBox>("CBT3")->setChecked(true);
  EXPECT_EQ(text("Label6"), "03,13,23,33,43,");
  EXPECT_EQ(find<QCheckBox>("CBT3")->palette().color(QPalette::WindowText), QColor(Qt::red));
  find<QCheckBox>("CBH4")->setChecked(true);
  EXPECT_EQ(text("Label6"), "03,13,23,33,40,41,42,43,44,45,46,47,48,49,");
  find<QCheckBox>("CBT3")->setChecked(false);
  EXPECT_EQ(text("Label6"), "40,41,42,43,44,45,46,47,48,49,");
  click("Button8");
  EXPECT_EQ(t->selection().count, 0);
  EXPECT_FALSE(find<QCheckBox>("CBH4")->isChecked());
}

TEST_F(TovrinTest, PillarCountAndSizes) {
  open();
  setCombo("CB_Select", "6");
  for (int i = 5; i <= 6; ++i) setCombo(QString("ComboBox%1").arg(i), "3");
  EXPECT_EQ(t->layout().total, 14);
  setCombo("CB_Select", "3");
  EXPECT_EQ(find<QComboBox>("ComboBox4")->currentText(), "0");
  EXPECT_EQ(find<QComboBox>("ComboBox6")->currentText(), "0");
  EXPECT_FALSE(find<QPlainTextEdit>("Mx4")->isEnabled());
  EXPECT_EQ(text("lb_pon2"), "二星= 12 碰");  // 2,2,2
  EXPECT_EQ(text("lb_pon3"), "三星= 8 碰");
  EXPECT_EQ(text("lb_pon4"), "四星= 0 碰");

  setCombo("CB_Select", "2");
  setCombo("ComboBox1", "12");
  setCombo("ComboBox2", "12");
  EXPECT_EQ(text("lb_tot"), "共= 144 碰");
}

TEST_F(TovrinTest, SizeBoxRefusesTextAndSizesAbove12) {
  open();
  setCombo("ComboBox2", "13");
  EXPECT_TRUE(platform.messages.texts().last().contains("第2柱最多12碼"));
  EXPECT_EQ(find<QComboBox>("ComboBox2")->currentText(), "2");
  EXPECT_EQ(t->layout().sizes[1], 2);

  setCombo("ComboBox3", "x");
  EXPECT_EQ(platform.messages.texts().last(), "'x' is not a valid integer value");
  EXPECT_EQ(t->layout().total, 8);  // unchanged
  EXPECT_EQ(text("lb_tot"), "共= 72 碰");
}
