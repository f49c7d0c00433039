#include "core/pillars/period.h"
#include "core/pillars/verification.h"
#include "tovrin_fixture.h"

using testing_support::TovrinTest;

namespace {
void typePillars(QWidget* t, const std::vector<QStringList>& pillars) {
  for (std::size_t p = 0; p < pillars.size(); ++p)
    t->findChild<QPlainTextEdit*>(QString("Mx%1").arg(p + 1))->setPlainText(pillars[p].join('\n'));
}
const QList<int> kEight = {3, 7, 11, 18, 24, 30, 41, 45};
}  // namespace

// Four draws whose hits are counted by hand below. Pillars {03,24} {07,41}
// {11,30} {18,45} hold per pillar (2,1,2,1) balls of draw 1 (41 is its special
// ball), (1,1,0,0) of draw 2, none of draw 3 and (0,1,1,2) of draw 4 (07 is
// its special ball). Bets hit are the elementary symmetric sums of those:
// two-star 13+1+0+5 = 19, three-star 12+0+0+2 = 14, four-star 4+0+0+0 = 4.
const std::vector<std::string> kFourDraws = {
    "2020/01/03,109001,03,07,11,18,24,30,41",
    "2020/01/07,109002,03,07,12,19,25,31,45",
    "2020/01/10,109003,01,02,04,05,06,08,03",
    "2020/01/14,109004,11,18,41,45,20,21,07",
};
const std::vector<QStringList> kPillars = {{"03", "24"}, {"07", "41"}, {"11", "30"}, {"18", "45"}};
const QString kFirstLine = "0001,2020/01/03,109001,03,07,11,18,24,30,41";

TEST_F(TovrinTest, ManualVerificationAnnotatesThePeriodAndReports) {
  open(kFourDraws);
  typePillars(t, kPillars);
  click("Button27");
  EXPECT_EQ(page(), 4);
  const QStringList lines = memo("Memo2");
  ASSERT_EQ(lines.size(), 4 + 27);
  EXPECT_EQ(lines[0], kFirstLine + ",|,03,07,11,18,24,30,|,13,12,4");
  EXPECT_EQ(lines[2], "0003,2020/01/10,109003,01,02,04,05,06,08,03,|,__,__,__,__,__,__,|,0,0,0");
  EXPECT_EQ(lines[3], "0004,2020/01/14,109004,11,18,20,21,41,45,07,|,11,18,__,__,41,45,|,5,2,0");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "驗證期間：2009/01/01 至 2026/12/10 共   4 期");
  EXPECT_EQ(lines[7], "第1柱");
  EXPECT_EQ(lines[8], "03");
  EXPECT_TRUE(lines.contains("成本二星 24 碰"));
  EXPECT_EQ(lines.mid(lines.size() - 3), (QStringList{"二星開出 19 碰", "三星開出 14 碰", "四星開出 4 碰"}));
  // Chance over 4 draws of 24, 32 and 16 bets: 2880/2352, 15360/110544 and
  // 23040/5085024 hits, worked out by hand; the report itself is unchanged.
  EXPECT_EQ(text("lb_chance2"),
            "隨機期望：二星 1.2 碰，三星 0.1 碰，四星 0.0 碰 ｜ 實際/期望：二星 15.52，三星 100.76，四星 882.82");

  // Clearing restores the plain lines; a second run gives the same annotations.
  click("Button27");
  EXPECT_EQ(memo("Memo2"), lines);
  // 清除 takes the report away, and its chance line with it.
  click("Button20");
  EXPECT_EQ(text("lb_chance2"), "");
}

// The totals once covered only the lines this page's copy still held.
TEST_F(TovrinTest, PillarTotalsCoverTheWholePeriodWhateverThePageHolds) {
  open(kFourDraws);
  typePillars(t, kPillars);
  click("Button27");
  find<QPlainTextEdit>("Memo2")->setPlainText(kFirstLine);
  click("Button26");
  const QStringList lines = memo("Memo2");
  EXPECT_EQ(lines[0], kFirstLine + ",|,03,07,11,18,24,30,|,13,12,4");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines.mid(lines.size() - 3), (QStringList{"二星開出 19 碰", "三星開出 14 碰", "四星開出 4 碰"}));
}

// A re-run that refuses its input once let the verification go on over the
// old period, printing a full report of nothing under the old caption.
TEST_F(TovrinTest, VerificationsStopWhenThePeriodCannotBeReRead) {
  open(kFourDraws);
  setCombo("cbis", "2");
  click("Button16");
  typePillars(t, kPillars);
  setCombo("cbis", "x");
  for (const char* button : {"Button27", "Button19"}) {
    SCOPED_TRACE(button);
    if (QString(button) == "Button19") tick({3, 7, 11, 18, 24, 30, 41, 45});
    platform.messages.shown.clear();
    click(button);
    EXPECT_EQ(platform.messages.texts(), QStringList{"'x' is not a valid integer value"});
    EXPECT_FALSE(memo("Memo2").join('\n').contains("開出"));
    EXPECT_FALSE(memo("Memo2").join('\n').contains(",|,"));
  }
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

// Selected balls drawn per draw: 6, 2, 0 and 4 (the special balls 41 and 07
// never count), so 15+1+0+6 = 22 two-star, 20+0+0+4 = 24 three-star and
// 15+0+0+1 = 16 four-star hits.
TEST_F(TovrinTest, LenponTotalsOverTheFourDraws) {
  open(kFourDraws);
  for (int b : kEight) ball(b)->setChecked(true);
  click("Button9");
  const QStringList lines = memo("Memo3");
  EXPECT_EQ(lines[0], kFirstLine + ",|,03,07,11,18,24,30,|,15,20,15");
  EXPECT_EQ(lines[3], "0004,2020/01/14,109004,11,18,20,21,41,45,07,|,11,18,__,__,41,45,|,6,4,1");
  EXPECT_EQ(lines.mid(lines.size() - 3), (QStringList{"二星開出 22 碰", "三星開出 24 碰", "四星開出 16 碰"}));
  // Eight balls form 28, 56 and 70 bets: 3360/2352, 26880/110544 and
  // 100800/5085024 hits expected over the 4 draws.
  EXPECT_EQ(text("lb_chance3"),
            "隨機期望：二星 1.4 碰，三星 0.2 碰，四星 0.0 碰 ｜ 實際/期望：二星 15.40，三星 98.70，四星 807.15");
  EXPECT_EQ(text("lb_chance2"), "");
  click("Button10");
  EXPECT_EQ(text("lb_chance3"), "");
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
  // The totals the report prints are those of the layout it loaded, scored
  // by the plain per-draw check over the same period.
  std::vector<std::vector<std::string>> pillars;
  for (int p = 1; p <= 4; ++p) pillars.push_back(ui::toStd(memo(QString("Mx%1").arg(p))));
  const auto oracle = tovrin::verifyPillars(
      pillars, tovrin::dateRangeQuery(w.main->table(), {2009, 1, 1}, {2026, 12, 10}).lines);
  EXPECT_EQ(report.mid(report.size() - 3),
            (QStringList{QString("二星開出 %1 碰").arg(oracle.totals.two), QString("三星開出 %1 碰").arg(oracle.totals.three),
                         QString("四星開出 %1 碰").arg(oracle.totals.four)}));
  EXPECT_FALSE(memo("MM_2").isEmpty());
  EXPECT_EQ(memo("MM3_2").size(), 56);
}

// After six pillars the analyzer opens with four again: box 5 must not stay
// editable and count in the total while the arrangement uses four pillars.
TEST_F(TovrinTest, ReopeningAfterSixPillarsArrangesIntoFour) {
  open();
  setCombo("CB_Select", "6");
  setCombo("ComboBox5", "2");
  t->close();
  w.main->command("tovrin")->trigger();
  EXPECT_FALSE(find<QComboBox>("ComboBox5")->isEnabled());
  EXPECT_EQ(find<QComboBox>("ComboBox5")->currentText(), "0");
  for (int b : kEight) ball(b)->setChecked(true);
  click("Button19");
  EXPECT_TRUE(memo("Mx5").isEmpty());
  for (int p = 1; p <= 4; ++p) EXPECT_EQ(memo(QString("Mx%1").arg(p)).size(), 2) << p;
  const QStringList report = memo("Memo2");
  for (const char* cost : {"成本二星 24 碰", "成本三星 32 碰", "成本四星 16 碰"}) EXPECT_TRUE(report.contains(cost)) << cost;
}

// A size box that does not read leaves the sizes in effect: the arrangement
// compares the selection with them and refuses when they differ.
TEST_F(TovrinTest, ArrangementUsesTheSizesInEffect) {
  open();
  for (int b : kEight) ball(b)->setChecked(true);
  setCombo("ComboBox4", "x");  // pillar 4 keeps 2
  setCombo("ComboBox1", "3");  // 3+2+2+2 = 9 in effect
  platform.messages.shown.clear();
  click("Button19");
  EXPECT_EQ(platform.messages.texts().last(), "立柱的號碼數與上面所選的不相同");
  EXPECT_TRUE(memo("Mx1").isEmpty());
  EXPECT_FALSE(memo("Memo2").join('\n').contains("開出"));
}
