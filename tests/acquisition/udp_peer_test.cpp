#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QUdpSocket>
#include <gtest/gtest.h>

#include "acquisition/Unit_dl_main.h"
#include "app/windows.h"
#include "history/Unit_RK_main.h"
#include "support/fake_platform.h"
#include "ui/qt_udp.h"
#include "ui/text.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// Every file of a folder with its content.
std::map<std::string, std::string> snapshot(const fs::path& dir) {
  std::map<std::string, std::string> out;
  for (const auto& e : fs::recursive_directory_iterator(dir))
    if (e.is_regular_file()) out[e.path().string()] = readBytes(e.path());
  return out;
}

class UdpPeerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    copyData("RK8e49.txt", platform.dir());
    w = createAppWindows();
    w.main->show();
    ASSERT_TRUE(peer.bind(QHostAddress::LocalHost, 0));
    ASSERT_GT(w.dlMain->localPort(), 0);
    ASSERT_NE(w.dlMain->localPort(), 6767);
    // The test socket is the requester and the data server: answers and the
    // greeting go to its port.
    field("Edit2")->setText(QString::number(peer.localPort()));
  }
  void TearDown() override { delete w.main; }

  QLineEdit* field(const char* name) { return w.dlMain->findChild<QLineEdit*>(name); }
  QString status() { return w.dlMain->findChild<QStatusBar*>("StatusBar1")->currentMessage(); }
  QStringList log() { return ui::memoLines(w.dlMain->findChild<QPlainTextEdit*>("Memo1")); }

  void send(const QByteArray& bytes) {
    ASSERT_EQ(peer.writeDatagram(bytes, QHostAddress::LocalHost, static_cast<quint16>(w.dlMain->localPort())),
              bytes.size());
  }
  // Waits until `count` datagrams came back (or a second passed), then a
  // little longer so that a datagram too many would show.
  QList<QByteArray> receive(int count) {
    QList<QByteArray> got;
    const auto drain = [&] {
      while (peer.hasPendingDatagrams()) got << peer.receiveDatagram().data();
    };
    (void)QTest::qWaitFor([&] {
      drain();
      return got.size() >= count;
    }, 2000);
    QTest::qWait(50);
    drain();
    return got;
  }
  // Waits until the peer has logged `lines` lines.
  void waitForLog(int lines) { (void)QTest::qWaitFor([&] { return log().size() >= lines; }, 2000); }

  FakePlatform platform;
  AppWindows w;
  QUdpSocket peer;
};

using Datagrams = QList<QByteArray>;

TEST_F(UdpPeerTest, RequestsAreLoggedAndAnswered) {
  send("REQ0000");
  EXPECT_EQ(receive(3), Datagrams({"RCX", "RCV", "END"}));
  EXPECT_EQ(log(), QStringList({"127.0.0.1: REQ0000"}));
  EXPECT_EQ(status(), "Data Sent");

  // A short one is only logged; a negative one is answered as 0; beyond the
  // (empty) list: no end; a number that does not read: the end only.
  for (const char* d : {"REQ12", "REQ-999", "REQ0005", "REQ1x34", "RCVxyz", "END"}) send(d);
  EXPECT_EQ(receive(6), Datagrams({"RCX", "RCV", "END", "RCX", "RCV", "END"}));
  waitForLog(7);
  EXPECT_EQ(log(), QStringList({"127.0.0.1: REQ0000", "127.0.0.1: REQ12", "127.0.0.1: REQ-999",
                                "127.0.0.1: REQ0005", "127.0.0.1: REQ1x34", "127.0.0.1: RCVxyz", "127.0.0.1: END"}));
  EXPECT_TRUE(platform.messages.shown.empty());
}

TEST_F(UdpPeerTest, OddDatagramsAreLoggedSafelyAndChangeNothing) {
  const auto files = snapshot(platform.dir());
  const int draws = w.main->table().count;
  send("A\r\nB\xe4");
  send(QByteArray(65000, 'x'));
  waitForLog(2);
  // A stream of requests, answered batch by batch.
  int answers = 0;
  for (int batch = 0; batch < 10; ++batch) {
    for (int i = 0; i < 10; ++i) send("REQ-999");
    answers += static_cast<int>(receive(30).size());
  }
  EXPECT_EQ(answers, 300);
  waitForLog(102);
  const QStringList l = log();
  ASSERT_EQ(l.size(), 102);
  EXPECT_EQ(l[0], "127.0.0.1: A??B?");
  EXPECT_EQ(l[1], "127.0.0.1: " + QString(1024, 'x'));
  EXPECT_EQ(l[101], "127.0.0.1: REQ-999");
  EXPECT_TRUE(platform.messages.shown.empty());
  EXPECT_EQ(snapshot(platform.dir()), files);
  EXPECT_EQ(w.main->table().count, draws);

  // The log keeps the newest 1,000 lines.
  for (int i = 0; i < 1005; ++i) w.dlMain->NMUDP1DataReceived(QByteArray::number(i), "10.0.0.1", 1);
  const QStringList kept = log();
  ASSERT_EQ(kept.size(), 1000);
  EXPECT_EQ(kept.front(), "10.0.0.1: 5");
  EXPECT_EQ(kept.back(), "10.0.0.1: 1004");
}

TEST_F(UdpPeerTest, NoAnswerToABroadcastOrMulticastSender) {
  for (const char* from : {"0.0.0.0", "255.255.255.255", "224.0.0.1", "239.1.2.3"}) {
    w.dlMain->NMUDP1DataReceived("REQ0000", from, 6767);
  }
  EXPECT_EQ(status(), "");
  EXPECT_EQ(log().size(), 4);
  EXPECT_TRUE(receive(0).isEmpty());
}

TEST_F(UdpPeerTest, TheEditorsStartGreetsTheDataServer) {
  field("edit_host")->setText("192.0.2.7");
  w.main->command("lotto_record")->trigger();
  auto* editor = w.main->findChild<QDialog*>("Form_rk_lotto_record");
  auto* start = editor->findChild<QToolButton*>("SpeedButton4");
  start->click();
  EXPECT_EQ(receive(1), Datagrams({"xxx   2026/12/10 09:30:00"}));
  EXPECT_EQ(field("edit_host")->text(), "127.0.0.1");
  EXPECT_EQ(status(), "Data Sent");
  EXPECT_EQ(platform.messages.texts(), QStringList({"傳送資料中,請等候數秒鐘....."}));
  EXPECT_FALSE(start->isEnabled());

  // A data server given by name is not looked up: nothing is sent.
  w.dlMain->SendRequest("data.example.org", "xxx");
  EXPECT_EQ(platform.messages.texts().last(), "伺服器 IP 錯誤或沒有連上網路");
  EXPECT_TRUE(receive(0).isEmpty());
}

TEST_F(UdpPeerTest, APortInUseLeavesThePeerSilentWithoutABox) {
  QUdpSocket holder;
  ASSERT_TRUE(holder.bind(QHostAddress::LocalHost, 0, QAbstractSocket::DontShareAddress));
  ui::QtUdpFactory taken(QHostAddress::LocalHost, holder.localPort());
  ui::platform().udp = &taken;
  TForm_dl_main second([] { return std::string("127.0.0.1"); });
  ui::platform().udp = &platform.udp;
  EXPECT_EQ(second.localPort(), 0);
  EXPECT_NE(second.findChild<QStatusBar*>("StatusBar1")->currentMessage(), "");
  EXPECT_TRUE(platform.messages.shown.empty());
}

}  // namespace
