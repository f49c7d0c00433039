#include "core/acquisition/data_server.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace tovrin {
namespace {

std::string_view trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool allDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The four numbers of a dotted-decimal address, or nothing.
std::optional<std::array<int, 4>> ipv4Parts(std::string_view host) {
  std::array<int, 4> out{};
  for (int i = 0; i < 4; ++i) {
    const std::size_t dot = host.find('.');
    if ((i < 3) != (dot != std::string_view::npos)) return std::nullopt;
    const std::string_view part = i < 3 ? host.substr(0, dot) : host;
    if (!allDigits(part) || part.size() > 3) return std::nullopt;
    out[i] = std::stoi(std::string(part));
    if (out[i] > 255) return std::nullopt;
    if (i < 3) host.remove_prefix(dot + 1);
  }
  return out;
}

}  // namespace

std::optional<std::string> joinAddressParts(const std::array<std::string, 4>& parts) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string_view p = trim(parts[i]);
    if (p.empty()) return std::nullopt;
    if (i > 0) out += '.';
    out += p;
  }
  return out;
}

std::string startupAddress(const std::vector<std::string>& fileLines) {
  if (!fileLines.empty()) {
    const std::string_view first = trim(fileLines.front());
    if (!first.empty()) return std::string(first);
  }
  return kDefaultDataServer;
}

std::filesystem::path addressFile(const std::filesystem::path& dir) {
  const std::filesystem::path exact = dir / kDataServerFile;
  std::error_code ec;
  if (std::filesystem::is_regular_file(exact, ec)) return exact;
  const std::string wanted = lower(kDataServerFile);
  std::vector<std::filesystem::path> found;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (lower(it->path().filename().string()) == wanted && it->is_regular_file(ec)) found.push_back(it->path());
  }
  if (found.empty()) return exact;
  std::sort(found.begin(), found.end());
  return found.front();
}

std::string_view hostPart(std::string_view address) {
  const std::size_t colon = address.find(':');
  return colon == std::string_view::npos ? address : address.substr(0, colon);
}

bool usableHost(std::string_view address) {
  const std::size_t colon = address.find(':');
  const std::string_view host = hostPart(address);
  if (host.empty()) return false;
  for (char c : host) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
    if (!ok) return false;
  }
  if (colon == std::string_view::npos) return true;
  const std::string_view port = address.substr(colon + 1);
  if (!allDigits(port) || port.size() > 5) return false;
  const int n = std::stoi(std::string(port));
  return n >= 1 && n <= 65535;
}

bool isIpv4Literal(std::string_view host) { return ipv4Parts(host).has_value(); }

bool isUnicastIpv4(std::string_view host) {
  if (!isIpv4Literal(host)) return false;
  const auto p = *ipv4Parts(host);
  if (p == std::array<int, 4>{0, 0, 0, 0} || p == std::array<int, 4>{255, 255, 255, 255}) return false;
  return p[0] < 224 || p[0] > 239;
}

std::string textDownloadUrl(std::string_view address, std::string_view drawFile) {
  std::string url = "http://";
  url += address;
  url += "/txtftp/";
  url += drawFile;
  return url;
}

}  // namespace tovrin
