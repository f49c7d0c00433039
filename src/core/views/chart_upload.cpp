#include "core/views/chart_upload.h"

#include <charconv>

namespace tovrin::views {
namespace {

bool isHostChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
         c == '_';
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::optional<ServerAddress> parseServerAddress(std::string_view text) {
  text = trimmed(text);
  ServerAddress a;
  std::string_view host = text;
  if (auto colon = text.find(':'); colon != std::string_view::npos) {
    host = text.substr(0, colon);
    std::string_view port = text.substr(colon + 1);
    int v = 0;
    auto [p, ec] = std::from_chars(port.data(), port.data() + port.size(), v);
    if (port.empty() || port.size() > 5 || ec != std::errc() || p != port.data() + port.size() || v < 1 ||
        v > 65535)
      return std::nullopt;
    a.port = v;
  }
  if (host.empty() || host.front() == '-' || host.front() == '.') return std::nullopt;
  for (char c : host)
    if (!isHostChar(c)) return std::nullopt;
  a.host = std::string(host);
  return a;
}

bool isSendablePassword(std::string_view password) {
  return password.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

}  // namespace tovrin::views
