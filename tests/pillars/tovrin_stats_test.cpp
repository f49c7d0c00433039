#include "tovrin_fixture.h"

using testing_support::TovrinTest;

namespace {
QStringList row(QTableWidget* g, int r) {
  QStringList out;
  for (int c = 0; c < g->columnCount(); ++c) out << g->item(r, c)->text();
  return out;
}
}  // namespace

TEST_F(TovrinTest, OneDrawPeriodGridsAndHotPairs) {
  open({"2009/01/02,098001,43,11,35,03,27,19,07"});
  auto* sga1 = find<QTableWidget>("sga1");
  EXPECT_EQ(row(sga1, 0).mid(0, 9), (QStringList{"43", "35", "27", "19", "11", "03", "49", "48", "47"}));
  EXPECT_EQ(row(sga1, 1).mid(5, 2), (QStringList{"1", "0"}));
  EXPECT_EQ(find<QTableWidget>("sga2")->columnCount(), 24);
  auto* sgaT = find<QTableWidget>("sgaT");
  EXPECT_EQ(row(sgaT, 0), (QStringList{"3 尾", "9 尾", "7 尾", "5 尾", "1 尾", "8 尾", "6 尾", "4 尾", "2 尾", "0 尾"}));
  EXPECT_EQ(row(sgaT, 1), (QStringList{"2", "1", "1", "1", "1", "0", "0", "0", "0", "0"}));

  click("SpeedButton2");
  const QStringList pairs = memo("mm");
  ASSERT_EQ(pairs.size(), 15);
  EXPECT_EQ(pairs.mid(0, 4), (QStringList{"3543  001", "2743  001", "2735  001", "1943  001"}));
  EXPECT_EQ(pairs.last(), "0311  001");
  EXPECT_EQ(text("lb2s"), "15");
  click("SpeedButton1");
  EXPECT_EQ(memo("mm9").size(), 15);
  EXPECT_EQ(memo("mm9").first(), "19273543  001");

  click("BitBtn1");
  EXPECT_EQ(platform.clipboard.text, pairs.join('\n') + '\n');
  EXPECT_EQ(platform.messages.texts().last(), "資料已複製Copy");
  const int shown = platform.messages.shown.size();
  click("BitBtn4");  // copies the golden seven memo without a message
  EXPECT_EQ(static_cast<int>(platform.messages.shown.size()), shown);
}

TEST_F(TovrinTest, HotPickerTicksTheMostFrequentBalls) {
  open({"2009/01/02,098001,43,11,35,03,27,19,07", "2009/01/06,098002,43,11,05,06,08,09,07"});
  tick({1, 2});
  setCombo("cb9", "3");
  click("Button7");
  // 43 and 11 came out twice; then the highest of the balls that came out once.
  EXPECT_EQ(text("Label6"), "11,35,43,");
  EXPECT_EQ(t->selection().count, 3);
}

TEST_F(TovrinTest, GoldenSevenNeeds25Balls) {
  open();
  tick({1, 2, 3});
  find<QPlainTextEdit>("mm7")->setPlainText("old");
  click("SpeedButton4");
  EXPECT_TRUE(platform.messages.texts().last().contains("25"));
  EXPECT_EQ(memo("mm7"), QStringList{"old"});
}

TEST_F(TovrinTest, GoldenSevenOnTheRealHistory) {
  open();
  for (int b = 1; b <= 25; ++b) ball(b * 2 - 1 > 49 ? b : b * 2 - 1)->setChecked(true);
  ASSERT_EQ(t->selection().count, 25);
  click("SpeedButton4");
  const QStringList lines = memo("mm7");
  ASSERT_EQ(lines.size(), 10);
  EXPECT_TRUE(lines.first().startsWith("第 01 組號碼 "));
  EXPECT_TRUE(lines.last().startsWith("第 10 組號碼 "));
  EXPECT_TRUE(lines.first().contains(" 開出四星以上"));
  EXPECT_EQ(text("lb7s"), "0");

  // An empty date range lists nothing.
  find<QDateEdit>("DateTimePicker1")->setDate(QDate(2030, 1, 1));
  find<QDateEdit>("DateTimePicker2")->setDate(QDate(2030, 12, 31));
  click("SpeedButton4");
  EXPECT_TRUE(memo("mm7").isEmpty());
}
