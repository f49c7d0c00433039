#pragma once
// Pieces the two non-appearing prediction windows share: the string grid
// with its heading row, and memo text written in one update.
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextCursor>
#include <string>
#include <vector>

#include "ui/text.h"

namespace nogood_ui {

// A grid whose row 0 holds the headings, as the player's sheet has them:
// date, draw number, seven narrow ball columns, then the two result columns.
inline QTableWidget* headedGrid(QWidget* parent, const char* name, const QStringList& headings, int predictionWidth,
                                int resultWidth) {
  auto* g = new QTableWidget(2, headings.size(), parent);
  g->setObjectName(name);
  g->horizontalHeader()->hide();
  g->verticalHeader()->hide();
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->verticalHeader()->setDefaultSectionSize(22);
  g->setColumnWidth(0, 96);
  g->setColumnWidth(1, 70);
  for (int c = 2; c <= 8; ++c) g->setColumnWidth(c, 36);
  g->setColumnWidth(9, predictionWidth);
  g->setColumnWidth(10, resultWidth);
  return g;
}

// Writes a cell; never past the grid's rows.
inline void setCell(QTableWidget* g, int row, int col, const QString& text) {
  if (row < 0 || row >= g->rowCount() || col < 0 || col >= g->columnCount()) return;
  if (auto* it = g->item(row, col)) {
    it->setText(text);
  } else {
    auto* n = new QTableWidgetItem(text);
    n->setTextAlignment(Qt::AlignCenter);
    g->setItem(row, col, n);
  }
}

inline void writeHeadings(QTableWidget* g, const QStringList& headings) {
  for (int c = 0; c < headings.size(); ++c) setCell(g, 0, c, headings[c]);
}

inline QString joined(const std::vector<std::string>& lines) {
  QString text;
  for (const auto& l : lines) text += QString::fromStdString(l) + '\n';
  return text;
}

// Replaces the memo's text in one update, without an undo record (a long
// report would otherwise be copied into the undo stack).
inline void setMemo(QPlainTextEdit* mm, const std::vector<std::string>& lines) {
  mm->setUndoRedoEnabled(false);
  mm->setPlainText(joined(lines));
}

// Appends lines at the end of the memo in one update.
inline void appendMemo(QPlainTextEdit* mm, const std::vector<std::string>& lines) {
  mm->setUndoRedoEnabled(false);
  QTextCursor c(mm->document());
  c.movePosition(QTextCursor::End);
  c.insertText(joined(lines));
}

}  // namespace nogood_ui
