#include "pillars/Unit_tovrin.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "pillars/tovrin_widgets.h"
#include "ui/platform.h"
#include "ui/text.h"

using namespace tovrin_ui;
using ui::qs;

namespace {

const QColor kSilver(192, 192, 192);

void setTextColour(QWidget* w, const QColor& c, bool bold) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, c);
  p.setColor(QPalette::ButtonText, c);
  w->setPalette(p);
  QFont f = w->font();
  f.setBold(bold);
  w->setFont(f);
}

void setBaseColour(QWidget* w, const QColor& c) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, c);
  p.setColor(QPalette::Button, c);
  w->setPalette(p);
}

}  // namespace

TForm_tovrin::TForm_tovrin(tovrin::DrawHistory& history, QWidget* parent) : QDialog(parent), history_(history) {
  setObjectName("Form_tovrin");
  setWindowTitle("Tovrin");
  resize(1180, 780);

  auto* v = new QVBoxLayout(this);
  PageC = new QTabWidget(this);
  PageC->setObjectName("PageC");
  // The tabs look like buttons: the pages are the steps of the work flow.
  PageC->setDocumentMode(true);
  PageC->tabBar()->setStyleSheet(
      "QTabBar::tab { border: 2px outset #a0a0a0; border-radius: 3px; background: #e8e8e8;"
      " padding: 6px 14px; margin: 2px; }"
      "QTabBar::tab:selected { border-style: inset; background: #c8d8f0; font-weight: bold; }");
  PageC->addTab(buildSourcePage(), QStringLiteral("號碼來源"));
  PageC->addTab(buildStatisticsPage(), QStringLiteral("號碼和尾數統計"));
  PageC->addTab(buildSelectionPage(), QStringLiteral("選擇號碼"));
  PageC->addTab(buildPillarPage(), QStringLiteral("選擇柱數"));
  PageC->addTab(buildPillarVerifyPage(), QStringLiteral("彩柱驗證"));
  PageC->addTab(buildLenponPage(), QStringLiteral("連碰驗證"));
  for (int i = 0; i < PageC->count(); ++i) PageC->widget(i)->setObjectName(QString("TabSheet%1").arg(i));
  v->addWidget(PageC);

  // As designed: pillars 1-4 in use until the user chooses otherwise.
  for (int i = 1; i <= 8; ++i) {
    PillarSizeBoxes[i]->setEnabled(i <= 4);
    PillarMemos[i]->setEnabled(i <= 4);
    setBaseColour(PillarSizeBoxes[i], i <= 4 ? Qt::white : kSilver);
    setBaseColour(PillarMemos[i], i <= 4 ? Qt::white : kSilver);
  }
  rebuildSelection();
}

TForm_tovrin::~TForm_tovrin() = default;

void TForm_tovrin::setGameLogo(const QPixmap& logo) {
  if (Image3) Image3->setPixmap(logo.scaled(72, 72, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// ---------------------------------------------------------------- page 2

QWidget* TForm_tovrin::buildSelectionPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  v->addWidget(label(page, "Label3", QStringLiteral("請選擇您要立柱﹙或連碰﹚的號碼，最少2碼，最多36碼")));

  auto* hot = new QHBoxLayout;
  hot->addWidget(label(page, nullptr, QStringLiteral("選擇前項統計最熱門號碼")));
  cb9 = combo(page, "cb9", numbers(2, 36), "8");
  hot->addWidget(cb9);
  hot->addWidget(label(page, nullptr, QStringLiteral("個")));
  Button7 = button(page, "Button7", QStringLiteral("選擇"));
  hot->addWidget(Button7);
  hot->addSpacing(20);
  hot->addWidget(label(page, nullptr, QStringLiteral("(或以手動點選自己喜愛的號碼)")));
  hot->addStretch();
  v->addLayout(hot);

  auto* grid = new QGridLayout;
  for (int n = 1; n <= 49; ++n) {
    const QString name = QString("CB%1").arg(n, 2, 10, QChar('0'));
    auto* box = checkBox(page, name.toLatin1().constData(), QString("%1").arg(n, 2, 10, QChar('0')));
    QFont f = box->font();
    f.setPointSize(13);
    box->setFont(f);
    BallBoxes[n] = box;
    grid->addWidget(box, n / 10, n % 10);
    connect(box, &QCheckBox::toggled, this, [this, n](bool on) {
      if (applyingBoxes_) return;
      boxes_.ball[n] = on;
      CB01Click();
    });
  }
  v->addLayout(grid);

  auto* count = new QHBoxLayout;
  count->addWidget(label(page, nullptr, QStringLiteral("您所選擇的號碼共")));
  lb_selectNo = label(page, "lb_selectNo", "0");
  count->addWidget(lb_selectNo);
  count->addWidget(label(page, nullptr, QStringLiteral("個")));
  auto* Button8 = button(page, "Button8", QStringLiteral("清除重選"));
  count->addSpacing(20);
  count->addWidget(Button8);
  count->addStretch();
  v->addLayout(count);
  connect(Button8, &QPushButton::clicked, this, &TForm_tovrin::Clear_CB);

  auto* groups = new QHBoxLayout;
  auto* tails = new QGroupBox(QStringLiteral("尾數"), page);
  tails->setObjectName("GroupBoxTail");
  auto* th = new QHBoxLayout(tails);
  for (int t = 0; t <= 9; ++t) {
    const QString caption = t == 0 ? QStringLiteral("0尾") : QString("%1 尾").arg(t);
    TailBoxes[t] = checkBox(tails, QString("CBT%1").arg(t).toLatin1().constData(), caption);
    th->addWidget(TailBoxes[t]);
    connect(TailBoxes[t], &QCheckBox::toggled, this, [this, t](bool on) {
      if (applyingBoxes_) return;
      boxes_.tail[t] = on;
      CBT1Click(t);
    });
  }
  auto* heads = new QGroupBox(QStringLiteral("頭數"), page);
  heads->setObjectName("GroupBoxHead");
  auto* hh = new QHBoxLayout(heads);
  for (int h = 0; h <= 4; ++h) {
    HeadBoxes[h] = checkBox(heads, QString("CBH%1").arg(h).toLatin1().constData(), QString("%1 頭").arg(h));
    hh->addWidget(HeadBoxes[h]);
    connect(HeadBoxes[h], &QCheckBox::toggled, this, [this, h](bool on) {
      if (applyingBoxes_) return;
      boxes_.head[h] = on;
      CBH0Click(h);
    });
  }
  groups->addWidget(tails, 2);
  groups->addWidget(heads, 1);
  v->addLayout(groups);
  v->addStretch();
  connect(Button7, &QPushButton::clicked, this, &TForm_tovrin::Button7Click);
  return page;
}

void TForm_tovrin::colourBallBox(int n) {
  setTextColour(BallBoxes[n], BallBoxes[n]->isChecked() ? Qt::red : Qt::blue, BallBoxes[n]->isChecked());
}

void TForm_tovrin::rebuildSelection() {
  std::array<bool, 50> ticked{};
  for (int n = 1; n <= 49; ++n) {
    ticked[n] = BallBoxes[n]->isChecked();
    colourBallBox(n);
  }
  sel_.rebuild(ticked);
  lb_selectNo->setText(QString::number(sel_.count));
  const QString text = qs(sel_.text);
  const QString count = QStringLiteral("  共計 %1 個").arg(sel_.count);
  for (QLabel* l : {Label6, Label41, Label57})
    if (l) l->setText(text);
  for (QLabel* l : {Label28, Label42, Label56})
    if (l) l->setText(count);
}

void TForm_tovrin::warnOverCap(int times) {
  for (int i = 0; i < times; ++i)
    ui::message(this, ui::Icon::Error, QStringLiteral("您所選的號碼超過上限36個，請減少號碼"));
}

void TForm_tovrin::CB01Click() {
  rebuildSelection();
  if (sel_.count > tovrin::kMaxSelected) warnOverCap(1);
}

void TForm_tovrin::applyBoxes() {
  applyingBoxes_ = true;
  for (int n = 1; n <= 49; ++n) BallBoxes[n]->setChecked(boxes_.ball[n]);
  for (int t = 0; t <= 9; ++t) {
    TailBoxes[t]->setChecked(boxes_.tail[t]);
    setTextColour(TailBoxes[t], boxes_.tail[t] ? Qt::red : Qt::black, boxes_.tail[t]);
  }
  for (int h = 0; h <= 4; ++h) {
    HeadBoxes[h]->setChecked(boxes_.head[h]);
    setTextColour(HeadBoxes[h], boxes_.head[h] ? Qt::red : Qt::black, boxes_.head[h]);
  }
  applyingBoxes_ = false;
  rebuildSelection();
}

// The pickers change many ball boxes; the box model replays the cascade of
// handlers so the user gets the same warnings, and the selection is rebuilt once.
void TForm_tovrin::changeBoxes(const std::function<void()>& change) {
  boxes_.maxBall = history_.settings.maxBall;
  boxes_.resetCounters();
  change();
  applyBoxes();
  warnOverCap(boxes_.overCap);
}

void TForm_tovrin::CBT1Click(int) { changeBoxes([this] { boxes_.tailPicker(); }); }

void TForm_tovrin::CBH0Click(int) { changeBoxes([this] { boxes_.headPicker(); }); }

void TForm_tovrin::Clear_CB() { changeBoxes([this] { boxes_.clearAll(); }); }

void TForm_tovrin::Button7Click() {
  Clear_CB();
  const auto n = ui::readInteger(this, cb9->currentText());
  if (!n) return;
  changeBoxes([&] {
    for (int i = 1; i <= *n && i <= 49; ++i) {
      QTableWidget* grid = i <= 25 ? sga1 : sga2;
      const int col = i <= 25 ? i - 1 : i - 26;
      const auto* item = grid && col < grid->columnCount() ? grid->item(0, col) : nullptr;
      bool ok = false;
      const int ball = item ? item->text().toInt(&ok) : 0;
      if (ok && ball >= 1 && ball <= 49) boxes_.setBall(ball, true);
    }
  });
  sel_.sortSelected();
  CB_SelectChange();
}

// ---------------------------------------------------------------- page 3

void TForm_tovrin::CB_SelectChange() {
  const int count = CB_Select->currentText().toInt();
  layout_.count = count;
  settingLayout_ = true;
  for (int i = 1; i <= 8; ++i) {
    const bool used = i <= count;
    PillarSizeBoxes[i]->setEnabled(used);
    PillarMemos[i]->setEnabled(used);
    setBaseColour(PillarSizeBoxes[i], used ? Qt::white : kSilver);
    setBaseColour(PillarMemos[i], used ? Qt::white : kSilver);
    if (!used) PillarSizeBoxes[i]->setCurrentText("0");
  }
  settingLayout_ = false;
  ComboBox1Change();
}

void TForm_tovrin::ComboBox1Change() {
  for (int i = 1; i <= 8; ++i) {
    const QString text = PillarSizeBoxes[i]->currentText();
    const auto v = ui::readInteger(this, text);
    // A size that does not read keeps the one in effect; the totals below
    // always follow the sizes in effect, so the arrangement never compares
    // against one shape and fills another.
    if (!v) break;
    if (*v < 0 || *v > tovrin::kPillarSlots) {
      // A pillar holds at most 12 balls; keep the size it had.
      ui::message(this, ui::Icon::Warning,
                  QStringLiteral("第%1柱最多12碼，不能設為 %2 碼").arg(i).arg(text.trimmed()));
      settingLayout_ = true;
      PillarSizeBoxes[i]->setCurrentText(QString::number(layout_.sizes[i - 1]));
      settingLayout_ = false;
      continue;
    }
    layout_.sizes[i - 1] = *v;
  }
  layout_.total = 0;
  for (int s : layout_.sizes) layout_.total += s;
  bets_ = tovrin::betCounts(layout_.sizes);
  lb_NOTT->setText(QStringLiteral("您立柱所有的號碼數為：%1  請留意！必須和您上面所選的數目相同").arg(layout_.total));
  lb_pon2->setText(QStringLiteral("二星= %1 碰").arg(bets_.two));
  lb_pon3->setText(QStringLiteral("三星= %1 碰").arg(bets_.three));
  lb_pon4->setText(QStringLiteral("四星= %1 碰").arg(bets_.four));
  lb_tot->setText(QStringLiteral("共= %1 碰").arg(bets_.total()));
}

void TForm_tovrin::setLayoutShape(const std::vector<int>& sizes) {
  settingLayout_ = true;
  CB_Select->setCurrentText(QString::number(sizes.size()));
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    PillarSizeBoxes[i + 1]->setCurrentText(QString::number(sizes[i]));
    PillarSizeBoxes[i + 1]->setVisible(true);
    PillarMemos[i + 1]->setVisible(true);
  }
  settingLayout_ = false;
  CB_SelectChange();
}

void TForm_tovrin::loadPillars(const std::vector<std::vector<std::string>>& pillars) {
  layout_.clearBalls();
  for (int p = 1; p <= 8; ++p) {
    QStringList lines;
    if (p <= static_cast<int>(pillars.size()))
      for (std::size_t s = 0; s < pillars[p - 1].size() && s < tovrin::kPillarSlots; ++s) {
        layout_.balls[p - 1][s] = pillars[p - 1][s];
        lines << qs(pillars[p - 1][s]);
      }
    ui::setMemoLines(PillarMemos[p], lines);
  }
}

std::vector<std::vector<std::string>> TForm_tovrin::pillarsAsChecked() const {
  std::vector<std::vector<std::string>> out;
  for (int p = 1; p <= layout_.count && p <= 8; ++p) {
    const int n = std::min<int>(ui::memoLines(PillarMemos[p]).size(), tovrin::kPillarSlots);
    out.emplace_back(layout_.balls[p - 1].begin(), layout_.balls[p - 1].begin() + n);
  }
  return out;
}

int TForm_tovrin::RG1ItemIndex() const {
  for (int i = 0; i < 3; ++i)
    if (RG1Items[i]->isChecked()) return i;
  return 0;
}

// ---------------------------------------------------------------- opening

void TForm_tovrin::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TForm_tovrin::FormShow() {
  settingLayout_ = true;
  layout_.count = 4;
  CB_Select->setCurrentText("4");
  for (int i = 1; i <= 8; ++i) PillarSizeBoxes[i]->setCurrentText(i <= 4 ? "2" : "0");
  settingLayout_ = false;
  // The pillar count went back to 4, so boxes 5..8 must be disabled again
  // even when the last visit used more pillars.
  CB_SelectChange();

  const auto dates = tovrin::latestDates(table(), 20);
  cb_date->blockSignals(true);
  cb_date->clear();
  for (const auto& d : dates) cb_date->addItem(qs(d));
  cb_date->setCurrentText(dates.empty() ? QString() : qs(dates.front()));
  cb_date->blockSignals(false);
  cb_dateChange();

  PageC->setCurrentIndex(0);
  for (QLabel* l : {lb2s, lb3s, lb4s}) l->setText("---");
  reset_table();
  Button1Click();
}

void TForm_tovrin::reset_table() {
  boxes_.maxBall = history_.settings.maxBall;
  DateTimePicker1->setDate(QDate(2009, 1, 1));
  DateTimePicker2->setDate(ui::today());
  layout_.clearBalls();
  scoredPairs_.clear();
  scoredTriples_.clear();
  scoredQuads_.clear();
}
