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

#include "support/app_fixture.h"

namespace testing_support {

class ViewsTest : public AppTest {
 protected:
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

  template <class T = QWidget>
  T* find(const QString& name) {
    return findIn<T>(v, name);
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

  QDialog* v = nullptr;
};

}  // namespace testing_support
