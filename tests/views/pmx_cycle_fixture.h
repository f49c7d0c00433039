#pragma once
// Starts the program on a draw file and opens an analysis view from the main
// window's command list, on the offscreen platform.
#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include "support/app_fixture.h"

namespace testing_support {

class ViewWindowTest : public AppTest {
 protected:
  // Runs a command and returns the window it showed.
  QWidget* open(const char* command) {
    const auto before = platform.modal.shown.size();
    w.main->command(command)->trigger();
    EXPECT_EQ(platform.modal.shown.size(), before + 1);
    v = platform.modal.shown.back();
    EXPECT_TRUE(v && v->isVisible());
    return v;
  }
  template <class T = QWidget>
  T* find(const char* name) {
    return findIn<T>(v, name);
  }
  QString text(const char* label) { return find<QLabel>(label)->text(); }
  void set(const char* combo, const QString& value) { find<QComboBox>(combo)->setCurrentText(value); }
  QString cell(const char* grid, int row, int column) {
    const auto* it = find<QTableWidget>(grid)->item(row, column);
    return it ? it->text() : QString();
  }
  QString viewCell(const char* grid, int row, int column) {
    auto* m = find<QTableView>(grid)->model();
    return m->data(m->index(row, column)).toString();
  }
  QStringList messages() const { return platform.messages.texts(); }

  QWidget* v = nullptr;
};

// The first seven balls drawn as "b1,…,sp" on consecutive days from 2020/01/01,
// draw numbers 100001, 100002, …
inline std::vector<std::string> drawLines(const std::vector<std::string>& balls) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < balls.size(); ++i)
    lines.push_back("2020/01/" + std::string(i < 9 ? "0" : "") + std::to_string(i + 1) + "," +
                    std::to_string(100001 + i) + "," + balls[i]);
  return lines;
}

}  // namespace testing_support
