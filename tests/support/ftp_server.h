#pragma once
// A real FTP server for one test, on 127.0.0.1.
#include <QProcess>
#include <QRandomGenerator>
#include <QString>

#include "support/temp_dir.h"

namespace testing_support {

// A pyftpdlib server for one test: user "administrator" with a random
// password, rooted in a fresh folder, on a free port it reports. It prints
// one "LOGIN" line per successful login. Debian's own Python is the one
// python3-pyftpdlib installs into.
inline const char* kFtpServerScript = R"(
import sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
root, pw, perm = sys.argv[1], sys.argv[2], sys.argv[3]
auth = DummyAuthorizer()
auth.add_user("administrator", pw, root, perm=perm)
class Handler(FTPHandler):
    def on_login(self, username):
        print("LOGIN", username, flush=True)
Handler.authorizer = auth
Handler.auth_failed_timeout = 0
server = FTPServer(("127.0.0.1", 0), Handler)
print(server.address[1], flush=True)
server.serve_forever()
)";

class FtpServer {
 public:
  explicit FtpServer(bool writable) {
    password = QString::number(QRandomGenerator::global()->generate64(), 36);
    proc.start("/usr/bin/python3", {"-c", kFtpServerScript, QString::fromStdString(root.path().string()), password,
                                    writable ? "elradfmw" : "elr"});
    if (!proc.waitForStarted(5000)) return;
    while (port == 0 && proc.waitForReadyRead(10000)) {
      while (proc.canReadLine()) {
        const QByteArray line = proc.readLine().trimmed();
        if (port == 0) port = line.toInt();
      }
    }
  }
  ~FtpServer() { stop(); }
  void stop() {
    if (proc.state() != QProcess::NotRunning) {
      proc.kill();
      proc.waitForFinished(5000);
    }
  }
  // Logins seen so far (stops the server to read everything it printed).
  int logins() {
    stop();
    return QString::fromUtf8(proc.readAllStandardOutput()).count("LOGIN administrator");
  }

  TempDir root;
  QString password;
  QProcess proc;
  int port = 0;
};

}  // namespace testing_support
