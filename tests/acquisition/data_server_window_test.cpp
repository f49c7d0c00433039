#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/windows.h"
#include "history/Unit_RK_main.h"
#include "support/fake_platform.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

class DataServerWindowTest : public ::testing::Test {
 protected:
  void start() {
    w = createAppWindows();
    w.main->show();
  }
  void restart() {
    delete w.main;
    start();
  }
  void TearDown() override { delete w.main; }

  QDialog* open() {
    w.main->command("ftpip")->trigger();
    auto* dlg = w.main->findChild<QDialog*>("Form_rk_FtpServerIP");
    EXPECT_TRUE(dlg && dlg->isVisible());
    return dlg;
  }
  QString shown() { return open()->findChild<QLabel*>("Label2")->text(); }
  // Types the four parts and confirms; `answer` answers the question.
  void confirm(const QStringList& parts, ui::Answer answer = ui::Answer::Yes) {
    QDialog* dlg = open();
    for (int i = 0; i < 4; ++i) dlg->findChild<QLineEdit*>(qPrintable(QStringLiteral("Edit%1").arg(i + 1)))->setText(parts[i]);
    platform.messages.shown.clear();
    platform.messages.script = {answer};
    dlg->findChild<QPushButton*>("Button2")->click();
  }
  // The URL the text download asks for: shows which address is in use.
  QString downloadUrl() {
    platform.http.calls.clear();
    w.main->command("lotto_record")->trigger();
    w.main->findChild<QDialog*>("Form_rk_lotto_record")->findChild<QToolButton*>("SpeedButton1")->click();
    w.main->findChild<QDialog*>("Form_Download_TxT_from_http")->findChild<QPushButton*>("Button1")->click();
    return platform.http.urls().value(0);
  }
  std::string file(const char* name = "FtpServerIp.txt") { return readBytes(platform.dir() / name); }

  FakePlatform platform;
  AppWindows w;
};

TEST_F(DataServerWindowTest, ConfirmedAddressIsStoredShownAndUsedAfterARestart) {
  start();
  EXPECT_EQ(w.main->findChild<QDialog*>("Form_rk_FtpServerIP")->windowTitle(), "資料下載伺服器位址");
  // No file yet: the default is shown and nothing is created.
  EXPECT_EQ(shown(), "127.0.0.1");
  EXPECT_FALSE(fs::exists(platform.dir() / "FtpServerIp.txt"));
  EXPECT_EQ(downloadUrl(), "http://127.0.0.1/txtftp/RK8e49.txt");

  confirm({" 10", "0", "0 ", "1"});
  EXPECT_EQ(platform.messages.texts(), QStringList({"請確定新的IP為 10.0.0.1", "新IP設定完成"}));
  EXPECT_EQ(platform.messages.shown[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(file(), "10.0.0.1\r\n");
  EXPECT_EQ(shown(), "10.0.0.1");
  EXPECT_EQ(downloadUrl(), "http://10.0.0.1/txtftp/RK8e49.txt");

  restart();
  EXPECT_EQ(shown(), "10.0.0.1");
  EXPECT_EQ(downloadUrl(), "http://10.0.0.1/txtftp/RK8e49.txt");

  // Letters are stored as typed.
  confirm({"data", "example", "org", "1:8080"});
  EXPECT_EQ(file(), "data.example.org.1:8080\r\n");
  EXPECT_EQ(shown(), "data.example.org.1:8080");
}

TEST_F(DataServerWindowTest, RefusalsLeaveFileAndAddressUnchanged) {
  writeBytes(platform.dir() / "FtpServerIp.txt", "10.0.0.1\r\n");
  start();
  EXPECT_EQ(shown(), "10.0.0.1");

  confirm({"10", "0", "  ", "2"});
  EXPECT_EQ(platform.messages.texts(), QStringList({"資料有空白錯誤"}));
  EXPECT_EQ(platform.messages.shown[0].icon, ui::Icon::Error);

  confirm({"10", "0", "0", "2"}, ui::Answer::No);
  EXPECT_EQ(platform.messages.texts(), QStringList({"請確定新的IP為 10.0.0.2"}));

  // A file that cannot be replaced: the reason, no confirmation.
  ::chmod((platform.dir() / "FtpServerIp.txt").c_str(), 0444);
  confirm({"10", "0", "0", "3"});
  ASSERT_EQ(platform.messages.texts().size(), 2);
  EXPECT_TRUE(platform.messages.texts()[1].startsWith("位址無法儲存：")) << platform.messages.texts()[1].toStdString();
  EXPECT_EQ(platform.messages.shown[1].icon, ui::Icon::Error);
  ::chmod((platform.dir() / "FtpServerIp.txt").c_str(), 0644);

  EXPECT_EQ(file(), "10.0.0.1\r\n");
  EXPECT_EQ(shown(), "10.0.0.1");
  EXPECT_EQ(downloadUrl(), "http://10.0.0.1/txtftp/RK8e49.txt");
}

TEST_F(DataServerWindowTest, FileNameIsMatchedWithoutRegardToCase) {
  writeBytes(platform.dir() / "ftpserverIP.TXT", "  10.1.1.1  \r\nignored\r\n");
  start();
  EXPECT_EQ(shown(), "10.1.1.1");
  EXPECT_EQ(downloadUrl(), "http://10.1.1.1/txtftp/RK8e49.txt");
  confirm({"10", "2", "2", "2"});
  EXPECT_EQ(file("ftpserverIP.TXT"), "10.2.2.2\r\n");
  EXPECT_FALSE(fs::exists(platform.dir() / "FtpServerIp.txt"));

  // A blank first line gives no address: the default is used and shown.
  writeBytes(platform.dir() / "ftpserverIP.TXT", "\r\n10.3.3.3\r\n");
  restart();
  EXPECT_EQ(shown(), "127.0.0.1");
  EXPECT_EQ(downloadUrl(), "http://127.0.0.1/txtftp/RK8e49.txt");
}

}  // namespace
