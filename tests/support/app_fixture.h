#pragma once
// Starts the whole program on the offscreen platform with every desktop seam
// replaced, the way a user starts it, for window tests of any area.
#include <QWidget>
#include <gtest/gtest.h>

#include "app/windows.h"
#include "history/Unit_RK_main.h"
#include "support/fake_platform.h"

// Readable failure messages for texts the windows show.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace testing_support {

class AppTest : public ::testing::Test {
 protected:
  // Starts with the real Big Lotto history, or with these draw lines.
  void start(const std::vector<std::string>& drawLines = {}) {
    if (drawLines.empty())
      copyData("RK8e49.txt", platform.dir());
    else
      writeBytes(platform.dir() / "RK8e49.txt", crlf(drawLines));
    startAsFound();
  }
  // Starts with whatever draw files the working directory holds (none: empty).
  void startAsFound() {
    w = createAppWindows();
    w.main->show();
  }
  void TearDown() override { delete w.main; }

  // The control of that name inside `root`; a test failure when there is none.
  template <class T = QWidget>
  static T* findIn(QWidget* root, const QString& name) {
    auto* c = root ? root->findChild<T*>(name) : nullptr;
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
  }

  FakePlatform platform;
  AppWindows w;
};

}  // namespace testing_support
