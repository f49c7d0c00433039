#include "views/rule_map_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/views/ball_map.h"
#include "pillars/tovrin_widgets.h"
#include "ui/text.h"
#include "views/ball_map.h"

using tovrin_ui::speedButton;
using ui::qs;

namespace {


QLabel* label(QWidget* parent, const QString& name, int minWidth = 0) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  if (minWidth) l->setMinimumWidth(minWidth);
  return l;
}

}  // namespace

RuleMapForm::RuleMapForm(int marks, const QString& objectName, const QString& caption, const QString& helpFile,
                         const QString& helpButton, const views::ViewLinks& links, QWidget* parent)
    : QDialog(parent), links_(links), helpFile_(helpFile), picker_(marks) {
  setObjectName(objectName);
  setWindowTitle(caption);
  resize(1180, 760);
  auto* v = new QVBoxLayout(this);

  // The pick buttons form one radio group with the hidden `sbxx`, which is
  // down when no pick is due.
  auto* picks = new QHBoxLayout;
  pickGroup_ = new QButtonGroup(this);
  pickGroup_->setExclusive(true);
  static const char* const kPickCaptions[] = {"第１個號碼", "第２個號碼", "第３個號碼", "第４個號碼"};
  for (int j = 0; j < picker_.marks(); ++j) {
    sb[j] = speedButton(this, "", QString::fromUtf8(kPickCaptions[j]));
    sb[j]->setObjectName(QString("sb%1").arg(j + 1));
    sb[j]->setCheckable(true);
    pickGroup_->addButton(sb[j], j + 1);
    cb[j] = label(this, QString("cb%1").arg(j + 1), 28);
    QFont f = cb[j]->font();
    f.setBold(true);
    cb[j]->setFont(f);
    picks->addWidget(sb[j]);
    picks->addWidget(cb[j]);
    if (j >= 1) {
      Label[j] = label(this, QString("Label%1").arg(j + 1), 64);
      picks->addWidget(Label[j]);
    }
    picks->addSpacing(10);
    connect(sb[j], &QToolButton::clicked, this, [this, j] { picker_.press(j + 1); });
  }
  sbxx = speedButton(this, "sbxx", QString());
  sbxx->setCheckable(true);
  sbxx->setVisible(false);
  pickGroup_->addButton(sbxx, 0);
  connect(sbxx, &QToolButton::clicked, this, [this] { picker_.press(0); });
  if (picker_.marks() == 2) {
    chk_fixed = new QCheckBox(QStringLiteral("固定"), this);
    chk_fixed->setObjectName("chk_fixed");
    picks->addWidget(chk_fixed);
  }
  picks->addStretch();
  v->addLayout(picks);

  auto* buttons = new QHBoxLayout;
  SpeedButton4 = speedButton(this, "SpeedButton4", QStringLiteral("開始搜尋"));
  SpeedButton3 = speedButton(this, "SpeedButton3", QStringLiteral("清除"));
  SpeedButton1 = speedButton(this, "SpeedButton1", QStringLiteral("上一期"));
  SpeedButton2 = speedButton(this, "SpeedButton2", QStringLiteral("下一期"));
  helpButton_ = speedButton(this, "", QStringLiteral("說明"));
  helpButton_->setObjectName(helpButton);
  helpButton_->setToolTip(QStringLiteral("說明"));
  lbtot = label(this, "lbtot", 110);
  lbtridx = label(this, "lbtridx", 80);
  BitBtn1 = new QPushButton(QStringLiteral("關閉"), this);
  BitBtn1->setObjectName("BitBtn1");
  for (QWidget* w : {static_cast<QWidget*>(SpeedButton4), static_cast<QWidget*>(SpeedButton3),
                     static_cast<QWidget*>(SpeedButton1), static_cast<QWidget*>(SpeedButton2),
                     static_cast<QWidget*>(helpButton_)})
    buttons->addWidget(w);
  buttons->addSpacing(16);
  buttons->addWidget(lbtot);
  buttons->addWidget(lbtridx);
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  v->addLayout(buttons);

  auto* split = new QSplitter(Qt::Vertical, this);
  sgmap = new views::BallMapGrid("sgmap", split);
  sgmap1 = new views::BallMapGrid("sgmap1", split);
  split->addWidget(sgmap);
  split->addWidget(sgmap1);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 2);
  v->addWidget(split, 1);
  PopupMenu1 = views::addTracePopup(sgmap1, links_);

  connect(sgmap, &views::BallMapGrid::cellSelected, this, &RuleMapForm::sgmapSelectCell);
  connect(SpeedButton4, &QToolButton::clicked, this, &RuleMapForm::SpeedButton4Click);
  connect(SpeedButton3, &QToolButton::clicked, this, &RuleMapForm::SpeedButton3Click);
  connect(SpeedButton1, &QToolButton::clicked, this, &RuleMapForm::SpeedButton1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, &RuleMapForm::SpeedButton2Click);
  connect(helpButton_, &QToolButton::clicked, this, &RuleMapForm::helpClick);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

  lbtot->setText(qs(tovrin::ruleTotalText(0)));
  lbtridx->setText(qs(tovrin::offsetText(0)));
  showPickState();
}

RuleMapForm::~RuleMapForm() = default;

void RuleMapForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void RuleMapForm::FormShow() {
  sgmap->setBalls(maxBall());
  sgmap1->setBalls(maxBall());
  map_reset();
}

void RuleMapForm::showPickState() {
  for (int j = 1; j <= picker_.marks(); ++j) {
    cb[j - 1]->setText(qs(picker_.cbText(j)));
    if (j >= 2) Label[j - 1]->setText(qs(picker_.labelText(j)));
  }
  const int active = picker_.active();
  (active >= 1 ? sb[active - 1] : sbxx)->setChecked(true);
}

void RuleMapForm::map_reset() {
  picker_.reset();
  showPickState();
  lbtot->setText(qs(tovrin::ruleTotalText(0)));
  if (chk_fixed) chk_fixed->setChecked(false);
  const auto& t = table();
  sgmap->setUpdatesEnabled(false);
  sgmap->clearCells();
  sgmap->setMapRows(t.count);
  // Every row of the result map is emptied, however many it has, so no row
  // of an earlier listing (perhaps of the other game) is left standing.
  sgmap1->clearCells();
  for (int r = 1; r <= t.count; ++r) sgmap->putDraw(r, t, r);
  sgmap->setUpdatesEnabled(true);
}

void RuleMapForm::sgmapSelectCell(int ACol, int ARow) {
  if (ARow > table().count) return;
  const int digit = picker_.select(ACol, ARow);
  if (!digit) return;
  sgmap->putCell(ARow, ACol, QString::fromUtf8(tovrin::pickDigit(digit)));
  showPickState();
}

void RuleMapForm::search() {
  const auto& t = table();
  const auto res = tovrin::searchRule(t, maxBall(), picker_.query(periodOffset_, chk_fixed && chk_fixed->isChecked()));
  if (!res.ran) return;
  sgmap->setUpdatesEnabled(false);
  for (const auto& m : res.marks) sgmap->putCell(m.row, m.ball + 1, QString::fromUtf8(tovrin::pickDigit(m.digit)));
  sgmap->setUpdatesEnabled(true);
  const int count = static_cast<int>(res.results.size());
  lbtot->setText(qs(tovrin::ruleTotalText(count)));
  sgmap1->listDraws(t, res.results, 1);  // the last row always stays blank
  lbtridx->setText(qs(tovrin::offsetText(periodOffset_)));
}

void RuleMapForm::SpeedButton4Click() {
  periodOffset_ = 0;
  search();
}

void RuleMapForm::SpeedButton3Click() { map_reset(); }

void RuleMapForm::SpeedButton1Click() {
  --periodOffset_;
  search();
}

void RuleMapForm::SpeedButton2Click() {
  ++periodOffset_;
  search();
}

void RuleMapForm::helpClick() {
  if (links_.showHelp) links_.showHelp(helpFile_);
}
