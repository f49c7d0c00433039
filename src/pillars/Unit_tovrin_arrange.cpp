// 電腦排定號碼: the automatic pillar arrangement and its two rankings.
#include <QPushButton>
#include <QTabWidget>

#include "core/pillars/arrangement.h"
#include "pillars/Unit_tovrin.h"
#include "ui/platform.h"
#include "ui/text.h"

void TForm_tovrin::Button24Click() { rankSelected(2, MM_2, M2, scoredPairs_); }

void TForm_tovrin::Button25Click() { rankSelected(3, MM3_2, M3, scoredTriples_); }

// Scores every pair (k = 2) or triple (k = 3) of the selected balls over the
// period and writes the ball ranking their weights give.
void TForm_tovrin::rankSelected(int k, QPlainTextEdit* list, QPlainTextEdit* weights, std::vector<std::string>& scored) {
  ui::setMemoLines(list, QStringList{QStringLiteral("計算中...")});
  scored = tovrin::get_allno_selected(sel_.selected(), tovrin::PeriodMasks(workingPeriod()), k);
  const auto r = tovrin::rankBalls(scored, k);
  ui::setMemoLines(list, r.comboLines);
  QStringList w;
  for (int v : r.weights) w << QString::number(v);
  ui::setMemoLines(weights, w);
  tovrin::writeRanking(ballRanking_, r.ranking);
}

void TForm_tovrin::Button19Click() {
  if (sel_.count < 5 || sel_.count > tovrin::kMaxSelected) {
    ui::message(this, ui::Icon::Warning, QStringLiteral("本分析所選的號碼必須是５～３６個，請重新選擇後再操作本功能"));
    PageC->setCurrentIndex(2);
    return;
  }
  if (sel_.count != layout_.total) {
    ui::message(this, ui::Icon::Warning, QStringLiteral("立柱的號碼數與上面所選的不相同"));
    return;
  }
  // The period is re-read first; when its query refuses its input the
  // arrangement stops rather than report over a period that was not read.
  if (!clearAndRerun(Memo2)) return;
  findChild<QPushButton*>("Button24")->click();
  findChild<QPushButton*>("Button25")->click();
  const std::vector<int> sizes(layout_.sizes.begin(), layout_.sizes.begin() + layout_.count);
  loadPillars(tovrin::PPNO_Arrange(sizes, scoredPairs_, scoredTriples_, ballRanking_, sel_.selected()));
  PillarMemos[1]->setFocus();
  findChild<QPushButton*>("Button26")->click();
}
