#include "views/cycle_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

#include "history/Unit_RK_main.h"
#include "pillars/tovrin_widgets.h"
#include "ui/platform.h"
#include "ui/save.h"
#include "ui/text.h"
#include "views/cycle_grid_model.h"

using namespace tovrin_ui;
using ui::qs;

CycleStatsDialog::CycleStatsDialog(TForm_rk_main* main, tovrin::CycleKind kind)
    : QDialog(main), main_(main), kind_(kind) {
  layout_ = new QVBoxLayout(this);
  auto* controls = new QHBoxLayout;
  controls->addWidget(label(this, "Label1", QStringLiteral("計算週期")));
  cb_circle = combo(this, "cb_circle", {}, "1");
  cb_circle->setMinimumWidth(80);
  controls->addWidget(cb_circle);
  controls->addWidget(label(this, "Label2", QStringLiteral("期")));
  cb_spno = checkBox(this, "cb_spno", QStringLiteral("含特別號"), true);
  controls->addWidget(cb_spno);
  controls->addSpacing(20);
  lbavr = label(this, "lbavr");
  lbmax = label(this, "lbmax");
  controls->addWidget(lbavr);
  controls->addSpacing(20);
  controls->addWidget(lbmax);
  controls->addStretch();
  layout_->addLayout(controls);

  sgmap = cycleGridView(this, "sgmap", &sgmapModel_);
  layout_->addWidget(sgmap, 1);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  N4 = PopupMenu1->addAction(QStringLiteral("將本圖表資料存成文字檔案"));
  N4->setObjectName("N4");
  N4->setParent(this);
  Excel1 = PopupMenu1->addAction(QStringLiteral("將檔案轉成Excel工作表圖解"));
  Excel1->setObjectName("Excel1");
  Excel1->setParent(this);
  connect(N4, &QAction::triggered, this, [this] { N4Click(); });
  connect(Excel1, &QAction::triggered, this, [this] { Excel1Click(); });

  connect(cb_circle, &QComboBox::currentTextChanged, this, [this](const QString& t) {
    // A box being typed into is empty or holds only a sign for a moment.
    if (t.trimmed().isEmpty() || t.trimmed() == "-") return;
    cb_circleChange();
  });
  connect(cb_spno, &QCheckBox::toggled, this, [this] { cb_circleChange(); });
}

void CycleStatsDialog::offerMenuOn(QWidget* w) {
  w->setToolTip(QStringLiteral("按滑鼠右鍵可儲存本表格資料"));
  w->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(w, &QWidget::customContextMenuRequested, this,
          [this, w](const QPoint& pos) { PopupMenu1->popup(w->mapToGlobal(pos)); });
}

void CycleStatsDialog::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void CycleStatsDialog::FormShow() {
  cb_circle->blockSignals(true);
  cb_circle->clear();
  cb_circle->addItems(numbers(1, main_->table().count));
  cb_circle->setCurrentText("1");
  cb_circle->blockSignals(false);
  show_map(1);
}

void CycleStatsDialog::cb_circleChange() {
  const auto n = ui::readInteger(this, cb_circle->currentText());
  if (!n) return;
  if (*n < 1) {
    ui::message(this, ui::Icon::Warning, QStringLiteral("「計算週期」必須是 1 以上的整數，請重新輸入"));
    return;
  }
  show_map(*n);
}

void CycleStatsDialog::show_map(int n) {
  table_ = std::make_shared<const tovrin::CycleTable>(
      tovrin::show_map(main_->table(), main_->settings().maxBall, n, cb_spno->isChecked(), kind_));
  lbavr->setText(qs(table_->lbavr));
  lbmax->setText(qs(table_->lbmax));
  sgmapModel_->setTable(table_, tovrin::cycleColumnOrder(*table_, false));
  sgmap->setColumnWidth(0, 90);
  sgmap->setColumnWidth(1, 64);
  tableChanged();
}

std::vector<int> CycleStatsDialog::shownOrder() const { return tovrin::cycleColumnOrder(*table_, false); }

std::vector<std::string> CycleStatsDialog::exportLines() const {
  return table_ ? tovrin::cycleExportLines(*table_, shownOrder()) : std::vector<std::string>{};
}

void CycleStatsDialog::save(const QString& ext, const QString& filter) {
  const auto outcome = ui::saveLinesAs(this, QStringLiteral("將本圖表資料存成文字檔案"), exportLines(), ext, filter);
  if (outcome == ui::SaveOutcome::Saved)
    ui::message(this, ui::Icon::Information, QStringLiteral("本圖表數據已儲存為文字檔"));
}

void CycleStatsDialog::N4Click() { save(QStringLiteral("txt"), ui::textFilter()); }

void CycleStatsDialog::Excel1Click() { save(QStringLiteral("csv"), ui::csvFilter()); }
