#include "tovrin_fixture.h"

using testing_support::TovrinTest;

namespace {
void typePillars(QWidget* t, const std::vector<QStringList>& pillars) {
  for (std::size_t p = 0; p < pillars.size(); ++p)
    t->findChild<QPlainTextEdit*>(QString("Mx%1").arg(p + 1))->setPlainText(pillars[p].join('\n'));
}
const QList<int> kEight = {3, 7, 11, 18, 24, 30, 41, 45};
}  // namespace

TEST_F(TovrinTest, ManualVerificationAnnotatesThePeriodAndReports) {
  open();
  typePillars(t, {{"03", "24"}, {"07", "41"}, {"11", "30"}, {"18", "45"}});
  click("Button27");
  EXPECT_EQ(page(), 4);
  const QStringList lines = memo("Memo2");
  const int n = memo("Memo1").size();
  for (int k = 0; k < n; ++k) ASSERT_TRUE(lines[k].contains(",|,")) << k;
  EXPECT_EQ(lines[n], "");
  EXPECT_EQ(lines[n + 1], QString::fromStdString(t->periodCaption()));
  EXPECT_EQ(lines[n + 3], "第1柱");
  EXPECT_EQ(lines[n + 4], "03");
  EXPECT_TRUE(lines.contains("成本二星 24 碰"));
  EXPECT_EQ(lines.last(), QString("四星開出 %1 碰").arg(t->hitTotals().four));
  EXPECT_GT(t->hitTotals().two, 0);

  // Clearing restores the plain lines; a second run gives the same annotations.
  const QStringList first = lines;
  click("Button27");
  EXPECT_EQ(memo("Memo2"), first);
}

TEST_F(TovrinTest, ManualVerificationRefusesAPillarOfMoreThan12) {
  open();
  QStringList thirteen;
  for (int b = 1; b <= 13; ++b) thirteen << QString("%1").arg(b, 2, 10, QChar('0'));
  typePillars(t, {{"20"}, thirteen});
  const QStringList before = memo("Memo2");
  click("Button27");
  EXPECT_TRUE(platform.messages.texts().last().contains("第2柱"));
  EXPECT_EQ(memo("Memo2"), before);
  EXPECT_EQ(page(), 0);
}

TEST_F(TovrinTest, LenponReportOfEightBalls) {
  open();
  for (int b : kEight) ball(b)->setChecked(true);
  find<QTabWidget>("PageC")->setCurrentIndex(5);
  click("Button9");
  const QStringList lines = memo("Memo3");
  EXPECT_TRUE(lines.contains("如果您選擇連碰號碼( 8 碼)"));
  EXPECT_TRUE(lines.contains("03,07,11,18,24,30,41,45"));
  EXPECT_TRUE(lines.contains("每期二星 28 碰"));
  EXPECT_TRUE(lines.contains("每期三星 56 碰"));
  EXPECT_TRUE(lines.contains("每期四星 70 碰"));
  EXPECT_TRUE(lines.first().contains(",|,"));
  EXPECT_EQ(page(), 5);

  // Details off: plain lines, the same totals.
  const QString totals = lines.mid(lines.size() - 3).join('|');
  click("Button10");
  find<QCheckBox>("cb_detail")->setChecked(false);
  click("Button9");
  const QStringList plain = memo("Memo3");
  EXPECT_FALSE(plain.first().contains(",|,"));
  EXPECT_EQ(plain.mid(plain.size() - 3).join('|'), totals);
}

TEST_F(TovrinTest, LenponNeedsTwoTo36Balls) {
  open();
  tick({5});
  click("Button9");
  EXPECT_EQ(platform.messages.texts().last(), "本分析所選的號碼必須是2-36 請重新選擇後再操作本功能");
  EXPECT_EQ(page(), 2);
}

TEST_F(TovrinTest, ArrangementWarnings) {
  open();
  tick({1, 2, 3, 4});
  click("Button19");
  EXPECT_EQ(platform.messages.texts().last(), "本分析所選的號碼必須是５～３６個，請重新選擇後再操作本功能");
  EXPECT_EQ(page(), 2);

  tick({5, 6, 7, 8});
  setCombo("ComboBox4", "3");
  find<QTabWidget>("PageC")->setCurrentIndex(3);
  click("Button19");
  EXPECT_EQ(platform.messages.texts().last(), "立柱的號碼數與上面所選的不相同");
  EXPECT_EQ(page(), 3);
  EXPECT_TRUE(memo("Mx1").isEmpty());
}

TEST_F(TovrinTest, ArrangementFillsEveryPillarAndVerifies) {
  open();
  for (int b : kEight) ball(b)->setChecked(true);
  click("Button19");
  QStringList placed;
  for (int p = 1; p <= 4; ++p) {
    const QStringList pillar = memo(QString("Mx%1").arg(p));
    EXPECT_EQ(pillar.size(), 2);
    EXPECT_LT(pillar[0], pillar[1]);
    placed << pillar;
  }
  placed.sort();
  EXPECT_EQ(placed, (QStringList{"03", "07", "11", "18", "24", "30", "41", "45"}));
  EXPECT_EQ(page(), 4);
  const QStringList report = memo("Memo2");
  EXPECT_TRUE(report.contains("成本二星 24 碰"));
  EXPECT_EQ(report.last(), QString("四星開出 %1 碰").arg(t->hitTotals().four));
  EXPECT_FALSE(memo("MM_2").isEmpty());
  EXPECT_EQ(memo("MM3_2").size(), 56);
}
