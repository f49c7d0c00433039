#include "core/text/codec.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace tovrin {
namespace {

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  // False when the system has no such converter (a stripped-down C library).
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // Converts as much as possible; returns false at the first byte sequence
  // that cannot be converted, leaving `in`/`inLeft` pointing at it.
  bool convert(char*& in, size_t& inLeft, std::string& out) {
    char buf[4096];
    while (inLeft > 0) {
      char* o = buf;
      size_t oLeft = sizeof buf;
      size_t r = iconv(cd_, &in, &inLeft, &o, &oLeft);
      out.append(buf, o - buf);
      if (r == static_cast<size_t>(-1)) {
        if (errno == E2BIG) continue;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        return false;
      }
    }
    char* o = buf;
    size_t oLeft = sizeof buf;
    iconv(cd_, nullptr, nullptr, &o, &oLeft);
    out.append(buf, o - buf);
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

static bool isAscii(std::string_view s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

std::string decodeCp950(std::string_view bytes) {
  // Plain ASCII (every draw line) needs no conversion at all.
  if (isAscii(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);

  Iconv cv("UTF-8", "CP950");
  if (!cv.ok()) {
    // Without a converter the ASCII still reads; every other byte shows as
    // the replacement character rather than stopping the reader.
    for (unsigned char c : bytes) out += c < 0x80 ? std::string(1, static_cast<char>(c)) : "\xEF\xBF\xBD";
    return out;
  }
  std::vector<char> copy(bytes.begin(), bytes.end());
  char* in = copy.data();
  size_t left = copy.size();
  while (!cv.convert(in, left, out)) {
    out += "\xEF\xBF\xBD";  // U+FFFD for the byte that does not decode
    ++in;
    --left;
  }
  return out;
}

std::optional<std::string> encodeCp950(std::string_view utf8) {
  if (isAscii(utf8)) return std::string(utf8);

  Iconv cv("CP950", "UTF-8");
  if (!cv.ok()) return std::nullopt;
  std::vector<char> copy(utf8.begin(), utf8.end());
  char* in = copy.data();
  size_t left = copy.size();
  std::string out;
  if (!cv.convert(in, left, out)) return std::nullopt;
  return out;
}

bool cp950Available() {
  Iconv cv("CP950", "UTF-8");
  return cv.ok();
}

std::size_t utf8Length(std::string_view utf8) {
  std::size_t n = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace tovrin
