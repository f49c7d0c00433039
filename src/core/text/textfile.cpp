#include "core/text/textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "core/text/codec.h"

namespace tovrin {
namespace fs = std::filesystem;

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

ReadResult readTextLines(const fs::path& file) {
  ReadResult r;
  std::error_code ec;
  if (fs::is_directory(file, ec)) {
    r.error = "無法讀取檔案 " + file.filename().string() + "：這是一個資料夾";
    return r;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    r.error = "無法開啟檔案 " + file.filename().string() + "：" + std::strerror(errno);
    return r;
  }
  std::ostringstream buf;
  buf << in.rdbuf();
  if (in.bad()) {
    r.error = "讀取檔案 " + file.filename().string() + " 時發生錯誤";
    return r;
  }
  r.lines = splitLines(decodeCp950(buf.str()));
  r.ok = true;
  return r;
}

namespace {

// True when the path may be written. Mode bits are checked as well as
// access(), because a superuser's access() ignores a read-only flag the user
// set on purpose.
bool writable(const fs::path& p) {
  struct stat st {};
  if (::stat(p.c_str(), &st) != 0) return false;
  if ((st.st_mode & 0222) == 0) return false;
  return ::access(p.c_str(), W_OK) == 0;
}

std::string failure(const std::string& what, const fs::path& file) {
  return what + " " + file.filename().string() + "：" + std::strerror(errno);
}

}  // namespace

WriteResult writeTextLines(const fs::path& file, const std::vector<std::string>& lines) {
  WriteResult r;
  std::string bytes;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto enc = encodeCp950(lines[i]);
    if (!enc) {
      r.unencodable = true;
      r.badLine = static_cast<int>(i);
      r.error = "第 " + std::to_string(i + 1) + " 行含有無法以繁體中文編碼儲存的字元";
      return r;
    }
    bytes += *enc;
    bytes += "\r\n";
  }

  fs::path dir = file.parent_path();
  if (dir.empty()) dir = ".";
  std::error_code ec;
  bool exists = fs::exists(file, ec);
  if (!writable(dir) || (exists && !writable(file))) {
    errno = EACCES;
    r.error = failure("無法寫入檔案", file);
    return r;
  }

  std::string tmpl = (dir / ("." + file.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(tmpl.data());
  if (fd < 0) {
    r.error = failure("無法寫入檔案", file);
    return r;
  }
  // Keep the permissions of the file being replaced; a new file gets the
  // usual ones.
  struct stat st {};
  mode_t mode = 0;
  if (exists && ::stat(file.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  ::fchmod(fd, mode);

  const char* p = bytes.data();
  std::size_t left = bytes.size();
  bool ok = true;
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (ok && ::fsync(fd) != 0) ok = false;
  int saved = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    saved = errno;
  }
  if (ok && ::rename(tmpl.c_str(), file.c_str()) != 0) {
    ok = false;
    saved = errno;
  }
  if (!ok) {
    ::unlink(tmpl.c_str());
    errno = saved;
    r.error = failure("無法寫入檔案", file);
    return r;
  }
  r.ok = true;
  return r;
}

bool ensureFileExists(const fs::path& file) {
  std::error_code ec;
  if (fs::exists(file, ec)) return true;
  std::ofstream out(file, std::ios::binary);
  return static_cast<bool>(out);
}

}  // namespace tovrin
