#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/windows.h"
#include "history/Unit_RK_main.h"
#include "support/fake_platform.h"

using testing_support::crlf;
using testing_support::FakePlatform;
using testing_support::readBytes;
using testing_support::writeBytes;

namespace {

const std::string kOld = "2026/08/18,115080,01,14,25,27,29,43,02";
const std::string kNew = "2026/08/21,115081,08,14,23,24,26,47,30";

class ManualEntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeBytes(platform.dir() / "RK8e49.txt", crlf({kOld}));
    w = createAppWindows();
    w.main->show();
    QTest::mouseClick(w.main->findChild<QWidget*>("Label4"), Qt::LeftButton);
    dlg = w.main->findChild<QDialog*>("Form_RK_stk_txtfile");
    ASSERT_NE(dlg, nullptr);
    memo = dlg->findChild<QPlainTextEdit*>("Memo1");
  }
  void TearDown() override { delete w.main; }
  void save() { dlg->findChild<QPushButton*>("Button1")->click(); }
  QString latest() { return w.main->findChild<QLabel*>("lb_data1")->text(); }

  FakePlatform platform;
  AppWindows w;
  QDialog* dlg = nullptr;
  QPlainTextEdit* memo = nullptr;
};

}  // namespace

TEST_F(ManualEntryTest, OpensWithTheFileAndTheGameTexts) {
  EXPECT_TRUE(dlg->isVisible());
  // Before the first game switch the game name is empty, so both texts start with a blank.
  EXPECT_EQ(dlg->windowTitle(), " RK8e49.txt 手動輸入資料");
  EXPECT_EQ(dlg->findChild<QLabel*>("Label1")->text(), " 開獎資料");
  EXPECT_EQ(memo->toPlainText().toStdString(), kOld + "\n");
}

TEST_F(ManualEntryTest, SavingANewDrawMakesItTheNewest) {
  memo->setPlainText(QString::fromStdString(kOld + "\n" + kNew));
  save();
  EXPECT_EQ(readBytes(platform.dir() / "RK8e49.txt"), crlf({kOld, kNew}));
  EXPECT_EQ(platform.messages.texts().last(), " RK8e49.txt 手動輸入資料 檔案儲存完成");
  EXPECT_EQ(platform.messages.shown.back().icon, ui::Icon::Information);
  EXPECT_EQ(latest(), "期數:115081");
  EXPECT_FALSE(dlg->isVisible());
}

TEST_F(ManualEntryTest, AnEmptyLineIsSavedAndEndsTheNextLoad) {
  memo->setPlainText(QString::fromStdString(kOld + "\n\n" + kNew));
  save();
  EXPECT_EQ(readBytes(platform.dir() / "RK8e49.txt"), crlf({kOld, "", kNew}));
  EXPECT_EQ(w.main->table().count, 1);
  EXPECT_EQ(latest(), "期數:115080");
}

TEST_F(ManualEntryTest, SavingAnEmptyMemoEmptiesTheFile) {
  memo->clear();
  save();
  EXPECT_EQ(readBytes(platform.dir() / "RK8e49.txt"), "");
  EXPECT_EQ(w.main->table().count, 0);
  EXPECT_EQ(latest(), "期數:");
}

TEST_F(ManualEntryTest, TextWithoutBig5FormIsRefusedAndTheWindowStays) {
  memo->setPlainText(QString::fromStdString(kOld + "\n" + kNew + " 😀"));
  save();
  EXPECT_EQ(readBytes(platform.dir() / "RK8e49.txt"), crlf({kOld}));
  ASSERT_FALSE(platform.messages.shown.empty());
  EXPECT_EQ(platform.messages.shown.back().icon, ui::Icon::Error);
  EXPECT_TRUE(platform.messages.texts().last().contains("第 2 行"));
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_TRUE(memo->toPlainText().contains("115081"));
}

// A failed save once closed the window silently, throwing the typing away.
TEST_F(ManualEntryTest, AFailedSaveSaysWhyAndKeepsTheTypedText) {
  ::chmod((platform.dir() / "RK8e49.txt").c_str(), 0444);
  memo->setPlainText(QString::fromStdString(kOld + "\n" + kNew));
  save();
  EXPECT_EQ(readBytes(platform.dir() / "RK8e49.txt"), crlf({kOld}));
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].icon, ui::Icon::Error);
  EXPECT_EQ(platform.messages.shown[0].text, "無法寫入檔案 RK8e49.txt：檔案設為唯讀，檔案未儲存。");
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(memo->toPlainText().toStdString(), kOld + "\n" + kNew);
  EXPECT_EQ(latest(), "期數:115080");  // no reload
}

TEST_F(ManualEntryTest, AReadOnlyFolderStillTakesTheSave) {
  ::chmod(platform.dir().c_str(), 0555);
  memo->setPlainText(QString::fromStdString(kOld + "\n" + kNew));
  save();
  ::chmod(platform.dir().c_str(), 0755);
  EXPECT_EQ(readBytes(platform.dir() / "RK8e49.txt"), crlf({kOld, kNew}));
  EXPECT_EQ(latest(), "期數:115081");
  EXPECT_FALSE(dlg->isVisible());
}

// A mistyped draw saved with "檔案儲存完成" used to vanish without a word.
TEST_F(ManualEntryTest, ADrawLeftOutByTheReloadIsNamedInTheConfirmation) {
  memo->setPlainText(QString::fromStdString(kOld + "\n" + "2026/08/21,115081,08,14,23,24,26,74,30"));
  save();
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].icon, ui::Icon::Warning);
  EXPECT_EQ(platform.messages.shown[0].text,
            " RK8e49.txt 手動輸入資料 檔案儲存完成\n另有 1 行未載入，第一筆在檔案第 2 行（格式不符 1 行）");
  EXPECT_EQ(w.main->findChild<QLabel*>("lb_loadStatus")->text(),
            "RK8e49.txt  已載入 1 期；另有 1 行未載入，第一筆在檔案第 2 行（格式不符 1 行）");
  EXPECT_EQ(latest(), "期數:115080");
}

TEST_F(ManualEntryTest, ClosingWithoutSavingChangesNothing) {
  memo->setPlainText(QString::fromStdString(kNew));
  dlg->reject();
  EXPECT_EQ(readBytes(platform.dir() / "RK8e49.txt"), crlf({kOld}));
  EXPECT_EQ(latest(), "期數:115080");
}

// A file that cannot be read once opened an empty editor, whose 儲存 then
// replaced the whole history with nothing.
TEST(ManualEntry, AnUnreadableFileDoesNotOpenTheEditor) {
  FakePlatform platform;
  AppWindows w = createAppWindows();
  w.main->show();
  std::filesystem::remove(platform.dir() / "RK8e49.txt");
  std::filesystem::create_directory(platform.dir() / "RK8e49.txt");
  platform.messages.shown.clear();
  QTest::mouseClick(w.main->findChild<QWidget*>("Label5"), Qt::LeftButton);
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown[0].icon, ui::Icon::Error);
  EXPECT_EQ(platform.messages.shown[0].text, "無法讀取檔案 RK8e49.txt：這是一個資料夾");
  auto* dlg = w.main->findChild<QDialog*>("Form_RK_stk_txtfile");
  EXPECT_TRUE(dlg == nullptr || !dlg->isVisible());
  delete w.main;
}

TEST(ManualEntry, MarkSixReadsAndWritesItsOwnFile) {
  FakePlatform platform;
  const std::string m6 = "2025/12/28,025134,01,12,23,34,45,46,07";
  writeBytes(platform.dir() / "hkmark6.txt", crlf({m6}));
  writeBytes(platform.dir() / "RK8e49.txt", crlf({kOld}));
  AppWindows w = createAppWindows();
  w.main->show();
  w.main->findChild<QRadioButton*>("rb_mark6")->click();
  QTest::mouseClick(w.main->findChild<QWidget*>("Label4"), Qt::LeftButton);
  auto* dlg = w.main->findChild<QDialog*>("Form_RK_stk_txtfile");
  ASSERT_NE(dlg, nullptr);
  EXPECT_EQ(dlg->windowTitle(), "六合彩 hkmark6.txt 手動輸入資料");
  auto* memo = dlg->findChild<QPlainTextEdit*>("Memo1");
  EXPECT_EQ(memo->toPlainText().toStdString(), m6 + "\n");
  const std::string next = "2025/12/30,025135,02,13,24,35,41,44,09";
  memo->setPlainText(QString::fromStdString(m6 + "\n" + next));
  dlg->findChild<QPushButton*>("Button1")->click();
  EXPECT_EQ(readBytes(platform.dir() / "hkmark6.txt"), crlf({m6, next}));
  EXPECT_EQ(readBytes(platform.dir() / "RK8e49.txt"), crlf({kOld}));
  EXPECT_EQ(w.main->findChild<QLabel*>("lb_data1")->text(), "期數:025135");
  delete w.main;
}
