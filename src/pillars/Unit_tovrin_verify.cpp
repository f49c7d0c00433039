// Pages 4 and 5: the pillar verification (彩柱驗證) and the
// continuous-combination verification (連碰驗證).
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "pillars/Unit_tovrin.h"
#include "ui/platform.h"
#include "ui/text.h"

void TForm_tovrin::Button26Click() {
  const auto pillars = pillarsAsChecked();
  const auto period = workingPeriod();
  auto lines = ui::memoStdLines(Memo2);
  // Every draw of the period counts, as in 連碰驗證: a line this page's copy
  // lacks is read from the period itself, and only lines that exist are annotated.
  std::vector<std::string> checked = period;
  for (std::size_t k = 0; k < checked.size() && k < lines.size(); ++k) checked[k] = lines[k];
  const auto v = tovrin::verifyPillars(pillars, checked);
  for (std::size_t k = 0; k < v.annotated.size() && k < lines.size(); ++k) lines[k] = v.annotated[k];
  hitTotals_ = v.totals;
  const auto report = tovrin::pillarReport({periodCaption_, pillars, bets_, hitTotals_});
  lines.insert(lines.end(), report.begin(), report.end());
  ui::setMemoLines(Memo2, lines);
  // Chance is measured on the bets actually checked: the pillars as the memos
  // hold them, which after a manual entry may differ from the size boxes.
  std::vector<int> sizes;
  for (const auto& p : pillars) sizes.push_back(static_cast<int>(p.size()));
  showChance(lb_chance2, tovrin::chanceText(tovrin::chanceBaseline(tovrin::betCounts(sizes),
                                                                   static_cast<long long>(period.size()),
                                                                   hitTotals_, maxBall())));
  PageC->setCurrentIndex(4);
}

void TForm_tovrin::Button27Click() {
  for (int p = 1; p <= layout_.count; ++p) {
    if (ui::memoLines(PillarMemos[p]).size() > tovrin::kPillarSlots) {
      ui::message(this, ui::Icon::Warning,
                  QStringLiteral("第%1柱的號碼超過12個，每柱最多12碼，請減少號碼後再驗證").arg(p));
      return;
    }
  }
  if (!clearAndRerun(Memo2)) return;
  for (int p = 1; p <= layout_.count; ++p) {
    const QStringList typed = ui::memoLines(PillarMemos[p]);
    for (int j = 0; j < typed.size(); ++j) layout_.balls[p - 1][j] = ui::ss(typed[j]);
  }
  findChild<QPushButton*>("Button26")->click();
}

void TForm_tovrin::Button9Click() {
  const int n = sel_.count;
  if (n < 2 || n > tovrin::kMaxSelected) {
    ui::message(this, ui::Icon::Warning, QStringLiteral("本分析所選的號碼必須是2-36 請重新選擇後再操作本功能"));
    PageC->setCurrentIndex(2);
    return;
  }
  const auto selected = sel_.selected();
  const auto v = tovrin::verifyLenpon(selected, workingPeriod(), cb_detail->isChecked());
  auto lines = ui::memoStdLines(Memo3);
  for (std::size_t k = 0; k < v.annotated.size() && k < lines.size(); ++k) lines[k] = v.annotated[k];
  const auto report = tovrin::lenponReport(periodCaption_, selected, v.totals);
  lines.insert(lines.end(), report.begin(), report.end());
  ui::setMemoLines(Memo3, lines);
  const tovrin::BetCounts bets{tovrin::choose(n, 2), tovrin::choose(n, 3), tovrin::choose(n, 4)};
  const auto periodDraws = static_cast<long long>(workingPeriod().size());
  showChance(lb_chance3, tovrin::chanceText(tovrin::chanceBaseline(bets, periodDraws, v.totals, maxBall())));
}

void TForm_tovrin::showChance(QLabel* label, const std::string& text) { label->setText(ui::qs(text)); }
