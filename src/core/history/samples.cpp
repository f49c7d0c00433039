#include "core/history/samples.h"

#include <system_error>

namespace tovrin {
namespace fs = std::filesystem;

const std::vector<std::string>& sampleFiles() {
  static const std::vector<std::string> names = {"RK8e49.txt",  "hkmark6.txt", "help_record.txt", "help_2a.txt",
                                                 "help_3a.txt", "help_4a.txt", "help_pmx.txt",    "help_strange.txt"};
  return names;
}

std::vector<std::string> installSamples(const fs::path& shareDir, const fs::path& dir) {
  std::vector<std::string> failed;
  if (shareDir.empty()) return failed;
  for (const auto& name : sampleFiles()) {
    std::error_code ec;
    const fs::path from = shareDir / name, to = dir / name;
    if (!fs::is_regular_file(from, ec)) continue;
    // Any entry of that name, even a broken link, is the user's.
    if (fs::exists(fs::symlink_status(to, ec))) continue;
    const fs::path part = dir / (name + ".part");
    fs::remove(part, ec);
    bool ok = fs::copy_file(from, part, fs::copy_options::overwrite_existing, ec) && !ec;
    // The target may have appeared meanwhile; it still wins.
    if (ok && !fs::exists(fs::symlink_status(to, ec))) {
      fs::rename(part, to, ec);
      ok = !ec;
    }
    fs::remove(part, ec);
    if (!ok) failed.push_back(name);
  }
  return failed;
}

}  // namespace tovrin
