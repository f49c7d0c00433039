#pragma once
// Test doubles for every desktop seam, installed together for one test.
#include <QDialog>
#include <QPointer>
#include <deque>
#include <map>
#include <vector>

#include "support/temp_dir.h"
#include "ui/platform.h"
#include "ui/qt_udp.h"

namespace testing_support {

// Answers from a script (Yes/Ok once the script runs out) and records every text.
class FakeMessages : public ui::MessageBox {
 public:
  struct Shown {
    ui::Icon icon;
    QString text;
    ui::Buttons buttons;
  };
  ui::Answer show(QWidget* parent, ui::Icon icon, const QString& text, ui::Buttons buttons) override;

  std::deque<ui::Answer> script;
  std::vector<Shown> shown;
  QStringList texts() const;
};

class FakeSaveDialog : public ui::SaveFileDialog {
 public:
  std::optional<QString> getSaveFileName(QWidget*, const QString& title, const QString& defaultExt,
                                         const QString& filter) override;
  std::optional<QString> answer;  // the file "chosen"; nothing = cancel
  int calls = 0;
  QString title, defaultExt, filter;
};

class FakeClipboard : public ui::Clipboard {
 public:
  void setText(const QString& t) override { text = t; ++copies; }
  QString text;
  int copies = 0;
};

// Records the lines and really paints the report into a PDF, so the drawing
// code runs under test.
class FakePrintPreview : public ui::PrintPreview {
 public:
  void preview(QWidget*, const QStringList& lines, const std::function<void(QPrinter*)>& paint) override;
  QStringList lines;
  int calls = 0;
  std::filesystem::path pdf;  // set to render into this file
};

class FixedClock : public ui::Clock {
 public:
  QDate today() const override { return now_.date(); }
  QDateTime now() const override { return now_; }
  QDateTime now_{QDate(2026, 12, 10), QTime(9, 30, 0)};
};

class FixedDir : public ui::WorkingDirectory {
 public:
  std::filesystem::path path() const override { return dir; }
  std::filesystem::path dir;
};

// Shows the window without a nested event loop and returns at once, so the
// test can drive it.
class ShowOnlyModal : public ui::ModalRunner {
 public:
  int exec(QDialog* d) override;
  std::vector<QPointer<QDialog>> shown;
};

// Answers each GET from a script by URL; an unscripted URL fails as a
// refused connection. Records every call with its time-out.
class FakeHttp : public ui::HttpClient {
 public:
  ui::HttpResult get(const QString& url, int timeoutMs) override;
  // A 200 response with this body.
  void serve(const QString& url, const QByteArray& body);

  std::map<QString, ui::HttpResult> responses;
  struct Call {
    QString url;
    int timeoutMs;
  };
  std::vector<Call> calls;
  QStringList urls() const;
};

// Answers logins and uploads from its settings and records each call.
class FakeFtp : public ui::FtpClient {
 public:
  bool connect(const QString& host, int port, const QString& user, const QString& password) override;
  bool connected() const override { return up; }
  bool upload(const std::filesystem::path& file, const QString& remoteName) override;
  void close() override { up = false; }

  bool acceptLogin = true;
  int failUploadAt = -1;        // index of the upload (from 0) that fails
  bool failureDrops = false;    // that failure also loses the connection
  bool up = false;
  int connects = 0;
  QString host, user, password;
  int port = 0;
  QStringList uploaded;         // remote names, in order
  std::vector<std::string> uploadedBytes;  // the files' content when sent
};

// Installs all doubles for its lifetime, with a fresh working directory.
class FakePlatform {
 public:
  FakePlatform();
  ~FakePlatform();
  const std::filesystem::path& dir() const { return tmp.path(); }

  TempDir tmp;
  FakeMessages messages;
  FakeSaveDialog saveDialog;
  FakeClipboard clipboard;
  FakePrintPreview printPreview;
  FixedClock clock;
  FixedDir workDir;
  ShowOnlyModal modal;
  FakeHttp http;
  FakeFtp ftp;
  // Real sockets on 127.0.0.1 at a port the system picks (read it back).
  ui::QtUdpFactory udp{QHostAddress::LocalHost, 0};

 private:
  ui::Platform previous_;
};

}  // namespace testing_support
