#include "views/grid_cells.h"

#include <QHeaderView>
#include <QTableWidget>
#include <algorithm>

namespace gridcells {

QTableWidget* stringGrid(QWidget* parent, const char* name, int rows, int columns) {
  auto* g = new QTableWidget(rows, columns, parent);
  g->setObjectName(name);
  g->horizontalHeader()->hide();
  g->verticalHeader()->hide();
  g->verticalHeader()->setDefaultSectionSize(22);
  return g;
}

void setCell(QTableWidget* grid, int row, int column, const QString& text) {
  if (auto* it = grid->item(row, column)) {
    it->setText(text);
    return;
  }
  auto* it = new QTableWidgetItem(text);
  if (row == 0 || column == 0) it->setBackground(grid->palette().button());
  grid->setItem(row, column, it);
}

void setCell(QTableWidget* grid, int row, int column, const std::string& text) {
  setCell(grid, row, column, QString::fromStdString(text));
}

QString cell(const QTableWidget* grid, int row, int column) {
  const auto* it = grid->item(row, column);
  return it ? it->text() : QString();
}

void fill(QTableWidget* grid, const std::vector<std::vector<std::string>>& rows) {
  std::size_t columns = 0;
  for (const auto& r : rows) columns = std::max(columns, r.size());
  grid->setRowCount(static_cast<int>(rows.size()));
  grid->setColumnCount(static_cast<int>(columns));
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < columns; ++c)
      setCell(grid, static_cast<int>(r), static_cast<int>(c), c < rows[r].size() ? rows[r][c] : std::string());
}

}  // namespace gridcells
