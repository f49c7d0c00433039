#pragma once
// The draw-by-ball map grid shared by the classic views: a heading row (date,
// draw number, "01".."49"), then one row per draw with "●" at its six balls
// and "☆" at its special ball; views add their own marks. Rows are counted as
// the views count them: row 1 is the first row under the headings. Empty
// cells hold no item, so large maps build quickly.
#include <QTableWidget>
#include <string>
#include <vector>

#include "core/history/draw_table.h"

namespace views {

class BallMapGrid : public QTableWidget {
  Q_OBJECT
 public:
  explicit BallMapGrid(const QString& objectName, QWidget* parent = nullptr);

  // ColCount := maxBall + 2, with the headings.
  void setBalls(int maxBall);
  int maxBall() const { return columnCount() - 2; }

  // The number of rows under the headings.
  void setMapRows(int rows);
  int mapRows() const { return rowCount(); }
  // Empties every cell under the headings.
  void clearCells();

  QString cellText(int row, int col) const;
  // Writes a cell; an empty text removes the cell's item.
  void putCell(int row, int col, const QString& text);
  // Date, draw number and marks of draw r of the table into map row `row`.
  void putDraw(int row, const tovrin::DrawTable& t, int r);

  // Shows the listed draws in rows 1..n, followed by `blankRows` empty rows,
  // after emptying the whole grid.
  void listDraws(const tovrin::DrawTable& t, const std::vector<int>& draws, int blankRows);

  // Texts of every row under the headings, columns 0..maxBall + 1.
  std::vector<std::vector<std::string>> rowTexts() const;

 signals:
  // A click on a cell, in map rows and columns (the design's select-cell event).
  void cellSelected(int col, int row);
};

}  // namespace views
