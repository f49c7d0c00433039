
#include "app/windows.h"
#include "history/Unit_RK_main.h"
#include "ui/application.h"

int main(int argc, char** argv) {
  ui::Application app(argc, argv);
  QApplication::setApplicationName("Tovrin");
  AppWindows w = createAppWindows();
  w.main->showMaximized();
  const int rc = QApplication::exec();
  delete w.main;
  return rc;
}
