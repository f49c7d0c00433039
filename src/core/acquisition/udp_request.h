#pragma once
// The UDP peer's texts: the greeting sent to the data server, the parse of a
// request datagram, the datagrams that answer it, and the log line of each
// datagram received.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tovrin {

inline constexpr int kUdpPort = 6767;
// The receive log keeps this many lines, each showing at most this many bytes.
inline constexpr int kUdpLogLines = 1000;
inline constexpr std::size_t kUdpLogBytes = 1024;

// "xxx" + three blanks + the time stamp ("yyyy/mm/dd hh:mm:ss").
std::string udpGreeting(std::string_view stamp);

struct UdpRequest {
  bool isRequest = false;  // exactly 7 bytes starting with "REQ"
  bool isNumber = false;   // the 4 bytes after "REQ" are an optional sign then digits
  int n = 0;               // that number (0 when it is not one)
};

UdpRequest parseUdpRequest(std::string_view datagram);

// The datagrams that answer a datagram, in sending order; none when it is not
// a request. A request for n (a negative n is taken as 0) gets "RCX" + header,
// "RCV" + the newest (total - n) mod 20 lines newest first, then one "RCV" per
// full block of 20 lines from the highest block down (each block newest line
// first), and "END" when total >= n. A request whose number does not read
// gets "END" only. Lines are numbered 1..total; no other line is ever read.
std::vector<std::string> udpAnswer(std::string_view datagram, const std::vector<std::string>& replyList,
                                   std::string_view header);

// The log line of a datagram: sender + ": " + its first kUdpLogBytes bytes,
// each byte outside 0x20..0x7E shown as "?".
std::string udpLogLine(std::string_view sender, std::string_view datagram);

}  // namespace tovrin
