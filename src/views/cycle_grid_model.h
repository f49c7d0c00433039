#pragma once
// A read-only grid over a cycle table: cells are formatted when the view
// asks for them, and a column order shows the same counts regrouped.
// Row 0 holds the headings, as in the other views' grids.
#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "core/views/cycles.h"

class QTableView;
class QWidget;

class CycleGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void setTable(std::shared_ptr<const tovrin::CycleTable> table, std::vector<int> order);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  std::shared_ptr<const tovrin::CycleTable> table_;
  std::vector<int> order_;
};

// A grid view named `name` over its own model, headers hidden.
QTableView* cycleGridView(QWidget* parent, const char* name, CycleGridModel** model);
