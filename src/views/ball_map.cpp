#include "views/ball_map.h"

#include <QHeaderView>

#include "core/util/date.h"
#include "core/views/ball_map.h"
#include "ui/text.h"

namespace views {

BallMapGrid::BallMapGrid(const QString& objectName, QWidget* parent) : QTableWidget(parent) {
  setObjectName(objectName);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setSortingEnabled(false);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(20);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setMinimumSectionSize(10);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  connect(this, &QTableWidget::cellClicked, this, [this](int row, int col) { emit cellSelected(col, row + 1); });
  setBalls(49);
}

void BallMapGrid::setBalls(int maxBall) {
  setColumnCount(maxBall + 2);
  QStringList headings = {QString::fromUtf8(tovrin::kMapDateHeading), QString::fromUtf8(tovrin::kMapNumberHeading)};
  for (int b = 1; b <= maxBall; ++b) headings << ui::qs(tovrin::format00(b));
  setHorizontalHeaderLabels(headings);
  setColumnWidth(0, 92);
  setColumnWidth(1, 64);
  for (int c = 2; c < maxBall + 2; ++c) setColumnWidth(c, 24);  // one mark each
}

void BallMapGrid::setMapRows(int rows) { setRowCount(std::max(0, rows)); }

void BallMapGrid::clearCells() { clearContents(); }

QString BallMapGrid::cellText(int row, int col) const {
  const auto* it = item(row - 1, col);
  return it ? it->text() : QString();
}

void BallMapGrid::putCell(int row, int col, const QString& text) {
  if (row < 1 || row > rowCount() || col < 0 || col >= columnCount()) return;
  if (text.isEmpty()) {
    delete takeItem(row - 1, col);
    return;
  }
  if (auto* it = item(row - 1, col)) {
    it->setText(text);
    return;
  }
  auto* it = new QTableWidgetItem(text);
  if (col >= 2) it->setTextAlignment(Qt::AlignCenter);
  setItem(row - 1, col, it);
}

void BallMapGrid::putDraw(int row, const tovrin::DrawTable& t, int r) {
  putCell(row, 0, ui::qs(t.dates[r - 1].text()));
  putCell(row, 1, ui::qs(t.numbers[r - 1]));
  for (const auto& m : tovrin::drawMarks(t, r, maxBall())) putCell(row, m.ball + 1, QString::fromUtf8(m.text));
}

void BallMapGrid::listDraws(const tovrin::DrawTable& t, const std::vector<int>& draws, int blankRows) {
  setUpdatesEnabled(false);
  clearContents();
  setRowCount(static_cast<int>(draws.size()) + blankRows);
  int row = 1;
  for (int r : draws) putDraw(row++, t, r);
  setUpdatesEnabled(true);
}

std::vector<std::vector<std::string>> BallMapGrid::rowTexts() const {
  std::vector<std::vector<std::string>> rows(rowCount(), std::vector<std::string>(columnCount()));
  for (int r = 0; r < rowCount(); ++r)
    for (int c = 0; c < columnCount(); ++c)
      if (const auto* it = item(r, c)) rows[r][c] = ui::ss(it->text());
  return rows;
}

}  // namespace views
