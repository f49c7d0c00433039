#pragma once
// A working directory holding a copy of a real history, for the benchmarks.
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace bench {

class DataDir {
 public:
  explicit DataDir(const std::string& file) {
    std::string tmpl = (std::filesystem::temp_directory_path() / "tovrin-bench-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
    std::filesystem::copy_file(std::filesystem::path(TOVRIN_BENCH_DATA) / file, path_ / file);
  }
  ~DataDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace bench
