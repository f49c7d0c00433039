#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "acquisition/Unit_DLTXT_http.h"
#include "app/windows.h"
#include "history/Unit_RK_main.h"
#include "support/fake_platform.h"
#include "support/http_test_server.h"
#include "ui/curl_http.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kDrawA = "2026/08/18,115080,01,14,25,27,29,43,02";
const std::string kDrawB = "2026/08/21,115081,08,14,23,24,26,47,30";
const std::string kDrawC = "2026/08/25,115082,03,09,11,20,33,41,05";
const QString kFailed = "檔案下載失敗,請檢查網路連線是否正常或防火牆(防毒程式)設定";

class TextDownloadTest : public ::testing::Test {
 protected:
  void SetUp() override { ui::platform().http = &curl; }
  void TearDown() override { delete w.main; }

  // Starts the program with the data server at `address` and opens the text
  // download from the draw editor.
  void start(const std::string& address, bool markSix = false) {
    writeBytes(platform.dir() / "FtpServerIp.txt", address + "\r\n");
    w = createAppWindows();
    w.main->show();
    if (markSix) w.main->findChild<QRadioButton*>("rb_mark6")->click();
    w.main->command("lotto_record")->trigger();
    editor = w.main->findChild<QDialog*>("Form_rk_lotto_record");
    openDownload();
  }
  void openDownload() {
    platform.messages.shown.clear();
    editor->findChild<QToolButton*>("SpeedButton1")->click();
    dlg = w.main->findChild<QDialog*>("Form_Download_TxT_from_http");
    ASSERT_TRUE(dlg && dlg->isVisible());
  }
  QPushButton* button() { return dlg->findChild<QPushButton*>("Button1"); }
  QString reclen() { return editor->findChild<QLabel*>("lb_reclen")->text(); }
  QString latest() { return w.main->findChild<QLabel*>("lb_data1")->text(); }

  FakePlatform platform;
  ui::CurlHttpClient curl;
  AppWindows w;
  QDialog* editor = nullptr;
  QDialog* dlg = nullptr;
};

TEST_F(TextDownloadTest, MarkSixFileIsReplacedAndTheEditorFollows) {
  TempDir root;
  fs::create_directory(root.path() / "txtftp");
  copyData("hkmark6.txt", root.path() / "txtftp");
  HttpTestServer server(root.path());
  ASSERT_TRUE(server.running());
  writeBytes(platform.dir() / "hkmark6.txt", "");

  start(server.host().toStdString(), true);
  EXPECT_EQ(dlg->windowTitle(), "下載開獎資料");
  EXPECT_EQ(dlg->findChild<QLabel*>("Label2")->text(), "hkmark6.txt");
  EXPECT_EQ(reclen(), "開獎資料共 0 期");
  button()->click();

  EXPECT_EQ(platform.messages.texts(), QStringList({"下載完成,請等候5-10秒以更新資料"}));
  EXPECT_EQ(platform.messages.shown[0].icon, ui::Icon::Information);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(readBytes(platform.dir() / "hkmark6.txt"), readBytes(dataFile("hkmark6.txt")));
  EXPECT_EQ(reclen(), "開獎資料共 3000 期");
  EXPECT_EQ(latest(), "期數:025134");
  EXPECT_TRUE(button()->isEnabled());
}

TEST_F(TextDownloadTest, BlankLinesAreDroppedAndLineEndsBecomeCrLf) {
  TempDir root;
  fs::create_directory(root.path() / "txtftp");
  writeBytes(root.path() / "txtftp" / "RK8e49.txt", kDrawC + "\n\n  \n" + kDrawB + "\n" + kDrawA);
  HttpTestServer server(root.path());
  ASSERT_TRUE(server.running());
  writeBytes(platform.dir() / "RK8e49.txt", crlf({kDrawA}));

  start(server.host().toStdString());
  EXPECT_EQ(dlg->findChild<QLabel*>("Label2")->text(), "RK8e49.txt");
  button()->click();
  EXPECT_EQ(platform.messages.texts(), QStringList({"下載完成,請等候5-10秒以更新資料"}));
  EXPECT_EQ(readBytes(platform.dir() / "RK8e49.txt"), crlf({kDrawC, kDrawB, kDrawA}));
  EXPECT_EQ(reclen(), "開獎資料共 3 期");
  EXPECT_EQ(latest(), "期數:115082");
}

TEST_F(TextDownloadTest, FailedDownloadsLeaveTheFileAndCloseWithAReload) {
  struct Case {
    const char* what;
    std::function<void(const fs::path& txtftp)> serve;  // fills the served folder
    int timeoutMs = 5000;
  };
  const std::string html = "<!DOCTYPE html>\n<html><body>維護中</body></html>\n";
  const Case cases[] = {
      {"missing file (404)", [](const fs::path&) {}},
      {"an HTML page", [&](const fs::path& d) { writeBytes(d / "RK8e49.txt", html); }},
      {"one bad line", [](const fs::path& d) { writeBytes(d / "RK8e49.txt", crlf({kDrawC, "2026/08/26,115083"})); }},
      {"blank body", [](const fs::path& d) { writeBytes(d / "RK8e49.txt", "\r\n \r\n"); }},
      {"a redirect", [](const fs::path& d) { fs::create_directory(d / "RK8e49.txt"); }},
      {"over 4 MiB",
       [](const fs::path& d) {
         std::string big;
         while (big.size() <= (std::size_t{4} << 20)) big += kDrawC + "\r\n";
         writeBytes(d / "RK8e49.txt", big);
       }},
  };
  const std::string before = crlf({kDrawB, kDrawA});
  writeBytes(platform.dir() / "RK8e49.txt", before);
  start("127.0.0.1");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir root;
    fs::create_directory(root.path() / "txtftp");
    c.serve(root.path() / "txtftp");
    HttpTestServer server(root.path());
    ASSERT_TRUE(server.running());
    // Another writer adds a draw meanwhile: the close reloads the file as it is.
    const std::string now = crlf({kDrawC}) + before;
    writeBytes(platform.dir() / "RK8e49.txt", now);
    auto* tx = static_cast<TForm_Download_TxT_from_http*>(dlg);
    tx->setTimeoutMs(c.timeoutMs);
    // Point the download at this case's server through the address window.
    w.main->command("ftpip")->trigger();
    auto* ip = w.main->findChild<QDialog*>("Form_rk_FtpServerIP");
    const QStringList parts = {"127", "0", "0", QStringLiteral("1:%1").arg(server.port())};
    for (int i = 0; i < 4; ++i) ip->findChild<QLineEdit*>(qPrintable(QStringLiteral("Edit%1").arg(i + 1)))->setText(parts[i]);
    ip->findChild<QPushButton*>("Button2")->click();
    ip->close();
    openDownload();
    button()->click();
    EXPECT_EQ(platform.messages.texts(), QStringList({kFailed}));
    EXPECT_EQ(platform.messages.shown.at(0).icon, ui::Icon::Warning);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(readBytes(platform.dir() / "RK8e49.txt"), now);
    EXPECT_EQ(reclen(), "開獎資料共 3 期");
    EXPECT_TRUE(button()->isEnabled());
    writeBytes(platform.dir() / "RK8e49.txt", before);
  }
}

TEST_F(TextDownloadTest, NoAnswerRefusedOrUnusableAddressFailsTheSameWay) {
  Listener silent;  // accepts nothing, answers nothing
  ASSERT_GT(silent.port, 0);
  const std::string before = crlf({kDrawB, kDrawA});
  writeBytes(platform.dir() / "RK8e49.txt", before);
  for (const std::string& address : {"127.0.0.1:" + std::to_string(silent.port),
                                    "127.0.0.1:" + std::to_string(closedPort()), std::string("bad host.0.0.1")}) {
    SCOPED_TRACE(address);
    start(address);
    static_cast<TForm_Download_TxT_from_http*>(dlg)->setTimeoutMs(300);
    button()->click();
    EXPECT_EQ(platform.messages.texts(), QStringList({kFailed}));
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(readBytes(platform.dir() / "RK8e49.txt"), before);
    EXPECT_EQ(reclen(), "開獎資料共 2 期");
    delete w.main;
    w = {};
  }
}

TEST_F(TextDownloadTest, ReadOnlyFileKeepsTheWindowOpenAndClosingReloads) {
  TempDir root;
  fs::create_directory(root.path() / "txtftp");
  writeBytes(root.path() / "txtftp" / "RK8e49.txt", crlf({kDrawC, kDrawB, kDrawA}));
  HttpTestServer server(root.path());
  ASSERT_TRUE(server.running());
  const std::string before = crlf({kDrawA});
  writeBytes(platform.dir() / "RK8e49.txt", before);
  ::chmod((platform.dir() / "RK8e49.txt").c_str(), 0444);

  start(server.host().toStdString());
  button()->click();
  EXPECT_EQ(platform.messages.texts(), QStringList({"檔案無法寫入,磁碟可能損壞.請執行修復後再試試"}));
  EXPECT_EQ(platform.messages.shown[0].icon, ui::Icon::Warning);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_FALSE(button()->isEnabled());
  EXPECT_EQ(readBytes(platform.dir() / "RK8e49.txt"), before);
  EXPECT_EQ(reclen(), "開獎資料共 1 期");

  // Closing without a download still reloads what the file holds now.
  ::chmod((platform.dir() / "RK8e49.txt").c_str(), 0644);
  writeBytes(platform.dir() / "RK8e49.txt", crlf({kDrawB, kDrawA}));
  dlg->close();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(reclen(), "開獎資料共 2 期");
  EXPECT_EQ(latest(), "期數:115081");
  EXPECT_TRUE(button()->isEnabled());
}

}  // namespace
