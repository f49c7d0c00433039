#pragma once
// Line-oriented text files in the Traditional Chinese code page with CR LF
// line ends, and the safe replacement of a user's file.
#include <filesystem>
#include <string>
#include <vector>

namespace tovrin {

struct ReadResult {
  bool ok = false;
  std::vector<std::string> lines;  // UTF-8, without line ends
  std::string error;               // why the file could not be read
};

struct WriteResult {
  bool ok = false;
  bool unencodable = false;  // some text has no form in the code page
  int badLine = -1;          // 0-based index of the first such line
  std::string error;
};

// Splits text into lines at CR LF, LF or a lone CR; a line end at the very end
// of the text does not start another line.
std::vector<std::string> splitLines(std::string_view text);

// Reads a CP950 file as UTF-8 lines.
ReadResult readTextLines(const std::filesystem::path& file);

// Reads a file's lines as the bytes stored (CP950, not decoded), for readers
// that measure lines in the file's own bytes.
ReadResult readRawLines(const std::filesystem::path& file);

// A short Chinese phrase for a system error number ("沒有權限", "磁碟空間不足",
// …); causes without a phrase of their own give the system's text in brackets.
std::string errorReason(int err);

// Writes the lines as CP950, each followed by CR LF. The text goes to a
// temporary file in the same folder that replaces the target only once it is
// complete, so a failed write leaves the old file as it was. A read-only
// target is refused even for a superuser. When the folder takes no new file
// but the target itself is writable, the target is rewritten in place (its
// old bytes are put back if that write fails).
WriteResult writeTextLines(const std::filesystem::path& file, const std::vector<std::string>& lines);

// Creates an empty file when none exists; true when the file exists afterwards.
bool ensureFileExists(const std::filesystem::path& file);

}  // namespace tovrin
