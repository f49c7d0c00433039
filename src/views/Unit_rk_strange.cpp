#include "views/Unit_rk_strange.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/views/ball_map.h"
#include "pillars/tovrin_widgets.h"
#include "ui/text.h"
#include "views/ball_map.h"

using tovrin_ui::speedButton;
using ui::qs;

namespace {


}  // namespace

TForm_rk_strange::TForm_rk_strange(const views::ViewLinks& links, QWidget* parent)
    : QDialog(parent), links_(links) {
  setObjectName("Form_rk_strange");
  setWindowTitle(QStringLiteral("怪牌版路"));
  resize(1180, 760);
  auto* h = new QHBoxLayout(this);

  auto* side = new QVBoxLayout;
  clbox = new QListWidget(this);
  clbox->setObjectName("clbox");
  for (const char* text : tovrin::strangeItems()) {
    auto* it = new QListWidgetItem(QString::fromUtf8(text), clbox);
    it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    it->setCheckState(Qt::Unchecked);
  }
  clbox->setMinimumWidth(260);
  side->addWidget(clbox, 1);
  auto* tickRow = new QHBoxLayout;
  SpeedButton1 = speedButton(this, "SpeedButton1", QStringLiteral("全選"));
  SpeedButton2 = speedButton(this, "SpeedButton2", QStringLiteral("重選"));
  SpeedButton10 = speedButton(this, "SpeedButton10", QStringLiteral("說明"));
  SpeedButton10->setToolTip(QStringLiteral("說明"));
  tickRow->addWidget(SpeedButton1);
  tickRow->addWidget(SpeedButton2);
  tickRow->addWidget(SpeedButton10);
  side->addLayout(tickRow);
  auto* walkRow = new QHBoxLayout;
  SpeedButton18 = speedButton(this, "SpeedButton18", QStringLiteral("上一期"));
  SpeedButton19 = speedButton(this, "SpeedButton19", QStringLiteral("下一期"));
  walkRow->addWidget(SpeedButton18);
  walkRow->addWidget(SpeedButton19);
  side->addLayout(walkRow);
  lbtot = new QLabel(this);
  lbtot->setObjectName("lbtot");
  lbtridx = new QLabel(this);
  lbtridx->setObjectName("lbtridx");
  side->addWidget(lbtot);
  side->addWidget(lbtridx);
  side->addStretch();
  BitBtn1 = new QPushButton(QStringLiteral("關閉"), this);
  BitBtn1->setObjectName("BitBtn1");
  side->addWidget(BitBtn1);
  h->addLayout(side);

  sgmap = new views::BallMapGrid("sgmap", this);
  sgmap->setMapRows(0);
  h->addWidget(sgmap, 1);
  PopupMenu1 = views::addTracePopup(sgmap, links_);

  // A tick the user sets or clears; ticks set by the program are not clicks.
  connect(clbox, &QListWidget::itemChanged, this, [this](QListWidgetItem*) {
    if (!settingTicks_) clboxClick();
  });
  connect(SpeedButton1, &QToolButton::clicked, this, &TForm_rk_strange::SpeedButton1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, &TForm_rk_strange::SpeedButton2Click);
  connect(SpeedButton18, &QToolButton::clicked, this, &TForm_rk_strange::SpeedButton18Click);
  connect(SpeedButton19, &QToolButton::clicked, this, &TForm_rk_strange::SpeedButton19Click);
  connect(SpeedButton10, &QToolButton::clicked, this, &TForm_rk_strange::SpeedButton10Click);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  lbtot->setText(qs(tovrin::matchCountText(0)));
  lbtridx->setText(qs(tovrin::offsetText(0)));
}

void TForm_rk_strange::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TForm_rk_strange::FormShow() {
  // The listing and its labels stay as they were; only the ticks start afresh.
  sgmap->setBalls(links_.history->settings.maxBall);
  clbox_reset();
}

void TForm_rk_strange::setAllTicks(bool on) {
  settingTicks_ = true;
  for (int i = 0; i < clbox->count(); ++i) clbox->item(i)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  settingTicks_ = false;
}

void TForm_rk_strange::clbox_reset() { setAllTicks(false); }

void TForm_rk_strange::clboxClick() {
  periodOffset_ = 0;
  showmap(0);
}

void TForm_rk_strange::showmap(int offset) {
  tovrin::StrangeTicks ticks{};
  for (int i = 0; i < clbox->count() && i < tovrin::kStrangeCriteria; ++i)
    ticks[i] = clbox->item(i)->checkState() == Qt::Checked;
  const auto& t = table();
  const auto listed = tovrin::shiftedRows(tovrin::strangeMatches(t, ticks), offset, t.count);
  lbtot->setText(qs(tovrin::matchCountText(static_cast<int>(listed.size()))));
  sgmap->listDraws(t, listed, 0);
  lbtridx->setText(qs(tovrin::offsetText(offset)));
}

void TForm_rk_strange::SpeedButton1Click() {
  setAllTicks(true);
  clboxClick();
}

void TForm_rk_strange::SpeedButton2Click() {
  setAllTicks(false);
  clboxClick();
}

void TForm_rk_strange::SpeedButton18Click() {
  --periodOffset_;
  showmap(periodOffset_);
}

void TForm_rk_strange::SpeedButton19Click() {
  ++periodOffset_;
  showmap(periodOffset_);
}

void TForm_rk_strange::SpeedButton10Click() {
  if (links_.showHelp) links_.showHelp(QStringLiteral("help_strange.txt"));
}
