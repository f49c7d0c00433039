#include "views/Unit_rk_sumno.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/views/occurrence.h"
#include "history/Unit_RK_main.h"
#include "pillars/tovrin_widgets.h"
#include "ui/text.h"
#include "views/grid_cells.h"

using namespace tovrin_ui;
using ui::qs;

TForm_rk_sumno::TForm_rk_sumno(TForm_rk_main* main) : QDialog(main), main_(main) {
  setObjectName("Form_rk_sumno");
  setWindowTitle(QStringLiteral("次群統計"));

  auto* top = new QVBoxLayout(this);
  lbtitle = label(this, "lbtitle");
  QFont f = lbtitle->font();
  f.setBold(true);
  lbtitle->setFont(f);
  top->addWidget(lbtitle);

  auto* middle = new QHBoxLayout;
  sg = gridcells::stringGrid(this, "sg", 2, 2);
  middle->addWidget(sg, 1);
  auto* scroll = new QVBoxLayout;
  Label1 = label(this, "Label1");
  sbar = new QScrollBar(Qt::Vertical, this);
  sbar->setObjectName("sbar");
  Label2 = label(this, "Label2");
  Label1->setMinimumWidth(80);
  Label2->setMinimumWidth(80);
  scroll->setAlignment(sbar, Qt::AlignHCenter);
  scroll->addWidget(Label1);
  scroll->addWidget(sbar, 1);
  scroll->addWidget(Label2);
  middle->addLayout(scroll);
  top->addLayout(middle, 1);

  lbavr = label(this, "lbavr");
  Label3 = label(this, "Label3");
  lb_is_no = label(this, "lb_is_no");
  lbavr2 = label(this, "lbavr2");
  for (QLabel* l : {lbavr, Label3, lb_is_no, lbavr2}) {
    l->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    top->addWidget(l);
  }

  auto* bottom = new QHBoxLayout;
  cb_spno = checkBox(this, "cb_spno", QStringLiteral("含特別號"), true);
  bottom->addWidget(cb_spno);
  bottom->addStretch();
  auto* BitBtn1 = button(this, "BitBtn1", QStringLiteral("關閉"));
  bottom->addWidget(BitBtn1);
  top->addLayout(bottom);

  connect(sbar, &QScrollBar::valueChanged, this, [this] { sbarChange(); });
  connect(cb_spno, &QCheckBox::toggled, this, [this] { sbarChange(); });
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
  resize(620, 720);
}

void TForm_rk_sumno::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TForm_rk_sumno::FormShow() {
  const int count = main_->table().count;
  // The latest 30 draws and the position after the newest; never below draw 1.
  const int low = std::max(1, count - 30);
  const int high = count + 1;
  sbar->blockSignals(true);
  sbar->setRange(low, high);
  sbar->setValue(std::clamp(count, low, high));
  sbar->blockSignals(false);
  Label1->setText(QStringLiteral("第 %1 期").arg(low));
  Label2->setText(QStringLiteral("第 %1 期").arg(high));
  sbarChange();
}

void TForm_rk_sumno::sbarChange() {
  const int P = sbar->value();
  auto g = tovrin::sumof(main_->table(), main_->settings().maxBall, P - 1, cb_spno->isChecked());
  const auto loc = tovrin::locateof(main_->table(), P, g);
  gridcells::fill(sg, g.sg);
  lbtitle->setText(qs(g.lbtitle));
  lbavr->setText(qs(g.lbavr));
  if (loc) {
    lb_is_no->setText(qs(loc->lb_is_no));
    Label3->setText(qs(loc->Label3));
    lbavr2->setText(qs(loc->lbavr2));
  }
}
