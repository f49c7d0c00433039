#pragma once
// The desktop HTTP client, on libcurl: one connection per GET, closed when
// the GET returns.
#include <cstddef>

#include "ui/platform.h"

namespace ui {

class CurlHttpClient final : public HttpClient {
 public:
  // A body longer than `maxBody` bytes ends the transfer as a failure.
  explicit CurlHttpClient(std::size_t maxBody);
  CurlHttpClient();
  HttpResult get(const QString& url, int timeoutMs) override;

 private:
  std::size_t maxBody_;
};

}  // namespace ui
