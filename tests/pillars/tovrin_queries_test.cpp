#include <sys/stat.h>

#include "tovrin_fixture.h"

using testing_support::readBytes;
using testing_support::TovrinTest;

namespace {
std::vector<std::string> tenDraws() {
  std::vector<std::string> lines;
  for (int d = 1; d <= 10; ++d)
    lines.push_back(QString("2020/01/%1,1090%2,%3,12,20,30,40,45,01")
                        .arg(d, 2, 10, QChar('0'))
                        .arg(d, 2, 10, QChar('0'))
                        .arg(d % 2 ? "05" : "06")
                        .toStdString());
  return lines;
}
}  // namespace

TEST_F(TovrinTest, RecentPeriodicAndDragQueries) {
  open(tenDraws());
  setCombo("cbis", "3");
  click("Button16");
  EXPECT_EQ(memo("Memo1").size(), 3);
  EXPECT_EQ(find<QDateEdit>("DateTimePicker1")->date(), QDate(2020, 1, 8));
  EXPECT_EQ(t->periodCaption(), "最近 3 期驗證");
  EXPECT_EQ(find<QLineEdit>("Edit1")->text(), "  3");

  setCombo("cb_intv", "3");
  setCombo("cbis_2", "2");
  click("Button17");
  EXPECT_EQ(memo("Memo1"), (QStringList{"0001,2020/01/07,109007,05,12,20,30,40,45,01",
                                        "0002,2020/01/10,109010,06,12,20,30,40,45,01"}));

  // Reference draw 2020/01/05 (its lowest ball 05), six draws to the newest.
  find<QComboBox>("cb_date")->setCurrentText("2020/01/05");
  EXPECT_EQ(find<QComboBox>("CB_xx")->currentText(), "05");
  EXPECT_EQ(find<QComboBox>("cb_prediction")->currentText(), "6");
  setCombo("cb_prediction", "1");
  click("Button18");
  EXPECT_EQ(memo("Memo1").size(), 4);  // after draws 1, 3, 5, 7; draw 9 is the newest match
  EXPECT_EQ(t->periodCaption(), "《順球》當第 1 支開05之下1期統計驗證 (共 4 期)");
  EXPECT_EQ(t->queryMode(), tovrin::QueryMode::Drag);
}

TEST_F(TovrinTest, BadQueryInputStopsWithAMessage) {
  open(tenDraws());
  const QStringList before = memo("Memo1");
  setCombo("cbis", "abc");
  click("Button16");
  EXPECT_EQ(platform.messages.texts().last(), "'abc' is not a valid integer value");
  EXPECT_EQ(memo("Memo1"), before);

  setCombo("cb_intv", "0");
  click("Button17");
  EXPECT_TRUE(platform.messages.texts().last().contains("1 以上"));
  EXPECT_EQ(memo("Memo1"), before);
  EXPECT_EQ(t->queryMode(), tovrin::QueryMode::DateRange);

  find<QComboBox>("cb_date")->setCurrentText("2019/05/05");
  click("Button18");
  EXPECT_TRUE(platform.messages.texts().last().contains("2019/05/05"));
  EXPECT_EQ(memo("Memo1"), before);
}

TEST_F(TovrinTest, ClearRerunsTheLastQueryInAllThreeMemos) {
  open(tenDraws());
  setCombo("cbis", "4");
  click("Button16");
  const QStringList plain = memo("Memo1");
  find<QPlainTextEdit>("Memo2")->setPlainText("edited");
  find<QPlainTextEdit>("Memo3")->appendPlainText("more");
  click("Button20");
  EXPECT_EQ(memo("Memo1"), plain);
  EXPECT_EQ(memo("Memo2"), plain);
  EXPECT_EQ(memo("Memo3"), plain);
}

TEST_F(TovrinTest, MemoCopyAndSaveThroughTheDialog) {
  open(tenDraws());
  click("Button4");
  EXPECT_EQ(platform.clipboard.text, memo("Memo1").join('\n') + '\n');
  EXPECT_EQ(platform.messages.texts().last(), "資料已複製Copy");

  platform.saveDialog.answer = QString::fromStdString((platform.dir() / "period.csv").string());
  find<QPlainTextEdit>("Memo1")->appendPlainText("驗證期間");
  click("Button6");
  EXPECT_EQ(platform.saveDialog.title, "儲存開獎資料");
  EXPECT_EQ(platform.saveDialog.defaultExt, "csv");
  EXPECT_EQ(platform.saveDialog.filter, "Execel檔案(*.csv)|*.csv");
  const std::string bytes = readBytes(platform.dir() / "period.csv");
  EXPECT_EQ(bytes.substr(0, 45), "0001,2020/01/01,109001,05,12,20,30,40,45,01\r\n");
  EXPECT_EQ(bytes.substr(bytes.size() - 10), "\xC5\xE7\xC3\xD2\xB4\xC1\xB6\xA1\r\n");  // Big5

  click("Button5");
  EXPECT_EQ(platform.saveDialog.defaultExt, "txt");
  EXPECT_EQ(platform.saveDialog.filter, "文字檔案(*.txt)|*.txt");

  // A cancelled dialog writes nothing; a failed write says so.
  platform.saveDialog.answer.reset();
  click("Button22");
  platform.saveDialog.answer = QString::fromStdString((platform.dir() / "no" / "x.txt").string());
  click("Button22");
  EXPECT_EQ(platform.messages.shown.back().icon, ui::Icon::Error);
}

TEST_F(TovrinTest, FontToggle) {
  open(tenDraws());
  click("Button33");
  EXPECT_EQ(find<QPushButton>("Button33")->text(), "正常大小");
  EXPECT_EQ(find<QPlainTextEdit>("Memo2")->font().pointSize(), 16);
  click("Button33");
  EXPECT_EQ(find<QPushButton>("Button33")->text(), "字體變大");
  EXPECT_EQ(find<QPlainTextEdit>("Memo3")->font().pointSize(), 12);
}
