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
  const QString app = QCoreApplication::applicationDirPath();
  // Without a known program folder there is no install to look in (a
  // relative guess would read from wherever the user happens to be).
  if (app.isEmpty()) return {};
  const std::filesystem::path bin = app.toStdString();
  return (bin / ".." / "share" / "tovrin").lexically_normal();
}

void setSampleDir(std::filesystem::path dir) { overridden() = std::move(dir); }

}  // namespace ui
