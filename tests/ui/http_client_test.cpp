#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <thread>

#include "core/acquisition/history_download.h"
#include "support/http_test_server.h"
#include "support/temp_dir.h"
#include "ui/curl_http.h"
#include "ui/qt_platform.h"

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

class HttpClientTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    root = new TempDir;
    populateHistoryData(root->path());
    const fs::path dir = root->path() / "HISTORYDATA";
    writeBytes(dir / "page.html", "<!DOCTYPE html>\n<html><body>維護中</body></html>\n");
    fs::create_directory(dir / "folder.txt");
    writeBytes(dir / "hundred.txt", std::string(100, 'x'));
    writeBytes(dir / "hundred-and-one.txt", std::string(101, 'x'));
    server = new HttpTestServer(root->path());
  }
  static void TearDownTestSuite() {
    delete server;
    delete root;
  }
  void SetUp() override { ASSERT_TRUE(server->running()); }

  static QString url(const QString& file) { return server->url("/HISTORYDATA/" + file); }
  static std::string bytes(const std::string& file) { return readBytes(root->path() / "HISTORYDATA" / file); }

  static TempDir* root;
  static HttpTestServer* server;
  ui::CurlHttpClient client;
};

TempDir* HttpClientTest::root = nullptr;
HttpTestServer* HttpClientTest::server = nullptr;

}  // namespace

TEST_F(HttpClientTest, DesktopClientFetchesEveryHistoryFileByteForByte) {
  ui::HttpClient* http = ui::desktopPlatform().http;
  ASSERT_NE(http, nullptr);
  const std::pair<const char*, std::string> files[] = {
      {"RK8e49.txt", "RK8e49.txt"},
      {"hkmark6.txt", "hkmark6.txt"},
      {"lotto38.txt", "history/lotto38.txt"},
      {"TW539.txt", "history/TW539.txt"},
      {"RK8e49drawdate.txt", "history/RK8e49drawdate.txt"},
      {"HKM6drawdate.txt", "history/HKM6drawdate.txt"},
      {"Weilidrawdate.txt", "history/Weilidrawdate.txt"},
      {"TW539drawdate.txt", "history/TW539drawdate.txt"},
  };
  for (const auto& [name, source] : files) {
    const ui::HttpResult r = http->get(url(name), 5000);
    EXPECT_EQ(r.status, 200) << name;
    EXPECT_EQ(r.error, "") << name;
    EXPECT_EQ(r.body.toStdString(), readBytes(dataFile(source))) << name;
  }
}

TEST_F(HttpClientTest, OtherStatusesAreAnswersNotFollowed) {
  struct Case {
    QString file;
    int status;
    bool markup;  // the body is an HTML page
  } cases[] = {
      {"missing.txt", 404, true},
      // A redirect to "folder.txt/"; followed, it would bring the folder's listing.
      {"folder.txt", 301, false},
      {"page.html", 200, true},
  };
  for (const auto& c : cases) {
    const ui::HttpResult r = client.get(url(c.file), 5000);
    EXPECT_EQ(r.status, c.status) << c.file.toStdString();
    EXPECT_EQ(r.error, "") << c.file.toStdString();
    EXPECT_EQ(r.body.trimmed().startsWith('<'), c.markup) << c.file.toStdString();
    EXPECT_EQ(tovrin::responseUsable(r.status, r.error.isEmpty(), r.body.size()), c.status == 200);
  }
  EXPECT_EQ(client.get(url("page.html"), 5000).body.toStdString(), bytes("page.html"));
}

TEST_F(HttpClientTest, ABodyBeyondTheLimitFails) {
  ui::CurlHttpClient small(100);
  const ui::HttpResult atLimit = small.get(url("hundred.txt"), 5000);
  EXPECT_EQ(atLimit.error, "");
  EXPECT_EQ(atLimit.body, QByteArray(100, 'x'));
  const ui::HttpResult over = small.get(url("hundred-and-one.txt"), 5000);
  EXPECT_NE(over.error, "");
  EXPECT_FALSE(tovrin::responseUsable(over.status, over.error.isEmpty(), over.body.size()));
}

TEST_F(HttpClientTest, ProxySettingsOfTheEnvironmentAreIgnored) {
  const std::string dead = "http://127.0.0.1:" + std::to_string(closedPort());
  const char* vars[] = {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"};
  for (const char* v : vars) ::setenv(v, dead.c_str(), 1);
  const ui::HttpResult r = client.get(url("lotto38.txt"), 5000);
  for (const char* v : vars) ::unsetenv(v);
  EXPECT_EQ(r.status, 200);
  EXPECT_EQ(r.error, "");
  EXPECT_EQ(r.body.toStdString(), bytes("lotto38.txt"));
}

TEST(HttpClientFailures, NoCompleteAnswerIsAnError) {
  ui::CurlHttpClient client;

  // A server that takes the connection but never answers: the time-out ends the wait.
  Listener silent;
  ASSERT_GT(silent.port, 0);
  const ui::HttpResult timedOut = client.get(silent.url(), 300);
  EXPECT_EQ(timedOut.status, 0);
  EXPECT_NE(timedOut.error, "");

  // Nothing listens.
  const ui::HttpResult refused =
      client.get(QStringLiteral("http://127.0.0.1:%1/HISTORYDATA/RK8e49.txt").arg(closedPort()), 5000);
  EXPECT_EQ(refused.status, 0);
  EXPECT_NE(refused.error, "");

  // A response cut off before its announced length.
  Listener cut;
  ASSERT_GT(cut.port, 0);
  std::thread serverThread([&] {
    int c = ::accept(cut.fd, nullptr, nullptr);
    if (c < 0) return;
    char buf[4096];
    (void)::recv(c, buf, sizeof buf, 0);
    const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\nConnection: close\r\n\r\n2026/08/21,115081";
    (void)::send(c, head.data(), head.size(), 0);
    ::close(c);
  });
  const ui::HttpResult truncated = client.get(cut.url(), 5000);
  serverThread.join();
  EXPECT_EQ(truncated.status, 200);
  EXPECT_NE(truncated.error, "");
  EXPECT_FALSE(tovrin::responseUsable(truncated.status, truncated.error.isEmpty(), truncated.body.size()));

  // Only plain HTTP is spoken.
  const ui::HttpResult other = client.get("ftp://127.0.0.1/HISTORYDATA/RK8e49.txt", 5000);
  EXPECT_EQ(other.status, 0);
  EXPECT_NE(other.error, "");
}
