#pragma once
// String grids of the analysis views: a table whose row 0 and column 0 hold
// the headings as ordinary cells (no Qt header bars), addressed by row and
// column like the grids the views describe.
#include <QString>
#include <string>
#include <vector>

class QTableWidget;
class QWidget;

namespace gridcells {

QTableWidget* stringGrid(QWidget* parent, const char* name, int rows, int columns);
// Sets one cell's text, creating the cell when needed.
void setCell(QTableWidget* grid, int row, int column, const QString& text);
void setCell(QTableWidget* grid, int row, int column, const std::string& text);
// The cell's text, empty for a cell never written.
QString cell(const QTableWidget* grid, int row, int column);
// Resizes the grid to the rows given and writes every cell.
void fill(QTableWidget* grid, const std::vector<std::vector<std::string>>& rows);

}  // namespace gridcells
