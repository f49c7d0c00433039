#include "ui/platform.h"

#include "ui/qt_platform.h"

namespace ui {
namespace {

Platform& current() {
  static Platform p = desktopPlatform();
  return p;
}

}  // namespace

Platform& platform() { return current(); }

Platform setPlatform(const Platform& p) {
  Platform old = current();
  current() = p;
  return old;
}

Answer message(QWidget* parent, Icon icon, const QString& text, Buttons buttons) {
  return platform().messages->show(parent, icon, text, buttons);
}

QDate today() { return platform().clock->today(); }
QDateTime now() { return platform().clock->now(); }
std::filesystem::path workDir() { return platform().workDir->path(); }
int execModal(QDialog* dialog) { return platform().modal->exec(dialog); }
HttpResult httpGet(const QString& url, int timeoutMs) { return platform().http->get(url, timeoutMs); }

void showInvalidInteger(QWidget* parent, const QString& text) {
  message(parent, Icon::Error, QStringLiteral("'%1' is not a valid integer value").arg(text));
}

std::optional<int> readInteger(QWidget* parent, const QString& text) {
  bool ok = false;
  int v = text.trimmed().toInt(&ok);
  if (!ok) {
    showInvalidInteger(parent, text);
    return std::nullopt;
  }
  return v;
}

}  // namespace ui
