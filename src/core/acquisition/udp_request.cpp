#include "core/acquisition/udp_request.h"

namespace tovrin {

std::string udpGreeting(std::string_view stamp) {
  std::string out = "xxx   ";
  out += stamp;
  return out;
}

UdpRequest parseUdpRequest(std::string_view d) {
  UdpRequest r;
  if (d.size() != 7 || d.substr(0, 3) != "REQ") return r;
  r.isRequest = true;
  std::string_view num = d.substr(3);
  bool negative = false;
  if (num.front() == '+' || num.front() == '-') {
    negative = num.front() == '-';
    num.remove_prefix(1);
  }
  int v = 0;
  for (char c : num) {
    if (c < '0' || c > '9') return r;
    v = v * 10 + (c - '0');
  }
  r.isNumber = true;
  r.n = negative ? -v : v;
  return r;
}

std::vector<std::string> udpAnswer(std::string_view datagram, const std::vector<std::string>& replyList,
                                   std::string_view header) {
  std::vector<std::string> out;
  const UdpRequest req = parseUdpRequest(datagram);
  if (!req.isRequest) return out;
  if (!req.isNumber) {
    out.emplace_back("END");
    return out;
  }
  // A negative request would reach past the newest line; it asks for all.
  const long long n = req.n < 0 ? 0 : req.n;
  const long long total = static_cast<long long>(replyList.size());
  const auto line = [&](long long k) -> const std::string& { return replyList[static_cast<std::size_t>(k - 1)]; };

  const long long diff = total - n;
  const long long blocks = diff / 20;
  const long long rest = diff % 20;
  out.push_back("RCX" + std::string(header));
  std::string rcv = "RCV";
  for (long long k = total; k >= total - rest + 1 && k >= 1; --k) rcv += line(k);
  out.push_back(std::move(rcv));
  for (long long b = blocks; b >= 1; --b) {
    std::string block = "RCV";
    for (long long k = 20 * (b - 1) + 20; k >= 20 * (b - 1) + 1; --k) block += line(k);
    out.push_back(std::move(block));
  }
  if (total >= n) out.emplace_back("END");
  return out;
}

std::string udpLogLine(std::string_view sender, std::string_view datagram) {
  std::string out(sender);
  out += ": ";
  const std::size_t shown = datagram.size() < kUdpLogBytes ? datagram.size() : kUdpLogBytes;
  for (std::size_t i = 0; i < shown; ++i) {
    const unsigned char c = static_cast<unsigned char>(datagram[i]);
    out += (c >= 0x20 && c <= 0x7E) ? static_cast<char>(c) : '?';
  }
  return out;
}

}  // namespace tovrin
