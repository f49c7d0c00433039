#pragma once
// Starts the program on the offscreen platform and opens the classic views
// from their commands, the way the user does.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "app/windows.h"
#include "history/Unit_RK_main.h"
#include "support/fake_platform.h"

namespace testing_support {

class ViewsTest : public ::testing::Test {
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
  // Runs a command and returns the window it showed.
  QDialog* open(const char* command, const char* form) {
    w.main->command(command)->trigger();
    auto* d = w.main->findChild<QDialog*>(form);
    EXPECT_NE(d, nullptr) << form;
    if (d) {
      EXPECT_TRUE(d->isVisible()) << form;
      v = d;
    }
    return d;
  }
  void close() { find<QPushButton>("BitBtn1")->click(); }
  void TearDown() override { delete w.main; }

  template <class T = QWidget>
  T* find(const QString& name) {
    auto* c = v->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
  }
  QString text(const QString& label) { return find<QLabel>(label)->text(); }
  void press(const QString& button) { find<QToolButton>(button)->click(); }
  QTableWidget* grid(const QString& name) { return find<QTableWidget>(name); }

  // Text of a grid cell; rows count from 1 under the headings.
  static QString cell(QTableWidget* g, int row, int col) {
    const auto* it = g->item(row - 1, col);
    return it ? it->text() : QString();
  }
  // The marked balls of a map row: "08● 14● … 30☆ ".
  static QString marks(QTableWidget* g, int row) {
    QString s;
    for (int c = 2; c < g->columnCount(); ++c)
      if (!cell(g, row, c).isEmpty()) s += g->horizontalHeaderItem(c)->text() + cell(g, row, c) + " ";
    return s;
  }
  static int itemCount(QTableWidget* g) {
    int n = 0;
    for (int r = 0; r < g->rowCount(); ++r)
      for (int c = 0; c < g->columnCount(); ++c) n += g->item(r, c) != nullptr;
    return n;
  }
  // The map row showing the draw with this number.
  static int rowOf(QTableWidget* g, const QString& number) {
    for (int r = 1; r <= g->rowCount(); ++r)
      if (cell(g, r, 1) == number) return r;
    return 0;
  }
  // A mouse click on the cell of `ball` in map row `row`.
  static void clickBall(QTableWidget* g, int ball, int row) {
    const QModelIndex index = g->model()->index(row - 1, ball + 1);
    g->scrollTo(index);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(index).center());
  }

  FakePlatform platform;
  AppWindows w;
  QDialog* v = nullptr;
};

}  // namespace testing_support
