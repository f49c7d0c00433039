#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
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

TEST_F(ManualEntryTest, ReadOnlyFileKeepsItsContentWithoutAMessage) {
  ::chmod((platform.dir() / "RK8e49.txt").c_str(), 0444);
  memo->setPlainText(QString::fromStdString(kNew));
  save();
  EXPECT_EQ(readBytes(platform.dir() / "RK8e49.txt"), crlf({kOld}));
  EXPECT_TRUE(platform.messages.shown.empty());
  EXPECT_EQ(latest(), "期數:115080");
  EXPECT_FALSE(dlg->isVisible());
}

TEST_F(ManualEntryTest, ClosingWithoutSavingChangesNothing) {
  memo->setPlainText(QString::fromStdString(kNew));
  dlg->reject();
  EXPECT_EQ(readBytes(platform.dir() / "RK8e49.txt"), crlf({kOld}));
  EXPECT_EQ(latest(), "期數:115080");
}
