#include "views/Unit_rk_rule_7.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/views/ball_map.h"
#include "core/views/strange.h"
#include "core/views/totals.h"
#include "core/util/format.h"
#include "ui/platform.h"
#include "pillars/tovrin_widgets.h"
#include "ui/text.h"
#include "views/ball_map.h"

using tovrin_ui::speedButton;
using ui::qs;

namespace {

constexpr int kTotalColumn = 9;


void setText(QTableWidget* grid, int row, int col, const QString& text) {
  if (auto* it = grid->item(row, col))
    it->setText(text);
  else
    grid->setItem(row, col, new QTableWidgetItem(text));
}

}  // namespace

TForm_rk_rule_7::TForm_rk_rule_7(const views::ViewLinks& links, QWidget* parent) : QDialog(parent), links_(links) {
  setObjectName("Form_rk_rule_7");
  setWindowTitle(QStringLiteral("總數推算"));
  resize(1180, 760);
  auto* v = new QVBoxLayout(this);

  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(QStringLiteral("總數"), this));
  ed_tot = new QLineEdit(this);
  ed_tot->setObjectName("ed_tot");
  ed_tot->setMaximumWidth(70);
  controls->addWidget(ed_tot);
  controls->addWidget(new QLabel(QStringLiteral("誤差"), this));
  cb_mp = new QComboBox(this);
  cb_mp->setObjectName("cb_mp");
  cb_mp->setEditable(true);
  for (int e = 0; e <= 30; ++e) cb_mp->addItem(QString::number(e));
  cb_mp->setCurrentText("0");
  controls->addWidget(cb_mp);
  cb_spno = new QCheckBox(QStringLiteral("含特別號"), this);
  cb_spno->setObjectName("cb_spno");
  cb_spno->setChecked(true);
  controls->addWidget(cb_spno);
  controls->addSpacing(16);
  SpeedButton1 = speedButton(this, "SpeedButton1", QStringLiteral("上一期"));
  SpeedButton2 = speedButton(this, "SpeedButton2", QStringLiteral("下一期"));
  controls->addWidget(SpeedButton1);
  controls->addWidget(SpeedButton2);
  lbtot = new QLabel(this);
  lbtot->setObjectName("lbtot");
  lbtridx = new QLabel(this);
  lbtridx->setObjectName("lbtridx");
  controls->addSpacing(16);
  controls->addWidget(lbtot);
  controls->addWidget(lbtridx);
  controls->addStretch();
  BitBtn1 = new QPushButton(QStringLiteral("關閉"), this);
  BitBtn1->setObjectName("BitBtn1");
  controls->addWidget(BitBtn1);
  v->addLayout(controls);

  auto* split = new QSplitter(Qt::Horizontal, this);
  sgl = new QTableWidget(split);
  sgl->setObjectName("sgl");
  sgl->setEditTriggers(QAbstractItemView::NoEditTriggers);
  sgl->verticalHeader()->setVisible(false);
  sgl->verticalHeader()->setDefaultSectionSize(20);
  sgl->setColumnCount(10);
  sgmap = new views::BallMapGrid("sgmap", split);
  sgmap->setMapRows(0);
  split->addWidget(sgl);
  split->addWidget(sgmap);
  split->setStretchFactor(0, 2);
  split->setStretchFactor(1, 3);
  v->addWidget(split, 1);

  connect(ed_tot, &QLineEdit::textChanged, this, &TForm_rk_rule_7::cb_mpChange);
  connect(cb_mp, &QComboBox::currentTextChanged, this, &TForm_rk_rule_7::cb_mpChange);
  connect(cb_spno, &QCheckBox::clicked, this, &TForm_rk_rule_7::cb_mpChange);
  connect(SpeedButton1, &QToolButton::clicked, this, &TForm_rk_rule_7::SpeedButton1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, &TForm_rk_rule_7::SpeedButton2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  lbtot->setText(qs(tovrin::matchCountText(0)));
  lbtridx->setText(qs(tovrin::offsetText(0)));
}

void TForm_rk_rule_7::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TForm_rk_rule_7::FormShow() {
  QStringList headings;
  for (const auto& h : tovrin::totalListHeadings()) headings << qs(h);
  sgl->setHorizontalHeaderLabels(headings);
  sgl->setColumnWidth(0, 92);
  for (int c = 2; c < kTotalColumn; ++c) sgl->setColumnWidth(c, 48);
  sgmap->setBalls(links_.history->settings.maxBall);
  // The tolerance box keeps what the user chose last time.
  const QString tolerance = cb_mp->currentText();
  {
    const QSignalBlocker block(cb_mp);
    cb_mp->clear();
    for (int e = 0; e <= 30; ++e) cb_mp->addItem(QString::number(e));
    cb_mp->setCurrentText(tolerance);
  }
  sgl->clearContents();
  sgl->setRowCount(table().count);
  show_total();
  periodOffset_ = 0;
  long long T = 0, E = 0;
  if (readSilently(T, E)) show_rule_total(T, E, 0);
}

void TForm_rk_rule_7::show_total() {
  const auto& t = table();
  const bool withSpecial = cb_spno->isChecked();
  sgl->setUpdatesEnabled(false);
  for (int r = 1; r <= t.count; ++r) {
    setText(sgl, r - 1, 0, qs(t.dates[r - 1].text()));
    setText(sgl, r - 1, 1, qs(t.numbers[r - 1]));
    for (int p = 0; p < 7; ++p) setText(sgl, r - 1, 2 + p, qs(t.drawn[r - 1][p]));
    setText(sgl, r - 1, kTotalColumn, qs(tovrin::formatNumber("000", tovrin::drawTotal(t, r, withSpecial))));
  }
  sgl->setUpdatesEnabled(true);
  // With no draw there is no latest total; the box keeps its text.
  if (const auto latest = tovrin::latestTotal(t, withSpecial)) ed_tot->setText(QString::number(*latest));
}

void TForm_rk_rule_7::show_rule_total(long long T, long long E, int offset) {
  const auto& t = table();
  const auto run = tovrin::ruleTotals(t, T, E, cb_spno->isChecked(), offset);
  sgl->setUpdatesEnabled(false);
  for (int r = 1; r <= t.count && r <= sgl->rowCount(); ++r) setText(sgl, r - 1, kTotalColumn, qs(run.totalTexts[r - 1]));
  sgl->setUpdatesEnabled(true);
  lbtot->setText(qs(tovrin::matchCountText(static_cast<int>(run.listed.size()))));
  sgmap->listDraws(t, run.listed, 0);
  lbtridx->setText(qs(tovrin::offsetText(offset)));
}

bool TForm_rk_rule_7::readSilently(long long& T, long long& E) const {
  bool okT = false, okE = false;
  T = ed_tot->text().trimmed().toInt(&okT);
  E = cb_mp->currentText().trimmed().toInt(&okE);
  return okT && okE;
}

void TForm_rk_rule_7::cb_mpChange() {
  long long T = 0, E = 0;
  if (readSilently(T, E)) show_rule_total(T, E, periodOffset_);
}

void TForm_rk_rule_7::SpeedButton1Click() {
  --periodOffset_;
  const auto T = ui::readInteger(this, ed_tot->text());
  if (!T) return;
  const auto E = ui::readInteger(this, cb_mp->currentText());
  if (!E) return;
  show_rule_total(*T, *E, periodOffset_);
}

void TForm_rk_rule_7::SpeedButton2Click() {
  ++periodOffset_;
  const auto T = ui::readInteger(this, ed_tot->text());
  if (!T) return;
  const auto E = ui::readInteger(this, cb_mp->currentText());
  if (!E) return;
  show_rule_total(*T, *E, periodOffset_);
}
