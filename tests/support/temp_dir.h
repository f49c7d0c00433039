#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// A fresh directory under the system's temporary folder, removed afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// The real draw histories kept with the tests.
std::filesystem::path dataFile(const std::string& name);
// Copies a real history into a directory under the same name.
void copyData(const std::string& name, const std::filesystem::path& dir);

// Raw file access for fixtures (bytes as given, no conversion).
void writeBytes(const std::filesystem::path& file, const std::string& bytes);
std::string readBytes(const std::filesystem::path& file);
// Joins lines with CR LF after each.
std::string crlf(const std::vector<std::string>& lines);

}  // namespace testing_support
