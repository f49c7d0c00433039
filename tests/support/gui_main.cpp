// Entry point of the window tests: one application object for all of them.
#include <gtest/gtest.h>

#include "ui/application.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
  ui::Application app(argc, argv);
  QApplication::setApplicationName("Tovrin");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
