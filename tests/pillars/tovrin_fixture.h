#pragma once
// Opens the analyzer window the way the user does, on the offscreen platform.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "app/windows.h"
#include "history/Unit_RK_main.h"
#include "pillars/Unit_tovrin.h"
#include "support/fake_platform.h"
#include "ui/text.h"

// Readable failure messages for texts the windows show.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace testing_support {

class TovrinTest : public ::testing::Test {
 protected:
  // Starts the program with the given draw file (or the real Big Lotto
  // history) and opens the analyzer from its command.
  void open(const std::vector<std::string>& drawLines = {}) {
    if (drawLines.empty())
      copyData("RK8e49.txt", platform.dir());
    else
      writeBytes(platform.dir() / "RK8e49.txt", crlf(drawLines));
    w = createAppWindows();
    w.main->show();
    w.main->command("tovrin")->trigger();
    t = w.tovrin;
    ASSERT_TRUE(t->isVisible());
  }
  void TearDown() override { delete w.main; }

  template <class T = QWidget>
  T* find(const QString& name) {
    auto* c = t->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
  }
  QString text(const QString& label) { return find<QLabel>(label)->text(); }
  QStringList memo(const QString& name) { return ui::memoLines(find<QPlainTextEdit>(name)); }
  void click(const QString& button) { find<QPushButton>(button)->click(); }
  QCheckBox* ball(int n) { return find<QCheckBox>(QString("CB%1").arg(n, 2, 10, QChar('0'))); }
  void tick(std::initializer_list<int> balls) {
    for (int b : balls) ball(b)->setChecked(true);
  }
  void setCombo(const QString& name, const QString& value) { find<QComboBox>(name)->setCurrentText(value); }
  int page() { return find<QTabWidget>("PageC")->currentIndex(); }

  FakePlatform platform;
  AppWindows w;
  TForm_tovrin* t = nullptr;
};

}  // namespace testing_support
