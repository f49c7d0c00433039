#include <QGroupBox>
#include <QRadioButton>

#include "core/pillars/layouts.h"
#include "core/pillars/period.h"
#include "core/text/codec.h"
#include "tovrin_fixture.h"

using testing_support::readBytes;
using testing_support::TovrinTest;

namespace {
const QList<int> kEight = {3, 7, 11, 18, 24, 30, 41, 45};

std::string bytesOf(const QStringList& lines) {
  std::string out;
  for (const QString& l : lines) out += *tovrin::encodeCp950(l.toStdString()) + "\r\n";
  return out;
}
}  // namespace

// The 3x3x3 and 1x1x2x2x2 buttons print, line for line, what the plain
// scoring of every layout over the same period gives.
TEST_F(TovrinTest, NineAndEightBallShapesMatchThePlainScoring) {
  open();
  const auto period = tovrin::dateRangeQuery(w.main->table(), {2009, 1, 1}, {2026, 12, 10});
  struct Case {
    const char* button;
    tovrin::LayoutShape shape;
    std::vector<int> balls;
    const char* field;  // the chance line's close: lines reported of layouts tried
  } cases[] = {
      {"Button28", tovrin::LayoutShape::P3x3x3, {3, 7, 11, 18, 24, 30, 33, 41, 45}, " ｜ 最佳 30 / 280 種排列"},
      {"Button29", tovrin::LayoutShape::P1x1x2x2x2, {3, 7, 11, 18, 24, 30, 41, 45}, " ｜ 最佳 30 / 420 種排列"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button);
    click("Button8");
    std::vector<std::string> selected;
    for (int b : c.balls) {
      ball(b)->setChecked(true);
      selected.push_back(tovrin::format00(b));
    }
    click(c.button);
    const auto oracle = tovrin::analyzeLayouts(c.shape, selected, period.lines, period.caption,
                                               tovrin::RankPriority::FourFirst, tovrin::Scoring::Literal);
    EXPECT_EQ(ui::toStd(memo("Memo2")), oracle.report);
    EXPECT_TRUE(text("lb_chance2").endsWith(c.field)) << text("lb_chance2").toStdString();
    for (std::size_t p = 0; p < oracle.best.size(); ++p)
      EXPECT_EQ(ui::toStd(memo(QString("Mx%1").arg(p + 1))), oracle.best[p]) << p;
  }
}

TEST_F(TovrinTest, TwelveChooseEightRefusesAnotherCount) {
  open();
  tick({2, 5, 9, 14, 19, 23, 28, 31, 36, 40, 44});
  find<QPlainTextEdit>("Memo2")->setPlainText("keep");
  click("Button31");
  EXPECT_EQ(platform.messages.texts().last(), "本分析所選的號碼必須是１２個，請重新選擇後再操作本功能");
  EXPECT_EQ(find<QComboBox>("cb9")->currentText(), "12");
  EXPECT_EQ(page(), 2);
  EXPECT_EQ(memo("Memo2"), QStringList{"keep"});
  EXPECT_FALSE(std::filesystem::exists(platform.dir() / "C12_8.txt"));
}

TEST_F(TovrinTest, AResultFileThatCannotBeWrittenIsReported) {
  open();
  std::filesystem::create_directory(platform.dir() / "C12_8.txt");
  tick({2, 5, 9, 14, 19, 23, 28, 31, 36, 40, 44, 48});
  click("Button31");
  EXPECT_EQ(platform.messages.texts().last(),
            "無法寫入檔案 C12_8.txt：這是一個資料夾（分析結果仍顯示於彩柱驗證頁）");
  EXPECT_EQ(platform.messages.shown.back().icon, ui::Icon::Error);
  EXPECT_EQ(memo("Memo2")[0], "１２選８碼立柱 = 2x2x2x2 優柱分析");
}

// A stopped run without a report used to leave 2x2x2x2 in the shape boxes
// while the memos kept the earlier layout.
TEST_F(TovrinTest, AStoppedRunPutsBackTheShapeInEffect) {
  open();
  tick({2, 5, 9, 14, 19, 23, 28, 31, 36, 40, 44, 48});
  setCombo("CB_Select", "3");
  for (const char* box : {"ComboBox1", "ComboBox2", "ComboBox3"}) setCombo(box, "4");
  t->onSubSelectionDone = [this](int done) {
    if (done == 7) click("btn_stop");
  };
  click("Button31");
  EXPECT_EQ(find<QComboBox>("CB_Select")->currentText(), "3");
  for (const char* box : {"ComboBox1", "ComboBox2", "ComboBox3"}) EXPECT_EQ(find<QComboBox>(box)->currentText(), "4");
  EXPECT_FALSE(find<QComboBox>("ComboBox4")->isEnabled());
  // 4x4x4: 48 two-star, 64 three-star bets.
  EXPECT_EQ(text("lb_tot"), "共= 112 碰");
}

TEST_F(TovrinTest, LayoutAnalysisOfEightBalls) {
  open();
  for (int b : kEight) ball(b)->setChecked(true);
  setCombo("CB_Select", "3");
  click("Button12");
  EXPECT_EQ(page(), 4);
  const QStringList r = memo("Memo2");
  EXPECT_EQ(r[0], "８碼立柱 = 2x2x2x2 優柱分析");
  EXPECT_EQ(r[2], "驗證期間：2009/01/01 至 2026/12/10 共   1954 期");
  EXPECT_EQ(r[4], "您選擇的立柱號碼( 8 碼)");
  EXPECT_EQ(r[5], "03,07,11,18,24,30,41,45");
  EXPECT_EQ(r[11], "以下按四星優先，四-三-二星開出統計排列");
  EXPECT_EQ(r[12], QString(20, QChar(0xFFE3)));
  // The best layout is loaded into the pillar memos and the shape into the boxes.
  EXPECT_EQ(find<QComboBox>("CB_Select")->currentText(), "4");
  EXPECT_EQ(t->layout().sizes, (std::array<int, 8>{2, 2, 2, 2, 0, 0, 0, 0}));
  QString pillars;
  for (int p = 1; p <= 4; ++p) pillars += (p > 1 ? " x (" : "(") + memo(QString("Mx%1").arg(p)).join(',') + ")";
  EXPECT_TRUE(r[13].endsWith("---" + pillars)) << r[13].toStdString();
  EXPECT_EQ(r.size(), 13 + 2 * 20);
  // The winner against chance over the 1954 draws of 24, 32 and 16 bets:
  // 1954·24·30/2352 = 598.16, 1954·32·120/110544 = 67.88 and
  // 1954·16·360/5085024 = 2.21 hits expected, so 628, 93 and 8 hits are
  // 1.05, 1.37 and 3.61 times chance; the winner was one of 105 layouts.
  EXPECT_TRUE(r[13].startsWith("四星8碰,三星93碰,二星628碰---")) << r[13].toStdString();
  EXPECT_EQ(text("lb_chance2"),
            "隨機期望：二星 598.2 碰，三星 67.9 碰，四星 2.2 碰 ｜ 實際/期望：二星 1.05，三星 1.37，四星 3.61 ｜ 最佳 20 "
            "/ 105 種排列");
}

TEST_F(TovrinTest, LayoutAnalysisWithTheWrongCountChangesNothing) {
  open();
  tick({1, 2, 3});
  find<QPlainTextEdit>("Memo2")->setPlainText("keep");
  click("Button12");
  EXPECT_EQ(platform.messages.texts().last(), "本分析所選的號碼必須是８個，請重新選擇後再操作本功能");
  EXPECT_EQ(page(), 2);
  EXPECT_EQ(find<QComboBox>("cb9")->currentText(), "8");
  click("Button30");
  EXPECT_EQ(platform.messages.texts().last(), "本分析所選的號碼必須是１０個，請重新選擇後再操作本功能");
  EXPECT_EQ(find<QComboBox>("cb9")->currentText(), "10");
  click("Button28");
  EXPECT_EQ(find<QComboBox>("cb9")->currentText(), "9");
  EXPECT_EQ(memo("Memo2"), QStringList{"keep"});
  EXPECT_EQ(t->layout().count, 4);
}

TEST_F(TovrinTest, TenBallsReportTheirBestTwenty) {
  open();
  tick({3, 7, 11, 18, 24, 30, 33, 41, 45, 47});
  find<QRadioButton>("RG1_2")->setChecked(true);
  click("Button30");
  const QStringList r = memo("Memo2");
  EXPECT_EQ(r[0], "１０碼立柱 = 2x2x3x3 優柱分析");
  EXPECT_EQ(r[11], "以下按二星優先，二-三-四星開出統計排列");
  EXPECT_TRUE(r[13].startsWith("二星"));
  EXPECT_EQ(r.size(), 13 + 2 * 20);
  EXPECT_EQ(memo("Mx3").size(), 3);
  EXPECT_EQ(text("lb_tot"), "共= 133 碰");
  EXPECT_TRUE(text("lb_chance2").endsWith(" ｜ 最佳 20 / 2,520 種排列")) << text("lb_chance2").toStdString();
}

TEST_F(TovrinTest, TwelveChooseEightReportsAndWritesItsFile) {
  open();
  tick({2, 5, 9, 14, 19, 23, 28, 31, 36, 40, 44, 48});
  setCombo("cbis", "200");
  click("Button16");
  click("Button31");
  EXPECT_EQ(page(), 4);
  const QStringList r = memo("Memo2");
  EXPECT_EQ(r[0], "１２選８碼立柱 = 2x2x2x2 優柱分析");
  EXPECT_EQ(r[4], "您選擇的立柱號碼");
  EXPECT_EQ(r[14].left(9), "【沒有用到的號碼：");
  EXPECT_TRUE(r.last().startsWith("( 計算時間 2026/12/10 09:30:00 - 2026/12/10 09:30:00 )"));
  EXPECT_EQ(find<QPushButton>("Button31")->text(), "12取8超優分析");
  EXPECT_FALSE(find<QPushButton>("btn_stop")->isVisible());
  // The file holds the report, in Big5 with CR LF.
  EXPECT_EQ(readBytes(platform.dir() / "C12_8.txt"), bytesOf(r));
  // The winner was picked from 495 sub-selections of 105 layouts each.
  EXPECT_TRUE(text("lb_chance2").startsWith("隨機期望：二星 "));
  EXPECT_TRUE(text("lb_chance2").endsWith(" ｜ 最佳 20 / 51,975 種排列")) << text("lb_chance2").toStdString();
}

TEST_F(TovrinTest, StoppedTwelveChooseEightReportsNothing) {
  open();
  tick({2, 5, 9, 14, 19, 23, 28, 31, 36, 40, 44, 48});
  t->onSubSelectionDone = [this](int done) {
    if (done == 7) click("btn_stop");
  };
  click("Button31");
  EXPECT_TRUE(memo("Memo2").isEmpty());
  EXPECT_FALSE(std::filesystem::exists(platform.dir() / "C12_8.txt"));
  EXPECT_EQ(find<QPushButton>("Button31")->text(), "12取8超優分析");
  EXPECT_FALSE(find<QPushButton>("btn_stop")->isVisible());
}

TEST_F(TovrinTest, FifteenChooseTenAsksFirst) {
  open();
  platform.messages.script = {ui::Answer::No};
  click("Button32");
  EXPECT_EQ(platform.messages.texts().last(),
            "執行【15取10超優分析】可能需費時３-４小時(依電腦性能而定，)\n\n是否繼續？如果要確定要計算請按 Yes，否則按 No "
            "離開\n\n計算過程中，可隨時按【中斷】鍵，中止計算，\n\n計算超過 5/3003，即可顯示結果。");
  EXPECT_EQ(platform.messages.shown.back().buttons, ui::Buttons::YesNo);
  EXPECT_EQ(platform.messages.shown.size(), 1u);
  click("Button32");  // Yes, but only no balls are selected
  EXPECT_EQ(platform.messages.texts().last(), "本分析所選的號碼必須是１５個，請重新選擇後再操作本功能");
  EXPECT_EQ(find<QComboBox>("cb9")->currentText(), "15");
  EXPECT_EQ(page(), 2);
}

TEST_F(TovrinTest, FifteenChooseTenStopsAndReportsWhatItComputed) {
  open();
  tick({2, 5, 9, 14, 19, 23, 28, 31, 36, 40, 41, 44, 46, 48, 49});
  setCombo("cbis", "100");
  click("Button16");
  find<QTabWidget>("PageC")->setCurrentIndex(3);
  bool lockedDuringRun = false;
  t->onSubSelectionDone = [&](int done) {
    if (done == 6) {
      lockedDuringRun = !find<QGroupBox>("RG1")->isEnabled();
      EXPECT_FALSE(ball(1)->isEnabled());
      EXPECT_FALSE(find<QPushButton>("Button12")->isEnabled());
      EXPECT_FALSE(find<QPushButton>("Button16")->isEnabled());
      EXPECT_TRUE(find<QPushButton>("btn_stop_1510")->isEnabled());
      EXPECT_TRUE(find<QPushButton>("btn_stop_1510")->isVisible());
      click("btn_stop_1510");
    }
  };
  click("Button32");
  EXPECT_TRUE(lockedDuringRun);
  const QStringList r = memo("Memo2");
  EXPECT_EQ(r[0], "１５選１０碼立柱 = 2x2x3x3 優柱分析");
  EXPECT_TRUE(r.contains("※ 以上結果為計算所有組合之 ﹙6 / 3003 ﹚"));
  EXPECT_TRUE(r.last().startsWith(" 計算時間 "));
  EXPECT_EQ(readBytes(platform.dir() / "C15_10.txt"), bytesOf(r));
  EXPECT_FALSE(find<QLabel>("lb_percent")->isVisible());
  // Controls come back as they were: unused pillars stay disabled.
  EXPECT_TRUE(find<QGroupBox>("RG1")->isEnabled());
  EXPECT_TRUE(ball(1)->isEnabled());
  EXPECT_FALSE(find<QComboBox>("ComboBox5")->isEnabled());
  EXPECT_EQ(text("lb_tot"), "共= 133 碰");

}

// The boundary: a stop after four sub-selections reports nothing; after five
// it reports over those five.
TEST_F(TovrinTest, FifteenChooseTenNeedsFiveDoneToReport) {
  open();
  tick({2, 5, 9, 14, 19, 23, 28, 31, 36, 40, 41, 44, 46, 48, 49});
  setCombo("cbis", "100");
  click("Button16");
  t->onSubSelectionDone = [this](int done) {
    if (done == 4) click("btn_stop_1510");
  };
  click("Button32");
  EXPECT_TRUE(memo("Memo2").isEmpty());
  EXPECT_FALSE(std::filesystem::exists(platform.dir() / "C15_10.txt"));
  EXPECT_EQ(text("lb_chance2"), "");
  EXPECT_EQ(find<QPushButton>("Button32")->text(), "15取10超優分析");

  t->onSubSelectionDone = [this](int done) {
    if (done == 5) click("btn_stop_1510");
  };
  click("Button32");
  const QStringList r = memo("Memo2");
  EXPECT_TRUE(r.contains("※ 以上結果為計算所有組合之 ﹙5 / 3003 ﹚"));
  EXPECT_EQ(readBytes(platform.dir() / "C15_10.txt"), bytesOf(r));
  // Five sub-selections of 2,520 layouts were compared.
  EXPECT_TRUE(text("lb_chance2").endsWith(" ｜ 最佳 5 / 12,600 種排列")) << text("lb_chance2").toStdString();
}
