#pragma once
// The FTP client on libcurl. One easy handle lives while connected, so the
// connection it keeps (and its login) serves every later upload.
#include "ui/platform.h"

namespace ui {

struct FtpTimeouts {
  long connectSeconds = 10;   // to open the control connection
  long responseSeconds = 20;  // for each server reply
  long stallSeconds = 20;     // a transfer below 1 byte/s this long is given up
};

class CurlFtpClient final : public FtpClient {
 public:
  explicit CurlFtpClient(FtpTimeouts timeouts = {});
  ~CurlFtpClient() override;
  CurlFtpClient(const CurlFtpClient&) = delete;
  CurlFtpClient& operator=(const CurlFtpClient&) = delete;

  bool connect(const QString& host, int port, const QString& user, const QString& password) override;
  bool connected() const override { return handle_ != nullptr; }
  bool upload(const std::filesystem::path& file, const QString& remoteName) override;
  void close() override;

  // libcurl's result code of the last connect or upload (0 = success).
  int lastCode() const { return lastCode_; }

 private:
  FtpTimeouts timeouts_;
  void* handle_ = nullptr;  // CURL*
  QByteArray base_;         // "ftp://HOST:PORT/"
  int lastCode_ = 0;
};

}  // namespace ui
