#pragma once
// Opens the program on the offscreen platform and runs its commands.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "support/app_fixture.h"
#include "ui/text.h"

namespace testing_support {

class ViewTest : public AppTest {
 protected:
  // Runs a command and returns the window it showed.
  QDialog* run(const QString& command) {
    w.main->command(command)->trigger();
    EXPECT_FALSE(platform.modal.shown.empty());
    view = platform.modal.shown.empty() ? nullptr : platform.modal.shown.back().data();
    return view;
  }

  template <class T = QWidget>
  T* find(const QString& name) {
    return findIn<T>(view, name);
  }
  QString text(const QString& label) { return find<QLabel>(label)->text(); }
  QStringList memo() { return ui::memoLines(find<QPlainTextEdit>("mm")); }
  void click(const QString& button) { find<QPushButton>(button)->click(); }
  QTableWidget* grid() { return find<QTableWidget>("sgl"); }
  QString cell(int r, int c) {
    auto* it = grid()->item(r, c);
    return it ? it->text() : QString();
  }
  QStringList row(int r, int from, int to) {
    QStringList out;
    for (int c = from; c <= to; ++c) out << cell(r, c);
    return out;
  }

  QDialog* view = nullptr;
};

// `n` draws on consecutive days from 2020/01/01 (numbers 300001, …), each
// with seven distinct balls that vary from draw to draw.
inline std::vector<std::string> someDraws(int n) {
  std::vector<std::string> lines;
  for (int i = 0; i < n; ++i) {
    char buf[64];
    const tovrin::Date d = tovrin::Date::fromSerial(tovrin::Date{2020, 1, 1}.serial() + i);
    int b[7];
    for (int k = 0; k < 7; ++k) b[k] = (i * 11 + k * 7) % 49 + 1;
    std::snprintf(buf, sizeof buf, "%s,%06d,%02d,%02d,%02d,%02d,%02d,%02d,%02d", d.text().c_str(), 300001 + i, b[0],
                  b[1], b[2], b[3], b[4], b[5], b[6]);
    lines.push_back(buf);
  }
  return lines;
}

}  // namespace testing_support
