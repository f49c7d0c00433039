#include "ui/curl_http.h"

#include <curl/curl.h>

#include <mutex>
#include <string>

#include "core/acquisition/history_download.h"

namespace ui {
namespace {

void initOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Sink {
  QByteArray* body;
  std::size_t max;
  bool tooLong = false;
};

size_t collect(char* data, size_t size, size_t count, void* user) {
  auto* sink = static_cast<Sink*>(user);
  const size_t n = size * count;
  if (sink->body->size() + n > sink->max) {
    sink->tooLong = true;
    return 0;  // ends the transfer with a write error
  }
  sink->body->append(data, static_cast<qsizetype>(n));
  return n;
}

}  // namespace

CurlHttpClient::CurlHttpClient(std::size_t maxBody) : maxBody_(maxBody) { initOnce(); }
CurlHttpClient::CurlHttpClient() : CurlHttpClient(tovrin::kMaxDownloadBytes) {}

HttpResult CurlHttpClient::get(const QString& url, int timeoutMs) {
  HttpResult r;
  CURL* h = curl_easy_init();
  if (!h) {
    r.error = QStringLiteral("無法建立連線");
    return r;
  }
  char errbuf[CURL_ERROR_SIZE] = {};
  Sink sink{&r.body, maxBody_};
  const std::string u = url.toStdString();
  curl_easy_setopt(h, CURLOPT_URL, u.c_str());
  curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errbuf);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, collect);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(timeoutMs));
  // The program has one thread that also runs the window; no signals for
  // name look-ups time-outs.
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  // Talk to the named host only: no proxy from the environment, plain HTTP,
  // and a redirect is an answer of its own, never followed.
  curl_easy_setopt(h, CURLOPT_PROXY, "");
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http");
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 0L);

  const CURLcode rc = curl_easy_perform(h);
  long status = 0;
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
  r.status = static_cast<int>(status);
  if (sink.tooLong) {
    r.error = QStringLiteral("回應超過 %1 位元組").arg(maxBody_);
  } else if (rc != CURLE_OK) {
    r.error = QString::fromUtf8(errbuf[0] ? errbuf : curl_easy_strerror(rc));
  }
  curl_easy_cleanup(h);
  return r;
}

}  // namespace ui
