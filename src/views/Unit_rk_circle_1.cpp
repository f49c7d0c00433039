#include "views/Unit_rk_circle_1.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QTableView>
#include <QVBoxLayout>

#include "pillars/tovrin_widgets.h"
#include "views/cycle_grid_model.h"

TForm_rk_circle_1::TForm_rk_circle_1(TForm_rk_main* main) : CycleStatsDialog(main, tovrin::CycleKind::Balls) {
  setObjectName("Form_rk_circle_1");
  setWindowTitle(QStringLiteral("號碼週期統計"));
  cb_tail = tovrin_ui::checkBox(this, "cb_tail", QStringLiteral("按尾數排列"), false);
  auto* row = new QHBoxLayout;
  row->addWidget(cb_tail);
  row->addStretch();
  layout_->insertLayout(1, row);
  sgmap2 = cycleGridView(this, "sgmap2", &sgmap2Model_);
  layout_->addWidget(sgmap2, 1);
  sgmap2->hide();
  offerMenuOn(this);
  offerMenuOn(sgmap);
  offerMenuOn(sgmap2);
  connect(cb_tail, &QCheckBox::toggled, this, [this] { cb_tailClick(); });
  resize(1200, 700);
  setWindowState(Qt::WindowMaximized);
}

void TForm_rk_circle_1::cb_tailClick() {
  if (!table_) return;
  sgmap2Model_->setTable(table_, tovrin::cycleColumnOrder(*table_, true));
  sgmap2->setColumnWidth(0, 90);
  sgmap2->setColumnWidth(1, 64);
  // The regrouped grid takes the place of the plain one.
  sgmap2->setVisible(cb_tail->isChecked());
  sgmap->setVisible(!cb_tail->isChecked());
}

std::vector<int> TForm_rk_circle_1::shownOrder() const {
  return tovrin::cycleColumnOrder(*table_, cb_tail->isChecked());
}
