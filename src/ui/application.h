#pragma once
// The application object. Its event dispatch is the last line of defence: an
// exception that escapes a handler is shown to the user in an error box and
// the program goes on, instead of ending with the user's work unsaved.
#include <QApplication>

namespace ui {

class Application : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace ui
