// Page 1 (號碼和尾數統計): ball and tail frequencies, hot combinations and
// the golden seven.
#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "core/pillars/statistics.h"
#include "pillars/Unit_tovrin.h"
#include "pillars/tovrin_widgets.h"
#include "ui/platform.h"
#include "ui/text.h"

using tovrin_ui::dayOf;
using ui::qs;

namespace {

void fillGrid(QTableWidget* g, const std::vector<tovrin::GridColumn>& cols) {
  for (int c = 0; c < g->columnCount(); ++c) {
    const bool has = c < static_cast<int>(cols.size());
    g->item(0, c)->setText(has ? qs(cols[c].label) : QString());
    g->item(1, c)->setText(has ? qs(cols[c].count) : QString());
  }
}

}  // namespace

void TForm_tovrin::wireStatisticsPage(QWidget* page) {
  auto hot = [this, page](const char* button, int k, QPlainTextEdit* memo, QLabel* progress) {
    connect(page->findChild<QPushButton*>(button), &QPushButton::clicked, this,
            [this, k, memo, progress] { rankHotCombinations(k, memo, progress); });
  };
  hot("SpeedButton2", 2, mm, lb2s);
  hot("SpeedButton3", 3, mm3, lb3s);
  hot("SpeedButton1", 4, mm9, lb4s);
  connect(page->findChild<QPushButton*>("SpeedButton4"), &QPushButton::clicked, this, &TForm_tovrin::SpeedButton4Click);
  connect(page->findChild<QPushButton*>("BitBtn1"), &QPushButton::clicked, this, [this] { memoCopy(mm); });
  connect(page->findChild<QPushButton*>("BitBtn2"), &QPushButton::clicked, this, [this] { memoCopy(mm3); });
  connect(page->findChild<QPushButton*>("BitBtn3"), &QPushButton::clicked, this, [this] { memoCopy(mm9); });
  connect(page->findChild<QPushButton*>("BitBtn4"), &QPushButton::clicked, this, [this] { memoCopy(mm7, false); });
}

// Count_Sumno then Count_Sumno_tail, after every number source query.
void TForm_tovrin::Button2Click() {
  const auto lines = workingPeriod();
  stats_ = tovrin::Count_Sumno(lines, history_.settings.maxBall);
  const auto grids = tovrin::show_sumno(stats_.tally);
  fillGrid(sga1, grids.sga1);
  fillGrid(sga2, grids.sga2);
  fillGrid(sgaT, tovrin::show_sumno_tail(tovrin::Count_Sumno_tail(lines)));
}

void TForm_tovrin::rankHotCombinations(int k, QPlainTextEdit* memo, QLabel* progress) {
  ui::setMemoLines(memo, QStringList{QStringLiteral("計算中...")});
  memo->repaint();
  const auto& list = stats_.list(k);
  auto scored = tovrin::rankHotCombos(list, k, tovrin::PeriodMasks(workingPeriod()));
  progress->setText(QString::number(list.size()));
  ui::setMemoLines(memo, tovrin::hotMemoLines(scored, k));
  (k == 2 ? scoredPairs_ : k == 3 ? scoredTriples_ : scoredQuads_) = std::move(scored);
}

void TForm_tovrin::SpeedButton4Click() {
  if (goldenRunning_) return;
  if (sel_.count < tovrin::kGoldenBalls) {
    ui::message(this, ui::Icon::Warning,
                QStringLiteral("黃金七星需要 25 個號碼：請先在「選擇號碼」頁選擇 25 個號碼（目前 %1 個）").arg(sel_.count));
    return;
  }
  ui::setMemoLines(mm7, QStringList{QStringLiteral("計算中...")});
  mm7->repaint();
  tovrin::GoldenSeven search;
  search.init(table(), dayOf(DateTimePicker1->date()), dayOf(DateTimePicker2->date()), sel_.selected());
  goldenRunning_ = true;
  // Small steps with the events handled between them keep the window alive.
  while (search.step(tovrin::kGoldenGroups / 40)) {
    lb7s->setText(QString::number((tovrin::kGoldenGroups - search.done()) / 1000));
    lb7s->repaint();
    QApplication::processEvents();
  }
  lb7s->setText(QString::number((tovrin::kGoldenGroups - search.done()) / 1000));
  goldenRunning_ = false;
  ui::setMemoLines(mm7, search.result().reportLines());
}
