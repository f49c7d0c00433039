#include "support/http_test_server.h"

#include <QRegularExpression>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace testing_support {
namespace fs = std::filesystem;

HttpTestServer::HttpTestServer(const fs::path& root) {
  process_.setStandardErrorFile(QProcess::nullDevice());  // the request log
  process_.start("python3", {"-u", "-m", "http.server", "0", "--bind", "127.0.0.1", "--directory",
                             QString::fromStdString(root.string())});
  if (!process_.waitForStarted(10000)) return;
  static const QRegularExpression serving("Serving HTTP on 127\\.0\\.0\\.1 port (\\d+)");
  QByteArray out;
  while (process_.waitForReadyRead(10000)) {
    out += process_.readAllStandardOutput();
    const auto m = serving.match(QString::fromUtf8(out));
    if (m.hasMatch()) {
      port_ = m.captured(1).toInt();
      return;
    }
  }
}

HttpTestServer::~HttpTestServer() {
  if (process_.state() != QProcess::NotRunning) {
    process_.kill();
    process_.waitForFinished(5000);
  }
}

void populateHistoryData(const fs::path& root) {
  const fs::path dir = root / "HISTORYDATA";
  fs::create_directories(dir);
  copyData("RK8e49.txt", dir);
  copyData("hkmark6.txt", dir);
  for (const char* name : {"lotto38.txt", "TW539.txt", "RK8e49drawdate.txt", "HKM6drawdate.txt",
                           "Weilidrawdate.txt", "TW539drawdate.txt"})
    fs::copy_file(dataFile(std::string("history/") + name), dir / name, fs::copy_options::overwrite_existing);
}

int closedPort() {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = 0;
  socklen_t len = sizeof a;
  int port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
    port = ntohs(a.sin_port);
  ::close(fd);
  return port;
}

Listener::Listener() {
  fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof a;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && ::listen(fd, 4) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
    port = ntohs(a.sin_port);
}

Listener::~Listener() { ::close(fd); }

}  // namespace testing_support
