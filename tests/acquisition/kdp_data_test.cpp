#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include <span>

#include "acquisition/Unit_kdp_data.h"
#include "app/windows.h"
#include "history/Unit_RK_main.h"
#include "support/fake_platform.h"
#include "support/http_test_server.h"
#include "ui/curl_http.h"
#include "ui/text.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kOld = "2026/08/18,115080,01,14,25,27,29,43,02";
const std::string kNew = "2026/08/21,115081,08,14,23,24,26,47,30";
const std::string kFirst = "2007/01/02,096001,13,21,23,27,31,49,19";

const char* const kFiles[] = {"RK8e49.txt",         "hkmark6.txt",      "lotto38.txt",       "TW539.txt",
                              "RK8e49drawdate.txt", "HKM6drawdate.txt", "Weilidrawdate.txt", "TW539drawdate.txt"};

// The log of a run in which every GET succeeds and every file is stored.
const QStringList kCompleteRun = {
    "===開獎號碼下載===",
    "大樂透開獎號碼 下載OK", "大樂透開獎號碼 儲存OK", "",
    "六合彩開獎號碼 下載OK", "六合彩開獎號碼 儲存OK", "",
    "威力彩開獎號碼 下載OK", "威力彩開獎號碼 儲存OK", "",
    "今彩539開獎號碼 下載OK", "今彩539開獎號碼 儲存OK", "",
    "", "", "===開獎日期下載===",
    "大樂透開獎日期 下載OK", "大樂透開獎日期 儲存OK", "",
    "六合彩開獎日期 下載OK", "六合彩開獎日期 儲存OK", "",
    "威力彩開獎日期 下載OK", "威力彩開獎日期 儲存OK", "",
    "今彩539開獎日期 下載OK", "今彩539開獎日期 儲存OK", "",
};

// Lines of a CP950 CR LF file as the program reads them.
std::vector<std::string> reversedLines(const std::string& bytes) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    out.insert(out.begin(), bytes.substr(start, end - start));
    start = end + 2;
  }
  return out;
}

class KdpDataTest : public ::testing::Test {
 protected:
  static constexpr const char* kServer = "127.0.0.1:8080";
  static QString url(const QString& file) { return QString("http://127.0.0.1:8080/HISTORYDATA/") + file; }

  void open(const std::string& server = kServer) {
    main = new TForm_rk_main;
    main->show();
    dlg = new TForm_KDP_data(server, main);
    ui::execModal(dlg);
  }
  void TearDown() override { delete main; }

  template <class T = QWidget>
  T* find(const char* name) {
    auto* c = dlg->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  QStringList lines(const char* memo) { return ui::memoLines(find<QPlainTextEdit>(memo)); }
  QStringList log() { return lines("memo_msg"); }
  // The text of a count label and whether it shows in red.
  std::pair<QString, bool> count(const char* label) {
    QLabel* l = find<QLabel>(label);
    return {l->text(), l->palette().color(QPalette::WindowText) == QColor(Qt::red)};
  }
  void download() {
    find<QCheckBox>("cb_dLOK")->setChecked(true);
    find<QToolButton>("SpeedButton1")->click();
  }
  std::string file(const char* name) { return readBytes(platform.dir() / name); }
  QString mainText(const char* label) { return main->findChild<QLabel*>(label)->text(); }

  FakePlatform platform;
  TForm_rk_main* main = nullptr;
  TForm_KDP_data* dlg = nullptr;
};

}  // namespace

TEST_F(KdpDataTest, F2ShowsTheStoredListsWithBlackCounts) {
  copyData("hkmark6.txt", platform.dir());
  writeBytes(platform.dir() / "RK8e49.txt", crlf({kNew, kOld, ""}));
  fs::copy_file(dataFile("history/HKM6drawdate.txt"), platform.dir() / "HKM6drawdate.txt");
  AppWindows w = createAppWindows();
  w.main->show();
  w.main->command("lt_record")->trigger();
  dlg = w.main->findChild<TForm_KDP_data*>("Form_KDP_data");
  ASSERT_NE(dlg, nullptr);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(dlg->windowTitle(), "開獎資料");
  // The memo holds the file as it stands, blank line included, and counts it.
  EXPECT_EQ(lines("Memo_txt1"), (QStringList{ui::qs(kNew), ui::qs(kOld), ""}));
  EXPECT_EQ(count("Label1"), std::make_pair(QString("共 3 期"), false));
  EXPECT_EQ(count("Label2"), std::make_pair(QString("共 4,288 期"), false));
  EXPECT_EQ(count("Label4"), std::make_pair(QString("共 0 期"), false));
  EXPECT_EQ(count("Label5"), std::make_pair(QString("共 0 期"), false));
  EXPECT_EQ(lines("Memo_D2"), (QStringList{"六合彩攪珠日期", "2026/08/23 (日) 第115082期",
                                            "2026/08/26 (三) 第115083期", "2026/08/28 (五) 第115084期"}));
  EXPECT_TRUE(lines("Memo_d1").isEmpty());
  EXPECT_TRUE(log().isEmpty());
  EXPECT_FALSE(find<QListWidget>("clb_txt1")->isVisible());
  EXPECT_FALSE(find<QPushButton>("Button1")->isVisible());
  EXPECT_EQ(find<QPushButton>("Button1")->text(), "按這裡下載");

  // It asks the history server the program was built for, file by file.
  download();
  ASSERT_EQ(platform.http.calls.size(), 8u);
  for (std::size_t i = 0; i < 8; ++i) {
    const QString u = platform.http.calls[i].url;
    EXPECT_TRUE(u.startsWith("http://") && u.endsWith(QString("/HISTORYDATA/") + kFiles[i])) << u.toStdString();
    EXPECT_EQ(u.section('/', 2, 2), platform.http.calls[0].url.section('/', 2, 2));
  }
  delete w.main;
}

TEST_F(KdpDataTest, NothingHappensWithoutTheConfirmationTick) {
  writeBytes(platform.dir() / "RK8e49.txt", crlf({kOld}));
  open();
  struct Case {
    const char* button;
    QString message;
  } cases[] = {{"SpeedButton1", "請先將【確認】打勾"},
               {"Button1", "請先將【確認】打勾"},
               {"Button3", "請先將【確認手動存檔】打勾"}};
  for (const auto& c : cases) {
    platform.messages.shown.clear();
    find<QPlainTextEdit>("Memo_txt1")->setPlainText(ui::qs(kNew));
    QMetaObject::invokeMethod(find(c.button), "click");
    ASSERT_EQ(platform.messages.texts(), QStringList{c.message}) << c.button;
    EXPECT_EQ(platform.messages.shown[0].icon, ui::Icon::Information);
    EXPECT_EQ(lines("Memo_txt1"), QStringList{ui::qs(kNew)}) << c.button;
  }
  EXPECT_TRUE(platform.http.calls.empty());
  EXPECT_EQ(file("RK8e49.txt"), crlf({kOld}));
}

TEST_F(KdpDataTest, DownloadFromARealServerStoresEveryFileAndLeavesTheMainWindowAlone) {
  TempDir root;
  populateHistoryData(root.path());
  HttpTestServer server(root.path());
  ASSERT_TRUE(server.running());
  ui::CurlHttpClient curl;
  ui::platform().http = &curl;

  writeBytes(platform.dir() / "RK8e49.txt", crlf({kOld}));
  open(server.host().toStdString());
  ASSERT_EQ(mainText("lb_data1"), "期數:115080");
  download();

  EXPECT_EQ(log(), kCompleteRun);
  EXPECT_EQ(count("Label1"), std::make_pair(QString("已下載共 2,163 期"), true));
  EXPECT_EQ(count("Label2"), std::make_pair(QString("已下載共 4,288 期"), true));
  EXPECT_EQ(count("Label4"), std::make_pair(QString("已下載共 3 期"), true));
  EXPECT_EQ(count("Label5"), std::make_pair(QString("已下載共 4 期"), true));
  EXPECT_FALSE(find<QCheckBox>("cb_dLOK")->isChecked());

  // The served files hold each draw once, newest first: stored, they are the
  // same lines oldest first.
  const std::string big = file("RK8e49.txt");
  EXPECT_EQ(big, crlf(reversedLines(readBytes(dataFile("RK8e49.txt")))));
  EXPECT_EQ(big.substr(0, 40), kFirst + "\r\n");
  EXPECT_EQ(big.substr(big.size() - 40), kNew + "\r\n");
  EXPECT_EQ(file("hkmark6.txt"), crlf(reversedLines(readBytes(dataFile("hkmark6.txt")))));
  EXPECT_EQ(file("TW539.txt"), crlf({"2026/08/18,115197,01,12,19,25,31", "2026/08/19,115198,07,09,21,28,36",
                                     "2026/08/20,115199,02,14,18,26,33", "2026/08/21,115200,05,11,23,30,39"}));
  for (const char* name : {"RK8e49drawdate.txt", "HKM6drawdate.txt", "Weilidrawdate.txt", "TW539drawdate.txt"})
    EXPECT_EQ(file(name), readBytes(dataFile(std::string("history/") + name))) << name;
  EXPECT_EQ(lines("Memo_txt1").first(), ui::qs(kFirst));
  EXPECT_EQ(find<QListWidget>("clb_txt1")->count(), 2163);
  EXPECT_EQ(find<QListWidget>("clb_txt1")->item(2162)->text(), ui::qs(kNew));
  EXPECT_EQ(lines("Memo_D4"), (QStringList{"2026/08/24", "2026/08/27"}));

  // The DrawTable is left to the next reload.
  EXPECT_EQ(mainText("lb_data1"), "期數:115080");
  main->findChild<QRadioButton*>("rb_mark6")->click();
  main->findChild<QRadioButton*>("rb_biglotto")->click();
  EXPECT_EQ(mainText("lb_data"), "日期:2026/08/21");
  EXPECT_EQ(mainText("lb_data1"), "期數:115081");
  EXPECT_EQ(mainText("lb_data2"), "號碼(落球):08,14,23,24,26,47,30");

  // Closed and shown again: black counts of the stored files, an empty log.
  find<QPushButton>("BitBtn2")->click();
  EXPECT_FALSE(dlg->isVisible());
  ui::execModal(dlg);
  EXPECT_EQ(count("Label1"), std::make_pair(QString("共 2,163 期"), false));
  EXPECT_EQ(count("Label2"), std::make_pair(QString("共 4,288 期"), false));
  EXPECT_TRUE(log().isEmpty());
}

TEST_F(KdpDataTest, UnreachableServerKeepsEveryFileAndShowsStoredCounts) {
  // Files as a user has them; the fake answers nothing (a refused connection).
  for (const char* name : kFiles) writeBytes(platform.dir() / name, crlf({kOld}));
  writeBytes(platform.dir() / "hkmark6.txt", crlf({kOld, kNew}));
  open();
  // A first run brings Big Lotto only, so its label turns red...
  platform.http.serve(url("RK8e49.txt"), QByteArray::fromStdString(crlf({kNew, kOld, kFirst})));
  download();
  EXPECT_EQ(count("Label1"), std::make_pair(QString("已下載共 3 期"), true));
  EXPECT_EQ(count("Label2"), std::make_pair(QString("共 2 期"), false));
  const std::string big = file("RK8e49.txt");
  ASSERT_EQ(big, crlf({kFirst, kOld, kNew}));

  // ...and a second run that brings nothing must not leave that count standing.
  platform.http.responses.clear();
  platform.http.calls.clear();
  find<QPlainTextEdit>("Memo_d1")->setPlainText("edited");
  download();
  QStringList expected;
  for (const char* game : {"大樂透", "六合彩", "威力彩", "今彩539"})
    expected << QString(game) + "開獎號碼 下載失敗" << QString(game) + "開獎號碼 儲存失敗" << "";
  expected.prepend("===開獎號碼下載===");
  expected << "" << "" << "===開獎日期下載===";
  for (const char* game : {"大樂透", "六合彩", "威力彩", "今彩539"})
    expected << QString(game) + "開獎日期 下載失敗" << QString(game) + "開獎日期 儲存失敗" << "";
  EXPECT_EQ(log(), expected);
  EXPECT_EQ(file("RK8e49.txt"), big);
  EXPECT_EQ(file("hkmark6.txt"), crlf({kOld, kNew}));
  for (const char* name : std::span(kFiles).subspan(2)) EXPECT_EQ(file(name), crlf({kOld})) << name;
  EXPECT_EQ(count("Label1"), std::make_pair(QString("共 3 期"), false));
  EXPECT_EQ(count("Label2"), std::make_pair(QString("共 2 期"), false));
  EXPECT_EQ(lines("Memo_txt2"), (QStringList{ui::qs(kOld), ui::qs(kNew)}));
  EXPECT_EQ(lines("Memo_d1"), QStringList{"edited"});  // the old date memo is not rewritten
  EXPECT_EQ(find<QListWidget>("clb_txt1")->count(), 0);

  // Eight GETs, one per file, each waiting at most 20 s.
  ASSERT_EQ(platform.http.calls.size(), 8u);
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(platform.http.calls[i].url, url(kFiles[i]));
    EXPECT_EQ(platform.http.calls[i].timeoutMs, 20000);
  }
}

TEST_F(KdpDataTest, AnErrorPageNeverReplacesADrawFile) {
  for (const char* name : kFiles) writeBytes(platform.dir() / name, crlf({kOld}));
  open();
  const QByteArray page = "<!DOCTYPE html>\r\n<html><body>Service Unavailable</body></html>\r\n";
  for (const char* name : kFiles) platform.http.serve(url(name), QByteArray::fromStdString(crlf({kNew})));
  platform.http.serve(url("RK8e49.txt"), page);
  platform.http.serve(url("TW539drawdate.txt"), page);
  platform.http.responses[url("hkmark6.txt")].status = 404;  // a list with the wrong status
  download();
  const QStringList l = log();
  ASSERT_EQ(l.size(), 28);
  EXPECT_EQ(l.mid(1, 6), (QStringList{"大樂透開獎號碼 下載失敗", "大樂透開獎號碼 儲存失敗", "",
                                       "六合彩開獎號碼 下載失敗", "六合彩開獎號碼 儲存失敗", ""}));
  EXPECT_EQ(l.mid(25, 2), (QStringList{"今彩539開獎日期 下載失敗", "今彩539開獎日期 儲存失敗"}));
  EXPECT_EQ(file("RK8e49.txt"), crlf({kOld}));
  EXPECT_EQ(file("hkmark6.txt"), crlf({kOld}));
  EXPECT_EQ(file("TW539drawdate.txt"), crlf({kOld}));
  EXPECT_EQ(file("RK8e49drawdate.txt"), crlf({kNew}));
  EXPECT_EQ(count("Label1"), std::make_pair(QString("共 1 期"), false));
}

TEST_F(KdpDataTest, ManualSaveWritesTheMemosAsShown) {
  for (const char* name : kFiles) writeBytes(platform.dir() / name, crlf({kOld}));
  copyData("hkmark6.txt", platform.dir());
  open();
  QStringList edited = lines("Memo_txt2");
  edited[1] = "2025/12/23,025133,01,02,03,04,05,06,07";
  edited << "not a draw" << "";
  ui::setMemoLines(find<QPlainTextEdit>("Memo_txt2"), edited);
  find<QPlainTextEdit>("Memo_txt4")->setPlainText("2026/08/21 😀");  // no CP950 form
  find<QCheckBox>("cb_DLOK2")->setChecked(true);
  find<QPushButton>("Button3")->click();

  EXPECT_EQ(log(), (QStringList{"", "大樂透開獎號碼 手動儲存OK", "", "六合彩開獎號碼 手動儲存OK", "",
                                "威力彩開獎號碼 手動儲存失敗", "", "今彩539開獎號碼 手動儲存OK", ""}));
  EXPECT_EQ(file("hkmark6.txt"), crlf(ui::toStd(edited)));
  EXPECT_EQ(file("lotto38.txt"), crlf({kOld}));
  for (const char* name : std::span(kFiles).subspan(4)) EXPECT_EQ(file(name), crlf({kOld})) << name;
  EXPECT_FALSE(find<QCheckBox>("cb_DLOK2")->isChecked());
  EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(KdpDataTest, ADrawFileThatCannotBeReadIsReportedAndNeverOverwritten) {
  for (const char* name : kFiles) writeBytes(platform.dir() / name, crlf({kOld}));
  fs::remove(platform.dir() / "lotto38.txt");
  fs::create_directory(platform.dir() / "lotto38.txt");
  open();
  EXPECT_EQ(platform.messages.texts(), QStringList{"無法讀取檔案 lotto38.txt：這是一個資料夾"});
  EXPECT_EQ(platform.messages.shown[0].icon, ui::Icon::Error);
  EXPECT_EQ(count("Label4"), std::make_pair(QString("共 0 期"), false));

  // Even once the folder is gone, the empty memo is not written in its place.
  fs::remove(platform.dir() / "lotto38.txt");
  find<QCheckBox>("cb_DLOK2")->setChecked(true);
  find<QPushButton>("Button3")->click();
  EXPECT_EQ(log().mid(5, 1), QStringList{"威力彩開獎號碼 手動儲存失敗"});
  EXPECT_FALSE(fs::exists(platform.dir() / "lotto38.txt"));
  EXPECT_EQ(file("RK8e49.txt"), crlf({kOld}));
}
