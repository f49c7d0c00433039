#pragma once
// The trace window (版路分析及拖牌結果): the draws a view listed, read-only,
// with a "*" in the column of every ball marked on them.
#include <QDialog>

#include "core/views/trace_table.h"

class QPushButton;
class QTableWidget;

class TForm_rk_trace : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_rk_trace(QWidget* parent = nullptr);

  // Copies the rows into the trace table, fills `sgtrace` with its non-empty
  // rows and shows the window modally.
  void showTrace(const std::vector<std::vector<std::string>>& rows, const std::string& limit);
  const tovrin::TraceTable& table() const { return table_; }

 private:
  tovrin::TraceTable table_;
  QTableWidget* sgtrace = nullptr;
  QPushButton* BitBtn1 = nullptr;
};
