#include "views/Unit_rk_76locate.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/views/occurrence.h"
#include "history/Unit_RK_main.h"
#include "pillars/tovrin_widgets.h"
#include "ui/platform.h"
#include "ui/text.h"
#include "views/grid_cells.h"

using namespace tovrin_ui;
using gridcells::setCell;
using ui::qs;

TForm_rk_76locate::TForm_rk_76locate(TForm_rk_main* main) : QDialog(main), main_(main) {
  setObjectName("Form_rk_76locate");
  setWindowTitle(QStringLiteral("7x7 落點圖"));

  auto* top = new QVBoxLayout(this);
  auto* controls = new QHBoxLayout;
  controls->addWidget(label(this, "Label3", QStringLiteral("位置移動")));
  cb_move = combo(this, "cb_move", numbers(0, 48), "0");
  controls->addWidget(cb_move);
  cb_mx = checkBox(this, "cb_mx", QStringLiteral("每期調整位置"), false);
  controls->addWidget(cb_mx);
  controls->addStretch();
  top->addLayout(controls);

  auto* middle = new QHBoxLayout;
  sg = gridcells::stringGrid(this, "sg", 8, 8);
  sg->horizontalHeader()->setDefaultSectionSize(56);
  sg->verticalHeader()->setDefaultSectionSize(40);
  QFont f = sg->font();
  f.setPointSize(f.pointSize() + 3);
  sg->setFont(f);
  middle->addWidget(sg, 1);
  auto* scroll = new QVBoxLayout;
  Label1 = label(this, "Label1");
  sbar = new QScrollBar(Qt::Vertical, this);
  sbar->setObjectName("sbar");
  Label2 = label(this, "Label2");
  Label1->setMinimumWidth(48);
  Label2->setMinimumWidth(48);
  scroll->setAlignment(sbar, Qt::AlignHCenter);
  scroll->addWidget(Label1);
  scroll->addWidget(sbar, 1);
  scroll->addWidget(Label2);
  middle->addLayout(scroll);
  top->addLayout(middle, 1);

  connect(sbar, &QScrollBar::valueChanged, this, [this] { sbarChange(); });
  connect(cb_move, &QComboBox::currentTextChanged, this, [this](const QString& t) {
    // A box being typed into is empty or holds only a sign for a moment.
    if (t.trimmed().isEmpty() || t.trimmed() == "-") return;
    sbarChange();
  });
  connect(cb_mx, &QCheckBox::toggled, this, [this] { sbarChange(); });
  resize(590, 430);
}

void TForm_rk_76locate::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TForm_rk_76locate::FormShow() {
  setCell(sg, 0, 0, QStringLiteral("位置"));
  for (int c = 1; c <= 7; ++c) setCell(sg, 0, c, QStringLiteral(" ") + QChar('A' + c - 1));
  for (int r = 1; r <= 7; ++r) setCell(sg, r, 0, QStringLiteral("   ") + QChar('a' + r - 1));

  const int count = main_->table().count;
  sbar->blockSignals(true);
  sbar->setRange(count >= 1 ? 1 : 0, count);
  sbar->setValue(count);
  sbar->setEnabled(count >= 1);
  sbar->blockSignals(false);
  Label1->setText(count >= 1 ? QString::number(1) : QString());
  Label2->setText(count >= 1 ? QString::number(count) : QString());

  cb_move->blockSignals(true);
  cb_move->clear();
  cb_move->addItems(numbers(0, main_->settings().maxBall - 1));
  cb_move->setCurrentText("0");
  cb_move->blockSignals(false);
  sbarChange();
}

void TForm_rk_76locate::sbarChange() {
  const auto m = ui::readInteger(this, cb_move->currentText());
  if (!m) return;
  const auto cells =
      tovrin::locate76(main_->table(), main_->settings().maxBall, sbar->value(), *m, cb_mx->isChecked());
  for (int i = 0; i < 49; ++i) setCell(sg, i / 7 + 1, i % 7 + 1, cells[i]);
}
