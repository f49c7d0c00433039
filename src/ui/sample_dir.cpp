#include "ui/sample_dir.h"

#include <QCoreApplication>

namespace ui {

namespace {
std::filesystem::path& overridden() {
  static std::filesystem::path dir;
  return dir;
}
}  // namespace

std::filesystem::path sampleDir() {
  if (!overridden().empty()) return overridden();
  const std::filesystem::path bin = QCoreApplication::applicationDirPath().toStdString();
  return (bin / ".." / "share" / "tovrin").lexically_normal();
}

void setSampleDir(std::filesystem::path dir) { overridden() = std::move(dir); }

}  // namespace ui
