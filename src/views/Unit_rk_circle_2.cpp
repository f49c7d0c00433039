#include "views/Unit_rk_circle_2.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "pillars/tovrin_widgets.h"

TForm_rk_circle_2::TForm_rk_circle_2(TForm_rk_main* main) : CycleStatsDialog(main, tovrin::CycleKind::Tails) {
  setObjectName("Form_rk_circle_2");
  setWindowTitle(QStringLiteral("尾數週期統計"));
  sgmap->horizontalHeader()->setDefaultSectionSize(44);
  offerMenuOn(sgmap);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  auto* BitBtn1 = tovrin_ui::button(this, "BitBtn1", QStringLiteral("關閉"));
  bottom->addWidget(BitBtn1);
  layout_->addLayout(bottom);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
  setFixedSize(640, 560);
}
