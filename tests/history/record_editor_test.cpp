#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/windows.h"
#include "history/Unit_RK_main.h"
#include "history/Unit_rk_lotto_record.h"
#include "support/fake_platform.h"

using testing_support::copyData;
using testing_support::crlf;
using testing_support::FakePlatform;
using testing_support::readBytes;
using testing_support::writeBytes;

namespace {

int lineCount(const std::string& bytes) {
  int n = 0;
  for (std::size_t p = bytes.find("\r\n"); p != std::string::npos; p = bytes.find("\r\n", p + 2)) ++n;
  return n;
}

std::string firstLine(const std::string& bytes) { return bytes.substr(0, bytes.find("\r\n")); }

class RecordEditorTest : public ::testing::Test {
 protected:
  // Starts the program on copies of the real histories and opens the editor
  // from the command menu.
  void start(bool markSix = false) {
    copyData("RK8e49.txt", platform.dir());
    copyData("hkmark6.txt", platform.dir());
    w = createAppWindows();
    w.main->show();
    if (markSix) w.main->findChild<QRadioButton*>("rb_mark6")->click();
    openEditor();
  }
  void openEditor() {
    w.main->command("lotto_record")->trigger();
    dlg = w.main->findChild<QDialog*>("Form_rk_lotto_record");
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(dlg->isVisible());
    sgl = dlg->findChild<QTableView*>("sgl");
  }
  void TearDown() override { delete w.main; }

  QString cell(int row, int col) { return sgl->model()->index(row - 1, col).data().toString(); }
  QStringList rowCells(int row, int from, int to) {
    QStringList out;
    for (int c = from; c <= to; ++c) out << cell(row, c);
    return out;
  }
  QString heading(int col) { return sgl->model()->headerData(col, Qt::Horizontal).toString(); }
  int rows() { return sgl->model()->rowCount(); }
  QString reclen() { return dlg->findChild<QLabel*>("lb_reclen")->text(); }
  QLineEdit* field(const char* name) { return dlg->findChild<QLineEdit*>(name); }
  void click(const char* button) { dlg->findChild<QToolButton*>(button)->click(); }
  // Clicks a row of the grid as the user does.
  void selectRow(int row) {
    sgl->scrollTo(sgl->model()->index(row - 1, 1));
    const QRect r = sgl->visualRect(sgl->model()->index(row - 1, 1));
    QTest::mouseClick(sgl->viewport(), Qt::LeftButton, {}, r.center());
  }
  // Types into a field and leaves it.
  void enter(const char* name, const QString& text) {
    QLineEdit* e = field(name);
    e->setText(text);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(e, &out);
  }
  void enterDraw(const QString& number, const QStringList& balls) {
    enter("isno", number);
    for (int i = 0; i < 7; ++i) enter(qPrintable(QStringLiteral("isn%1").arg(i + 1)), balls[i]);
  }
  std::string file(const char* name = "RK8e49.txt") { return readBytes(platform.dir() / name); }
  QStringList messages() { return platform.messages.texts(); }

  FakePlatform platform;
  AppWindows w;
  QDialog* dlg = nullptr;
  QTableView* sgl = nullptr;
};

const QStringList kSeven = {"01", "02", "03", "04", "05", "06", "07"};

}  // namespace

TEST_F(RecordEditorTest, OpensFromTheCommandMenuOnTheNewestDraw) {
  start();
  const auto actions = w.main->findChild<QMenu*>("CommandMenu")->actions();
  ASSERT_GE(actions.size(), 2);
  EXPECT_EQ(actions[0]->objectName(), "lt_record");
  EXPECT_EQ(actions[1]->objectName(), "lotto_record");
  EXPECT_EQ(actions[1]->text(), "開獎紀錄編輯");

  EXPECT_EQ(dlg->windowTitle(), "開獎紀錄  大樂透");
  EXPECT_EQ(reclen(), "開獎資料共 2163 期");
  EXPECT_EQ(rows(), 2163);
  EXPECT_EQ(rowCells(1, 0, 8),
            QStringList({"2026/08/21", "115081", "08", "14", "23", "24", "26", "47", "30"}));
  EXPECT_EQ(rowCells(1, 10, 15), QStringList({"84", "43", "34", "46", "67", "346"}));
  EXPECT_EQ(rowCells(2163, 0, 1), QStringList({"2007/01/02", "096001"}));
  EXPECT_EQ(heading(0), "開獎日期");
  EXPECT_EQ(heading(2), "一落");
  EXPECT_EQ(heading(15), "特尾");
  // Row 1 is in the panel.
  EXPECT_EQ(dlg->findChild<QDateEdit*>("isd")->date(), QDate(2026, 8, 21));
  EXPECT_EQ(field("isno")->text(), "115081");
  EXPECT_EQ(field("isn1")->text(), "08");
  EXPECT_EQ(field("isn7")->text(), "30");
  EXPECT_TRUE(dlg->findChild<QToolButton*>("SpeedButton1")->isEnabled());  // the text download is attached
  EXPECT_FALSE(dlg->findChild<QToolButton*>("SpeedButton4")->isVisibleTo(dlg));
}

TEST_F(RecordEditorTest, FieldChecksOnLeavingAField) {
  start();
  const std::string before = file();
  struct Case {
    const char* field;
    QString typed;
    QString shown;
    QString message;
  };
  const Case cases[] = {
      {"isn3", "7", "07", ""},       {"isn3", "50", "", "資料超出範圍"}, {"isn3", "0", "", "資料超出範圍"},
      {"isn3", "123", "", "資料錯誤"}, {"isn3", "ab", "", "資料錯誤"},     {"isn7", "+9", "09", ""},
      {"isno", "12345", "", "資料長度錯誤"},
  };
  for (const auto& c : cases) {
    platform.messages.shown.clear();
    enter(c.field, c.typed);
    EXPECT_EQ(field(c.field)->text(), c.shown) << c.typed.toStdString();
    if (c.message.isEmpty()) {
      EXPECT_TRUE(platform.messages.shown.empty()) << c.typed.toStdString();
    } else {
      ASSERT_EQ(platform.messages.shown.size(), 1u) << c.typed.toStdString();
      EXPECT_EQ(platform.messages.shown[0].text, c.message);
      EXPECT_EQ(platform.messages.shown[0].icon, ui::Icon::Error);
      EXPECT_EQ(platform.messages.shown[0].buttons, ui::Buttons::Yes);
    }
  }
  // The draw number was emptied, so the save refuses.
  platform.messages.shown.clear();
  click("SpeedButton6");
  EXPECT_EQ(messages(), QStringList({"儲存失敗,資料有誤"}));
  EXPECT_EQ(file(), before);
}

TEST_F(RecordEditorTest, SavingUnchangedDrawsRewritesTheFileAsItWas) {
  struct Case {
    bool markSix;
    const char* file;
    int lines;
    QString count;
  };
  // The Mark Six file holds 4,288 draws of which the table keeps 3,000.
  const Case cases[] = {{false, "RK8e49.txt", 2163, "開獎資料共 2163 期"},
                        {true, "hkmark6.txt", 4288, "開獎資料共 3000 期"}};
  for (const auto& c : cases) {
    start(c.markSix);
    EXPECT_EQ(dlg->windowTitle(), c.markSix ? "開獎紀錄  六合彩" : "開獎紀錄  大樂透");
    const std::string before = file(c.file);
    ASSERT_EQ(lineCount(before), c.lines);
    click("SpeedButton6");
    ASSERT_EQ(messages(), QStringList({"儲存開獎資料到檔案?  請再一次確認!"}));
    EXPECT_EQ(platform.messages.shown[0].icon, ui::Icon::Warning);
    EXPECT_EQ(platform.messages.shown[0].buttons, ui::Buttons::YesNo);
    EXPECT_TRUE(file(c.file) == before) << c.file;
    EXPECT_EQ(reclen(), c.count);
    TearDown();
    w = {};
    platform.messages.shown.clear();
  }
}

TEST_F(RecordEditorTest, AddedDrawIsSavedAsTheNewestLine) {
  start();
  selectRow(3);
  const QStringList oldRow3 = rowCells(3, 0, 8);
  click("SpeedButton5");
  EXPECT_EQ(rows(), 2164);
  QStringList expectNew = {"2026/12/10"};
  for (int c = 1; c < 16; ++c) expectNew << "";
  EXPECT_EQ(rowCells(3, 0, 15), expectNew);
  EXPECT_EQ(rowCells(4, 0, 8), oldRow3);
  EXPECT_EQ(field("isno")->text(), "");
  EXPECT_EQ(dlg->findChild<QDateEdit*>("isd")->date(), QDate(2026, 12, 10));

  const std::string before = file();
  click("SpeedButton6");
  EXPECT_EQ(messages(), QStringList({"儲存失敗,資料有誤"}));
  EXPECT_EQ(file(), before);

  enterDraw("115099", kSeven);
  click("SpeedButton6");
  const std::string after = file();
  EXPECT_EQ(lineCount(after), 2164);
  EXPECT_EQ(firstLine(after), "2026/12/10,115099,01,02,03,04,05,06,07");
  EXPECT_EQ(after.substr(40), before);  // every older line as it was
  EXPECT_EQ(reclen(), "開獎資料共 2164 期");
  EXPECT_EQ(rowCells(1, 0, 1), QStringList({"2026/12/10", "115099"}));
  EXPECT_EQ(rowCells(1, 10, 15), QStringList({"12", "23", "34", "45", "56", "345"}));
  // The main window shows the new draw at once.
  EXPECT_EQ(w.main->findChild<QLabel*>("lb_data1")->text(), "期數:115099");
  dlg->findChild<QPushButton*>("BitBtn1")->click();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(w.main->findChild<QLabel*>("lb_data1")->text(), "期數:115099");
  EXPECT_EQ(w.main->table().count, 2164);
}

TEST_F(RecordEditorTest, SortedBallsAreOnlyShown) {
  start();
  click("SpeedButton3");
  EXPECT_EQ(rowCells(12, 2, 7), QStringList({"10", "25", "34", "36", "45", "46"}));
  QStringList sortedHeadings;
  for (int c = 2; c <= 7; ++c) sortedHeadings << heading(c);
  EXPECT_EQ(sortedHeadings, QStringList({"順一", "順二", "順三", "順四", "順五", "順六"}));
  // The panel still holds the drawn order.
  selectRow(12);
  EXPECT_EQ(field("isn1")->text(), "46");
  click("SpeedButton6");
  const std::string after = file();
  EXPECT_NE(after.find("2026/07/14,115070,46,36,45,34,25,10,07\r\n"), std::string::npos);
  EXPECT_EQ(heading(2), "一落");
  EXPECT_EQ(rowCells(12, 2, 7), QStringList({"46", "36", "45", "34", "25", "10"}));

  click("SpeedButton3");
  click("SpeedButton12");
  EXPECT_EQ(heading(2), "一落");
  EXPECT_EQ(cell(12, 2), "46");
}

TEST_F(RecordEditorTest, OrderButtonsKeepUnsavedEdits) {
  start();
  click("SpeedButton5");  // a new row 1
  dlg->findChild<QDateEdit*>("isd")->setDate(QDate(2026, 8, 25));
  EXPECT_EQ(cell(1, 0), "2026/08/25");
  enterDraw("115082", kSeven);
  click("SpeedButton11");
  EXPECT_EQ(rowCells(1, 0, 1), QStringList({"2007/01/02", "096001"}));
  // The new row sorts last and stays selected; what was typed stays in the panel.
  EXPECT_EQ(cell(2164, 0), "2026/08/25");
  EXPECT_EQ(sgl->currentIndex().row() + 1, 2164);
  EXPECT_EQ(field("isno")->text(), "115082");
  click("SpeedButton9");
  EXPECT_EQ(cell(2, 1), "115081");
  click("SpeedButton6");
  EXPECT_EQ(firstLine(file()), "2026/08/25,115082,01,02,03,04,05,06,07");
  EXPECT_EQ(rowCells(1, 0, 2), QStringList({"2026/08/25", "115082", "01"}));
}

TEST_F(RecordEditorTest, AnUnfilledRowBlocksTheSaveAndIsSelected) {
  start();
  selectRow(2);
  click("SpeedButton5");
  click("SpeedButton5");  // rows 2 and 3 are new; row 2 is selected
  enterDraw("115099", kSeven);
  const std::string before = file();
  click("SpeedButton6");
  EXPECT_EQ(messages(), QStringList({"儲存失敗,資料有誤"}));
  EXPECT_EQ(file(), before);
  EXPECT_EQ(sgl->currentIndex().row() + 1, 3);
  EXPECT_EQ(field("isno")->text(), "");
  EXPECT_EQ(rowCells(2, 1, 2), QStringList({"115099", "01"}));  // the entry is kept
}

TEST_F(RecordEditorTest, RefusedOrFailedWritesLeaveTheFile) {
  start();
  selectRow(1);
  enter("isn1", "09");
  const std::string before = file();
  platform.messages.script = {ui::Answer::No};
  click("SpeedButton6");
  EXPECT_EQ(messages(), QStringList({"儲存開獎資料到檔案?  請再一次確認!"}));
  EXPECT_EQ(file(), before);
  EXPECT_EQ(cell(1, 2), "09");  // the grid keeps the edit
  EXPECT_EQ(w.main->findChild<QLabel*>("lb_data2")->text(), "號碼(落球):08,14,23,24,26,47,30");

  platform.messages.shown.clear();
  ::chmod((platform.dir() / "RK8e49.txt").c_str(), 0444);
  click("SpeedButton6");
  EXPECT_EQ(messages(), QStringList({"儲存開獎資料到檔案?  請再一次確認!", "請檢查檔案是否受損或唯讀設定", "儲存失敗"}));
  EXPECT_EQ(platform.messages.shown[2].icon, ui::Icon::Error);
  EXPECT_EQ(file(), before);
  EXPECT_EQ(w.main->findChild<QLabel*>("lb_data2")->text(), "號碼(落球):08,14,23,24,26,47,30");
}

TEST_F(RecordEditorTest, AddingToAFullMarkSixTableKeepsTheOldestDraws) {
  start(true);
  const std::string before = file("hkmark6.txt");
  click("SpeedButton5");
  enterDraw("026001", kSeven);
  click("SpeedButton6");
  const std::string after = file("hkmark6.txt");
  EXPECT_EQ(lineCount(after), 4289);
  EXPECT_EQ(firstLine(after), "2026/12/10,026001,01,02,03,04,05,06,07");
  EXPECT_EQ(after.substr(40), before);
  // The reload keeps the newest 3,000, the new draw among them.
  EXPECT_EQ(reclen(), "開獎資料共 3000 期");
  EXPECT_EQ(cell(1, 1), "026001");
  EXPECT_EQ(w.main->table().count, 3000);
}

TEST_F(RecordEditorTest, EmptyHistory) {
  w = createAppWindows();
  w.main->show();
  openEditor();
  EXPECT_EQ(rows(), 0);
  EXPECT_EQ(reclen(), "開獎資料共 0 期");
  click("SpeedButton7");
  dlg->findChild<QDateEdit*>("isd")->setDate(QDate(2026, 1, 5));
  click("SpeedButton6");
  EXPECT_EQ(messages(), QStringList({"儲存失敗,資料有誤"}));
  EXPECT_EQ(file(), "");
  click("SpeedButton5");
  dlg->findChild<QDateEdit*>("isd")->setDate(QDate(2026, 1, 5));
  enterDraw("115001", kSeven);
  click("SpeedButton6");
  EXPECT_EQ(file(), crlf({"2026/01/05,115001,01,02,03,04,05,06,07"}));
  EXPECT_EQ(reclen(), "開獎資料共 1 期");
  // Deleting the only row leaves none; the next save has nothing to write.
  click("SpeedButton7");
  EXPECT_EQ(rows(), 0);
}

TEST_F(RecordEditorTest, PrintHelpAndDownloadButtons) {
  start();
  platform.printPreview.pdf = platform.dir() / "print.pdf";
  click("SpeedButton13");
  ASSERT_EQ(platform.printPreview.calls, 1);
  ASSERT_EQ(platform.printPreview.lines.size(), 2164);
  EXPECT_EQ(platform.printPreview.lines[0],
            "開獎日期 期  數 一落 二落 三落 四落 五落 六落 特號 台一 台二 台三 台四 台五 特尾");
  EXPECT_EQ(platform.printPreview.lines[1], "2026/08/21 115081 08 14 23 24 26 47 30 84 43 34 46 67 346");
  EXPECT_GT(std::filesystem::file_size(platform.printPreview.pdf), 0u);
  auto* menuPrint = sgl->findChild<QAction*>("mnuPrint");
  ASSERT_NE(menuPrint, nullptr);
  EXPECT_EQ(menuPrint->text(), "列印開獎資料");
  menuPrint->trigger();
  EXPECT_EQ(platform.printPreview.calls, 2);

  click("SpeedButton10");
  EXPECT_EQ(messages(), QStringList({"說明檔 help_record.txt 不存在"}));

  int downloads = 0;
  w.record->setTextDownloadHook([&] { ++downloads; });
  auto* download = dlg->findChild<QToolButton*>("SpeedButton1");
  EXPECT_TRUE(download->isEnabled());
  download->click();
  EXPECT_EQ(downloads, 1);
}

TEST_F(RecordEditorTest, ClosingReloadsFromTheFileAndDropsUnsavedRows) {
  start();
  selectRow(5);
  click("SpeedButton5");
  click("SpeedButton7");
  click("SpeedButton7");  // two draws gone from the grid, never saved
  // Another writer adds a draw meanwhile; the reload on closing picks it up.
  const std::string newer = "2026/08/25,115082,01,02,03,04,05,06,07";
  writeBytes(platform.dir() / "RK8e49.txt", crlf({newer}) + file());
  dlg->findChild<QPushButton*>("BitBtn1")->click();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(w.main->findChild<QLabel*>("lb_data1")->text(), "期數:115082");
  EXPECT_EQ(w.main->table().count, 2164);

  openEditor();
  EXPECT_EQ(rows(), 2164);
  EXPECT_EQ(sgl->currentIndex().row(), 0);
  EXPECT_EQ(field("isno")->text(), "115082");
  EXPECT_EQ(rowCells(6, 0, 1), QStringList({"2026/08/07", "115077"}));  // deleted, not saved
}

TEST_F(RecordEditorTest, TheMainWindowsReloadRefillsTheGrid) {
  start();
  click("SpeedButton5");
  w.main->findChild<QRadioButton*>("rb_mark6")->click();
  EXPECT_EQ(dlg->windowTitle(), "開獎紀錄  六合彩");
  EXPECT_EQ(rows(), 3000);
  EXPECT_EQ(reclen(), "開獎資料共 3000 期");
  EXPECT_EQ(rowCells(1, 0, 1), QStringList({"2025/12/28", "025134"}));
}
