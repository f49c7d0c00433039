#pragma once
// Working data for the benchmarks: a copy of a real history, loaded.
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/history/draw_table.h"
#include "core/pillars/period.h"

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

// The real Big Lotto history (2,163 draws), loaded once.
inline const tovrin::DrawHistory& bigLotto() {
  static const tovrin::DrawHistory h = [] {
    DataDir dir(tovrin::kBigLottoFile);
    tovrin::DrawHistory hist(dir.path());
    hist.fullReload("2026/12/10");
    return hist;
  }();
  return h;
}

// The real Mark Six history (4,288 lines; the newest 3,000 draws kept), loaded once.
inline const tovrin::DrawHistory& markSix() {
  static const tovrin::DrawHistory h = [] {
    DataDir dir(tovrin::kMarkSixFile);
    tovrin::DrawHistory hist(dir.path());
    hist.selectGame(false);
    hist.fullReload("2026/12/10");
    return hist;
  }();
  return h;
}

// The analyzer's default WorkingPeriod on it: 2009/01/01 to 2026/12/10.
inline const std::vector<std::string>& defaultPeriodLines() {
  static const std::vector<std::string> lines =
      tovrin::dateRangeQuery(bigLotto().table, {2009, 1, 1}, {2026, 12, 10}).lines;
  return lines;
}

}  // namespace bench
