#include "views/Unit_rk_7_1.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/views/pmx.h"
#include "history/Unit_RK_main.h"
#include "pillars/tovrin_widgets.h"
#include "ui/platform.h"
#include "ui/text.h"
#include "views/grid_cells.h"

using namespace tovrin_ui;
using gridcells::setCell;
using ui::qs;

namespace {

// Rows 1..99 list the latest draws; the grid never grows.
constexpr int kGridRows = 100;

// A box still being typed into (empty, or only a sign) is not read yet.
bool unfinished(const QString& text) {
  const QString t = text.trimmed();
  return t.isEmpty() || t == "-";
}

}  // namespace

TForm_rk_7_1::TForm_rk_7_1(TForm_rk_main* main) : QDialog(main), main_(main) {
  setObjectName("Form_rk_7_1");
  setWindowTitle(QStringLiteral("PMX版路"));
  buildUi();
  resize(820, 680);
}

void TForm_rk_7_1::buildUi() {
  auto* top = new QVBoxLayout(this);
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");

  auto* tab1 = new QWidget;
  tab1->setObjectName("TabSheet1");
  auto* row1 = new QHBoxLayout(tab1);
  row1->addWidget(label(tab1, "Label1", QStringLiteral("期數")));
  cb_latest1 = combo(tab1, "cb_latest1", {}, QString());
  cb_latest1->setMinimumWidth(100);
  row1->addWidget(cb_latest1);
  row1->addWidget(label(tab1, "Label2", QStringLiteral("間隔")));
  cb_11 = combo(tab1, "cb_11", numbers(1, 30), "1");
  row1->addWidget(cb_11);
  row1->addWidget(label(tab1, "Label3", QStringLiteral("期")));
  cb_spno1 = checkBox(tab1, "cb_spno1", QStringLiteral("含特別號"), true);
  row1->addWidget(cb_spno1);
  row1->addStretch();
  PageControl1->addTab(tab1, QStringLiteral("間隔連莊"));

  auto* tab2 = new QWidget;
  tab2->setObjectName("TabSheet2");
  auto* row2 = new QHBoxLayout(tab2);
  row2->addWidget(label(tab2, "Label4", QStringLiteral("前跳")));
  cb_21d = combo(tab2, "cb_21d", numbers(0, 20), "0");
  row2->addWidget(cb_21d);
  row2->addWidget(label(tab2, "Label5", QStringLiteral("期")));
  row2->addWidget(label(tab2, "Label6", QStringLiteral("間隔")));
  cb_22 = combo(tab2, "cb_22", numbers(1, 30), "1");
  row2->addWidget(cb_22);
  row2->addWidget(label(tab2, "Label7", QStringLiteral("期")));
  row2->addWidget(label(tab2, "Label8", QStringLiteral("統計")));
  cb_23 = combo(tab2, "cb_23", numbers(1, 15), "1");
  row2->addWidget(cb_23);
  row2->addWidget(label(tab2, "Label9", QStringLiteral("期")));
  cb_24 = combo(tab2, "cb_24", {QStringLiteral("加"), QStringLiteral("減")}, QStringLiteral("加"), false);
  row2->addWidget(cb_24);
  cb_25 = combo(tab2, "cb_25", numbers(0, 21), "0");
  row2->addWidget(cb_25);
  cb_spno2 = checkBox(tab2, "cb_spno2", QStringLiteral("含特別號"), true);
  row2->addWidget(cb_spno2);
  auto* SpeedButton5 = new QToolButton(tab2);
  SpeedButton5->setObjectName("SpeedButton5");
  SpeedButton5->setText(QStringLiteral("說明"));
  row2->addWidget(SpeedButton5);
  row2->addStretch();
  PageControl1->addTab(tab2, QStringLiteral("PMX版路"));
  PageControl1->setMaximumHeight(PageControl1->sizeHint().height());
  top->addWidget(PageControl1);

  sgl = gridcells::stringGrid(this, "sgl", kGridRows, 11);
  sgl->horizontalHeader()->setDefaultSectionSize(62);
  sgl->setColumnWidth(0, 96);
  top->addWidget(sgl, 1);

  Panel3 = new QFrame(this);
  Panel3->setObjectName("Panel3");
  Panel3->setFrameShape(QFrame::StyledPanel);
  auto* panel = new QVBoxLayout(Panel3);
  lbtitle = label(Panel3, "lbtitle");
  lb_next = label(Panel3, "lb_next");
  lbtot = label(Panel3, "lbtot");
  QFont big = lb_next->font();
  big.setPointSize(big.pointSize() + 3);
  big.setBold(true);
  lb_next->setFont(big);
  lb_next->setTextInteractionFlags(Qt::TextSelectableByMouse);
  panel->addWidget(lbtitle);
  panel->addWidget(lb_next);
  panel->addWidget(lbtot);
  top->addWidget(Panel3);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  auto* BitBtn1 = button(this, "BitBtn1", QStringLiteral("關閉"));
  bottom->addWidget(BitBtn1);
  top->addLayout(bottom);

  connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
  for (QComboBox* c : {cb_latest1, cb_11})
    connect(c, &QComboBox::currentTextChanged, this, [this](const QString& t) {
      if (!unfinished(t)) cb_11Change();
    });
  connect(cb_spno1, &QCheckBox::toggled, this, [this] { cb_11Change(); });
  for (QComboBox* c : {cb_21d, cb_22, cb_23, cb_24, cb_25})
    connect(c, &QComboBox::currentTextChanged, this, [this](const QString& t) {
      if (!unfinished(t)) cb_23Change();
    });
  connect(cb_spno2, &QCheckBox::toggled, this, [this] { cb_23Change(); });
  connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
}

void TForm_rk_7_1::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

int TForm_rk_7_1::rowOf(int draw) const {
  const int row = main_->table().count - draw + 1;
  return row >= 1 && row < kGridRows ? row : 0;
}

void TForm_rk_7_1::FormShow() {
  reset_table();
  const auto& t = main_->table();
  QStringList latest;
  for (int r = t.count; r >= 1 && r > t.count - 11; --r) latest << qs(t.numbers[r - 1]);
  for (QComboBox* c : {cb_latest1, cb_11}) c->blockSignals(true);
  cb_latest1->clear();
  cb_latest1->addItems(latest);
  cb_latest1->setCurrentText(latest.isEmpty() ? QString() : latest.front());
  cb_11->clear();
  cb_11->addItems(numbers(1, 30));
  cb_11->setCurrentText("1");
  for (QComboBox* c : {cb_latest1, cb_11}) c->blockSignals(false);
  PageControl1->blockSignals(true);
  PageControl1->setCurrentIndex(0);
  PageControl1->blockSignals(false);
  PageControl1Change();
}

void TForm_rk_7_1::reset_table() {
  static const char* const headings[] = {" 日     期", " 期 數", "第一落", "第二落", "第三落", "第四落",
                                         "第五落",     "第六落", "特別號", " 開 出 ", "號碼數"};
  sgl->setRowCount(kGridRows);
  for (int c = 0; c < sgl->columnCount(); ++c) setCell(sgl, 0, c, QString::fromUtf8(headings[c]));
  for (int r = 1; r < kGridRows; ++r)
    for (int c = 0; c < sgl->columnCount(); ++c) setCell(sgl, r, c, QString());
  const auto& t = main_->table();
  for (int draw = t.count; draw >= 1; --draw) {
    const int row = rowOf(draw);
    if (row == 0) break;
    setCell(sgl, row, 0, t.dates[draw - 1].text());
    setCell(sgl, row, 1, t.numbers[draw - 1]);
    for (int i = 0; i < 7; ++i) setCell(sgl, row, 2 + i, t.sorted[draw - 1][i]);
  }
}

void TForm_rk_7_1::PageControl1Change() {
  if (PageControl1->currentIndex() == 0) {
    cb_11Change();
    Panel3->hide();
    sgl->setColumnCount(10);
  } else {
    sgl->setColumnCount(11);
    setCell(sgl, 0, 10, QStringLiteral("號碼數"));
    rebuildPmxCombos();
    Panel3->show();
    cb_23Change();
  }
}

void TForm_rk_7_1::rebuildPmxCombos() {
  struct Box {
    QComboBox* box;
    int from, to;
  } boxes[] = {{cb_21d, 0, 20}, {cb_22, 1, 30}, {cb_23, 1, 15}, {cb_25, 0, 21}};
  for (const auto& b : boxes) {
    b.box->blockSignals(true);
    b.box->clear();
    b.box->addItems(numbers(b.from, b.to));
    b.box->setCurrentText(QString::number(b.from));
    b.box->blockSignals(false);
  }
}

void TForm_rk_7_1::cb_11Change() {
  bool ok = false;
  const int n = cb_11->currentText().trimmed().toInt(&ok);
  if (!ok || n < 1) return;
  const auto& t = main_->table();
  const auto marks = tovrin::chk_7_1(t, ui::ss(cb_latest1->currentText().trimmed()), n, cb_spno1->isChecked());
  for (int draw = t.count; draw >= 1 && rowOf(draw); --draw)
    setCell(sgl, rowOf(draw), 9, tovrin::hitText(marks[draw - 1]));
}

void TForm_rk_7_1::cb_23Change() {
  for (QComboBox* c : {cb_21d, cb_22, cb_23, cb_25})
    if (unfinished(c->currentText())) return;
  const auto J = ui::readInteger(this, cb_21d->currentText());
  if (!J) return;
  const auto I = ui::readInteger(this, cb_22->currentText());
  if (!I) return;
  const auto K = ui::readInteger(this, cb_23->currentText());
  if (!K) return;
  const auto A = ui::readInteger(this, cb_25->currentText());
  if (!A) return;
  const QString refusal = *J < 0   ? QStringLiteral("「前跳」必須是 0 以上的整數，請重新輸入")
                          : *I < 1 ? QStringLiteral("「間隔」必須是 1 以上的整數，請重新輸入")
                          : *K < 1 ? QStringLiteral("「統計」必須是 1 以上的整數，請重新輸入")
                                   : QString();
  if (!refusal.isEmpty()) {
    ui::message(this, ui::Icon::Warning, refusal);
    return;
  }
  const long long shift = cb_24->currentText() == QStringLiteral("加") ? *A : -static_cast<long long>(*A);
  const auto& t = main_->table();
  const auto r = tovrin::chk_7_2(t, main_->settings().maxBall, {*J, *I, *K, shift, cb_spno2->isChecked()});
  for (int draw = t.count; draw >= 1 && rowOf(draw); --draw) {
    setCell(sgl, rowOf(draw), 9, tovrin::hitText(r.hits[draw - 1]));
    setCell(sgl, rowOf(draw), 10, tovrin::poolSizeText(r.size[draw - 1]));
  }
  lbtitle->setText(qs(r.lbtitle));
  lb_next->setText(qs(r.lb_next));
  lbtot->setText(qs(r.lbtot));
}

void TForm_rk_7_1::SpeedButton5Click() { main_->show_memo(QStringLiteral("help_pmx.txt")); }
