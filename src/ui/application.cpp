#include "ui/application.h"

#include <exception>

#include "ui/platform.h"

namespace ui {

bool Application::notify(QObject* receiver, QEvent* event) {
  QString what;
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    what = QString::fromUtf8(e.what());
  } catch (...) {
    what = QStringLiteral("未知的錯誤");
  }
  // Shown outside the handler that failed; a box that failed as well must not
  // take the program down with it.
  try {
    message(activeWindow(), Icon::Error, QStringLiteral("程式發生錯誤，這次操作已停止：") + what);
  } catch (...) {
  }
  return false;
}

}  // namespace ui
