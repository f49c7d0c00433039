#include "core/text/textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
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

std::string errorReason(int err) {
  switch (err) {
    case EACCES:
    case EPERM: return "沒有權限";
    case EROFS: return "唯讀的檔案系統";
    case ENOSPC:
    case EDQUOT: return "磁碟空間不足";
    case ENOENT: return "找不到檔案或資料夾";
    case EISDIR: return "這是一個資料夾";
    case ENOTDIR: return "路徑中有一項不是資料夾";
    default: return std::string("(") + std::strerror(err) + ")";
  }
}

namespace {

// The whole file as stored, or the reason it could not be read.
bool readBytes(const fs::path& file, std::string& bytes, std::string& error) {
  const std::string name = file.filename().string();
  std::error_code ec;
  if (fs::is_directory(file, ec)) {
    error = "無法讀取檔案 " + name + "：" + errorReason(EISDIR);
    return false;
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error = "無法開啟檔案 " + name + "：" + errorReason(errno);
    return false;
  }
  std::ostringstream buf;
  buf << in.rdbuf();
  if (in.bad()) {
    error = "讀取檔案 " + name + " 時發生錯誤";
    return false;
  }
  bytes = buf.str();
  return true;
}

}  // namespace

ReadResult readTextLines(const fs::path& file) {
  ReadResult r;
  std::string bytes;
  if (!readBytes(file, bytes, r.error)) return r;
  r.lines = splitLines(decodeCp950(bytes));
  r.ok = true;
  return r;
}

ReadResult readRawLines(const fs::path& file) {
  ReadResult r;
  std::string bytes;
  if (!readBytes(file, bytes, r.error)) return r;
  r.lines = splitLines(bytes);
  r.ok = true;
  return r;
}

namespace {

// Mode bits are checked as well as access(), because a superuser's access()
// ignores a read-only flag the user set on purpose.
bool hasWriteBits(const fs::path& p) {
  struct stat st {};
  return ::stat(p.c_str(), &st) == 0 && (st.st_mode & 0222) != 0;
}

bool writable(const fs::path& p) { return hasWriteBits(p) && ::access(p.c_str(), W_OK) == 0; }

std::string failure(const fs::path& file, const std::string& reason) {
  return "無法寫入檔案 " + file.filename().string() + "：" + reason;
}

bool writeAll(int fd, const std::string& bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// Truncates the file and writes the bytes into it; errno tells why on failure.
bool overwrite(const fs::path& file, const std::string& bytes) {
  int fd = ::open(file.c_str(), O_WRONLY | O_TRUNC);
  if (fd < 0) return false;
  bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
  int saved = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    saved = errno;
  }
  errno = saved;
  return ok;
}

// The folder takes no new file, so the target is rewritten where it is. The
// old bytes are read first and put back if the new ones cannot be written.
WriteResult writeInPlace(const fs::path& file, const std::string& bytes) {
  WriteResult r;
  std::string old, readError;
  if (!readBytes(file, old, readError)) {
    r.error = failure(file, errorReason(errno));
    return r;
  }
  if (!overwrite(file, bytes)) {
    const int saved = errno;
    overwrite(file, old);
    r.error = failure(file, errorReason(saved));
    return r;
  }
  r.ok = true;
  return r;
}

// Writes the bytes to a new temporary file in `dir`; the file's name on
// success, nothing (errno set) on failure.
std::optional<std::string> writeTemporary(const fs::path& dir, const fs::path& file, const std::string& bytes,
                                          bool exists) {
  std::string tmpl = (dir / ("." + file.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(tmpl.data());
  if (fd < 0) return std::nullopt;
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
  bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
  int saved = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    saved = errno;
  }
  if (!ok) {
    ::unlink(tmpl.c_str());
    errno = saved;
    return std::nullopt;
  }
  return tmpl;
}

}  // namespace

WriteResult writeTextLines(const fs::path& file, const std::vector<std::string>& lines) {
  WriteResult r;
  std::string bytes;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto enc = encodeCp950(lines[i]);
    if (!enc) {
      if (!cp950Available()) {
        r.error = failure(file, "系統缺少繁體中文 (Big5) 字碼轉換");
        return r;
      }
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
  const bool exists = fs::exists(file, ec);
  if (exists && fs::is_directory(file, ec)) {
    r.error = failure(file, errorReason(EISDIR));
    return r;
  }
  if (exists && !hasWriteBits(file)) {
    r.error = failure(file, "檔案設為唯讀");
    return r;
  }
  if (exists && !writable(file)) {
    r.error = failure(file, errorReason(EACCES));
    return r;
  }
  if (!fs::is_directory(dir, ec)) {
    r.error = failure(file, errorReason(ENOENT));
    return r;
  }
  if (!writable(dir)) {
    if (exists) return writeInPlace(file, bytes);
    r.error = failure(file, hasWriteBits(dir) ? errorReason(EACCES) : "資料夾設為唯讀");
    return r;
  }

  const auto tmp = writeTemporary(dir, file, bytes, exists);
  if (!tmp) {
    const int saved = errno;
    // A folder that refuses new files still lets the target be rewritten
    // where it stands.
    if (exists && (saved == EACCES || saved == EPERM))
      return writeInPlace(file, bytes);
    r.error = failure(file, errorReason(saved));
    return r;
  }
  if (::rename(tmp->c_str(), file.c_str()) != 0) {
    const int saved = errno;
    ::unlink(tmp->c_str());
    r.error = failure(file, errorReason(saved));
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
