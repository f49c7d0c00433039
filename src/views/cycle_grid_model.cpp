#include "views/cycle_grid_model.h"

#include <QBrush>
#include <QHeaderView>
#include <QPalette>
#include <QTableView>

void CycleGridModel::setTable(std::shared_ptr<const tovrin::CycleTable> table, std::vector<int> order) {
  beginResetModel();
  table_ = std::move(table);
  order_ = std::move(order);
  endResetModel();
}

int CycleGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !table_ ? 0 : table_->rowCount;
}

int CycleGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || !table_ ? 0 : static_cast<int>(order_.size());
}

QVariant CycleGridModel::data(const QModelIndex& index, int role) const {
  if (!table_ || !index.isValid()) return {};
  if (role == Qt::DisplayRole)
    return QString::fromStdString(tovrin::cycleCell(*table_, index.row(), order_[index.column()]));
  if (role == Qt::TextAlignmentRole && index.column() >= 2)
    return QVariant::fromValue(Qt::AlignCenter);
  if (role == Qt::BackgroundRole && (index.row() == 0 || index.column() < 2))
    return QPalette().button();
  return {};
}

QTableView* cycleGridView(QWidget* parent, const char* name, CycleGridModel** model) {
  auto* view = new QTableView(parent);
  view->setObjectName(name);
  *model = new CycleGridModel(view);
  view->setModel(*model);
  view->horizontalHeader()->hide();
  view->verticalHeader()->hide();
  view->horizontalHeader()->setDefaultSectionSize(30);
  view->verticalHeader()->setDefaultSectionSize(20);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return view;
}
