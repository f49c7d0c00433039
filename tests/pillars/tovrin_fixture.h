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

#include "pillars/Unit_tovrin.h"
#include "support/app_fixture.h"
#include "ui/text.h"

namespace testing_support {

class TovrinTest : public AppTest {
 protected:
  // Starts the program with the given draw file (or the real Big Lotto
  // history) and opens the analyzer from its command.
  void open(const std::vector<std::string>& drawLines = {}) {
    start(drawLines);
    w.main->command("tovrin")->trigger();
    t = w.tovrin;
    ASSERT_TRUE(t->isVisible());
  }

  template <class T = QWidget>
  T* find(const QString& name) {
    return findIn<T>(t, name);
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

  TForm_tovrin* t = nullptr;
};

}  // namespace testing_support
