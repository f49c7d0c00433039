#pragma once
// A real HTTP server for tests: Python's http.server on 127.0.0.1 at a port
// the system picks, serving one folder, stopped when the object goes.
#include <QProcess>
#include <QString>
#include <filesystem>

namespace testing_support {

class HttpTestServer {
 public:
  explicit HttpTestServer(const std::filesystem::path& root);
  ~HttpTestServer();
  HttpTestServer(const HttpTestServer&) = delete;
  HttpTestServer& operator=(const HttpTestServer&) = delete;

  bool running() const { return port_ > 0; }
  int port() const { return port_; }
  QString host() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }  // host:port
  QString url(const QString& path) const { return "http://" + host() + path; }

 private:
  QProcess process_;
  int port_ = 0;
};

// Fills root/HISTORYDATA with the eight files of the history download: the
// two real histories and the small fixtures of the other games.
void populateHistoryData(const std::filesystem::path& root);

// A port on 127.0.0.1 where nothing listens (bound once, then closed).
int closedPort();

// A socket listening on 127.0.0.1 at a port the system picks. Connections
// wait in its backlog unanswered until a test accepts them (a silent server,
// or one that answers by hand).
struct Listener {
  Listener();
  ~Listener();
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;
  QString url() const { return QStringLiteral("http://127.0.0.1:%1/HISTORYDATA/RK8e49.txt").arg(port); }

  int fd = -1;
  int port = 0;
};

}  // namespace testing_support
