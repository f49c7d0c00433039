// Entry point of the window tests: one application object for all of them.
#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/platform.h"
#include "ui/qt_udp.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
  ui::Application app(argc, argv);
  QApplication::setApplicationName("Tovrin");
  // No test binds the program's own UDP port, even one that keeps the
  // desktop seams: every endpoint goes to 127.0.0.1 on a free port.
  static ui::QtUdpFactory loopbackUdp(QHostAddress::LocalHost, 0);
  ui::platform().udp = &loopbackUdp;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
