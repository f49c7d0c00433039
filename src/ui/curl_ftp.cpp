#include "ui/curl_ftp.h"

#include <curl/curl.h>

#include <cstdio>

namespace ui {
namespace {

CURL* h(void* p) { return static_cast<CURL*>(p); }

// Failures after which the control connection is still logged in: the
// server refused this one file, or the local file could not be read.
bool keepsConnection(CURLcode rc) {
  switch (rc) {
    case CURLE_UPLOAD_FAILED:
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_REMOTE_DISK_FULL:
    case CURLE_QUOTE_ERROR:
    case CURLE_READ_ERROR:
    case CURLE_FILE_COULDNT_READ_FILE:
      return true;
    default:
      return false;
  }
}

}  // namespace

CurlFtpClient::CurlFtpClient(FtpTimeouts timeouts) : timeouts_(timeouts) {}

CurlFtpClient::~CurlFtpClient() { close(); }

void CurlFtpClient::close() {
  if (handle_) curl_easy_cleanup(h(handle_));
  handle_ = nullptr;
}

bool CurlFtpClient::connect(const QString& host, int port, const QString& user, const QString& password) {
  close();
  CURL* c = curl_easy_init();
  if (!c) {
    lastCode_ = CURLE_FAILED_INIT;
    return false;
  }
  base_ = "ftp://" + host.toUtf8() + ":" + QByteArray::number(port) + "/";
  const QByteArray u = user.toUtf8();
  const QByteArray pw = password.toUtf8();
  curl_easy_setopt(c, CURLOPT_URL, base_.constData());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "ftp");
  // The password travels only as an option, never inside the URL.
  curl_easy_setopt(c, CURLOPT_USERNAME, u.constData());
  curl_easy_setopt(c, CURLOPT_PASSWORD, pw.constData());
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, timeouts_.connectSeconds);
  curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, timeouts_.responseSeconds);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, timeouts_.stallSeconds);
  // The login probe: log in and look at the directory, transfer nothing.
  curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
  const CURLcode rc = curl_easy_perform(c);
  lastCode_ = rc;
  if (rc != CURLE_OK) {
    curl_easy_cleanup(c);
    return false;
  }
  handle_ = c;
  return true;
}

bool CurlFtpClient::upload(const std::filesystem::path& file, const QString& remoteName) {
  if (!handle_) return false;
  CURL* c = h(handle_);
  std::FILE* f = std::fopen(file.c_str(), "rb");
  if (!f) {
    lastCode_ = CURLE_READ_ERROR;
    return false;
  }
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  const QByteArray name = remoteName.toUtf8();
  char* escaped = curl_easy_escape(c, name.constData(), static_cast<int>(name.size()));
  const QByteArray url = base_ + (escaped ? escaped : "");
  curl_free(escaped);
  curl_easy_setopt(c, CURLOPT_URL, url.constData());
  curl_easy_setopt(c, CURLOPT_NOBODY, 0L);
  curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(c, CURLOPT_READDATA, f);
  curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, ec ? curl_off_t(-1) : curl_off_t(size));
  const CURLcode rc = curl_easy_perform(c);
  std::fclose(f);
  curl_easy_setopt(c, CURLOPT_READDATA, nullptr);
  lastCode_ = rc;
  if (rc == CURLE_OK) return true;
  if (!keepsConnection(rc)) close();
  return false;
}

}  // namespace ui
