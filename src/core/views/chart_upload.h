#pragma once
// The chart upload's connection settings as the user types them.
#include <optional>
#include <string>
#include <string_view>

namespace tovrin::views {

inline constexpr const char* kChartUploadUser = "administrator";
inline constexpr int kDefaultFtpPort = 21;

struct ServerAddress {
  std::string host;
  int port = kDefaultFtpPort;
  bool operator==(const ServerAddress&) const = default;
};

// Reads "HOST" or "HOST:PORT" (blanks around it are ignored). HOST is a name
// or dotted address of letters, digits, '.', '-' and '_'; PORT is 1..65535.
// Anything else (empty, other characters, a bad port) reads as nothing, so
// no malformed text ever reaches a URL.
std::optional<ServerAddress> parseServerAddress(std::string_view text);

// A password the login can send as it is: no CR, LF or NUL, which would
// break the command line it travels in.
bool isSendablePassword(std::string_view password);

}  // namespace tovrin::views
