#pragma once
// The data server's address: built from the four boxes of the address
// window, taken from the address file at start-up, checked before any
// request is sent to it, and the URL of the current draw file on it.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovrin {

// The address used until the user sets one: this machine, so no stranger's
// host is ever contacted and a local server works out of the box.
inline constexpr const char kDefaultDataServer[] = "127.0.0.1";
// The file that keeps the address the user confirmed (first line).
inline constexpr const char kDataServerFile[] = "FtpServerIp.txt";

// The four parts, each trimmed, joined with "."; nothing when a part is blank.
std::optional<std::string> joinAddressParts(const std::array<std::string, 4>& parts);

// The address at start-up: the trimmed first line of the address file when
// it is not blank, else the default.
std::string startupAddress(const std::vector<std::string>& fileLines);

// The address file in `dir`: an existing file whose name equals
// "FtpServerIp.txt" without regard to letter case (the exact spelling first),
// else dir / "FtpServerIp.txt".
std::filesystem::path addressFile(const std::filesystem::path& dir);

// A host a request may go to: letters, digits, "." and "-" (not empty),
// optionally followed by ":" and a port 1..65535.
bool usableHost(std::string_view address);

// The host without its ":port".
std::string_view hostPart(std::string_view address);

// A dotted-decimal IPv4 address, four numbers 0..255 without signs or blanks.
bool isIpv4Literal(std::string_view host);

// A single host's IPv4 address: not 0.0.0.0, 255.255.255.255 or 224.0.0.0/4.
bool isUnicastIpv4(std::string_view host);

// "http://" + address + "/txtftp/" + draw file.
std::string textDownloadUrl(std::string_view address, std::string_view drawFile);

// A text download body above this size is not a draw file (the largest
// holds a few thousand 38-character lines).
inline constexpr std::size_t kMaxTextDownloadBytes = std::size_t{4} << 20;
inline constexpr int kTextDownloadTimeoutMs = 20000;

}  // namespace tovrin
