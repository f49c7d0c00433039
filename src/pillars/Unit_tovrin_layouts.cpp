// The optimal layout analyses (優柱分析) and the exhaustive sub-selection
// searches (12取8 and 15取10 超優分析) of the pillar page.
#include <QApplication>
#include <algorithm>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "core/text/textfile.h"
#include "pillars/Unit_tovrin.h"
#include "ui/platform.h"
#include "ui/text.h"

using tovrin::LayoutShape;
using tovrin::SubSelectionKind;
using ui::qs;

namespace {

const char* kCaption12 = "12取8超優分析";
const char* kCaption15 = "15取10超優分析";

QString timeText(const QDateTime& t) { return t.toString("yyyy/MM/dd hh:mm:ss"); }

}  // namespace

void TForm_tovrin::wireLayoutButtons(QWidget* page) {
  auto on = [&](const char* name, void (TForm_tovrin::*handler)()) {
    connect(page->findChild<QPushButton*>(name), &QPushButton::clicked, this, handler);
  };
  on("Button12", &TForm_tovrin::Button12Click);
  on("Button28", &TForm_tovrin::Button28Click);
  on("Button29", &TForm_tovrin::Button29Click);
  on("Button30", &TForm_tovrin::Button30Click);
  on("Button31", &TForm_tovrin::Button31Click);
  on("Button32", &TForm_tovrin::Button32Click);
  on("btn_stop", &TForm_tovrin::btn_stopClick);
  on("btn_stop_1510", &TForm_tovrin::btn_stop_1510Click);
  // The scoring-and-report step of each analysis.
  for (const char* hidden : {"Button14", "btn_list2", "btn_list3", "btn_10"}) on(hidden, &TForm_tovrin::scoreLayouts);
}

void TForm_tovrin::Button12Click() { startLayoutAnalysis(LayoutShape::P2x2x2x2); }
void TForm_tovrin::Button28Click() { startLayoutAnalysis(LayoutShape::P3x3x3); }
void TForm_tovrin::Button29Click() { startLayoutAnalysis(LayoutShape::P1x1x2x2x2); }
void TForm_tovrin::Button30Click() { startLayoutAnalysis(LayoutShape::P2x2x3x3); }

void TForm_tovrin::startLayoutAnalysis(LayoutShape shape) {
  if (running_) return;
  const auto& info = tovrin::shapeInfo(shape);
  if (sel_.count != info.balls) {
    const QString n = info.balls == 8 ? QStringLiteral("８") : info.balls == 9 ? QStringLiteral("９") : QStringLiteral("１０");
    // The 8-ball analyses leave the count box as it is.
    refuseBallCount(n, info.balls == 8 ? cb9->currentText() : QString::number(info.balls));
    return;
  }
  setLayoutShape(info.sizes);
  pendingShape_ = shape;
  const char* step = shape == LayoutShape::P2x2x2x2   ? "Button14"
                     : shape == LayoutShape::P3x3x3   ? "btn_list2"
                     : shape == LayoutShape::P1x1x2x2x2 ? "btn_list3"
                                                       : "btn_10";
  findChild<QPushButton*>(step)->click();
}

// A selection of the wrong size: say how many balls the analysis needs, put
// that count in the hot picker's box and go to the selection page.
void TForm_tovrin::refuseBallCount(const QString& count, const QString& cb9Value) {
  ui::message(this, ui::Icon::Warning, QStringLiteral("本分析所選的號碼必須是%1個，請重新選擇後再操作本功能").arg(count));
  cb9->setCurrentText(cb9Value);
  PageC->setCurrentIndex(2);
}

void TForm_tovrin::scoreLayouts() {
  const auto period = workingPeriod();
  const auto a = tovrin::analyzeLayouts(pendingShape_, sel_.selected(), period, periodCaption_,
                                        static_cast<tovrin::RankPriority>(RG1ItemIndex()));
  ui::setMemoLines(Memo2, a.report);
  const auto& info = tovrin::shapeInfo(pendingShape_);
  if (!a.ranked.empty()) {
    const auto chance = tovrin::chanceBaseline(tovrin::betCounts(info.sizes), static_cast<long long>(period.size()),
                                               a.ranked.front().hits, maxBall());
    showChance(lb_chance2, tovrin::chanceText(chance, std::min<int>(info.reported, static_cast<int>(a.ranked.size())),
                                              static_cast<long long>(a.ranked.size())));
  }
  loadPillars(a.best);
  PageC->setCurrentIndex(4);
}

void TForm_tovrin::Button31Click() {
  if (running_) return;
  if (sel_.count != 12) {
    refuseBallCount(QStringLiteral("１２"), "12");
    return;
  }
  runSubSelections(SubSelectionKind::Choose12of8);
}

void TForm_tovrin::Button32Click() {
  if (running_) return;
  const QString question = QStringLiteral(
      "執行【15取10超優分析】可能需費時３-４小時(依電腦性能而定，)\n\n是否繼續？如果要確定要計算請按 Yes，否則按 No "
      "離開\n\n計算過程中，可隨時按【中斷】鍵，中止計算，\n\n計算超過 5/3003，即可顯示結果。");
  if (ui::message(this, ui::Icon::Information, question, ui::Buttons::YesNo) != ui::Answer::Yes) return;
  if (sel_.count != 15) {
    refuseBallCount(QStringLiteral("１５"), "15");
    return;
  }
  runSubSelections(SubSelectionKind::Choose15of10);
}

void TForm_tovrin::btn_stopClick() {
  stop12_ = !stop12_;
  btn_stop->hide();
}

void TForm_tovrin::btn_stop_1510Click() {
  stop15_ = !stop15_;
  btn_stop_1510->hide();
  lb_percent->hide();
}

void TForm_tovrin::runSubSelections(SubSelectionKind kind) {
  const bool is12 = kind == SubSelectionKind::Choose12of8;
  QPushButton* button = is12 ? Button31 : Button32;
  QPushButton* stopButton = is12 ? btn_stop : btn_stop_1510;
  bool& stop = is12 ? stop12_ : stop15_;
  const QString caption = QString::fromUtf8(is12 ? kCaption12 : kCaption15);

  const QDateTime start = ui::now();
  // A run stopped before it reports puts back the shape that was in effect,
  // so the shape boxes never disagree with the pillars the memos hold.
  const std::vector<int> shapeBefore(layout_.sizes.begin(), layout_.sizes.begin() + layout_.count);
  setLayoutShape(is12 ? std::vector<int>{2, 2, 2, 2} : std::vector<int>{2, 2, 3, 3});
  const auto period = workingPeriod();
  tovrin::SubSelectionRun run(kind, sel_.selected(), period, periodCaption_,
                              static_cast<tovrin::RankPriority>(RG1ItemIndex()));
  showChance(lb_chance2, {});
  if (!is12) lb_percent->show();
  stopButton->show();
  stopButton->setFocus();
  running_ = true;
  lockForRun(true, button);

  bool report = true;
  for (int n = 1; n <= run.total(); ++n) {
    QApplication::processEvents();
    if (!is12) {
      lb_percent->setText(QStringLiteral("%1 / 3003").arg(n));
      lb_percent->repaint();
    }
    if (stop) {
      button->setText(caption);
      stop = false;
      // 15取10 reports over what it computed once more than five are done.
      report = !is12 && n > 5;
      break;
    }
    button->setText(qs(is12 ? tovrin::choose12of8Progress(n) : tovrin::choose15of10Progress(n)));
    button->repaint();
    if (n == 1) Memo2->clear();
    run.step();
    if (onSubSelectionDone) onSubSelectionDone(run.done());
  }

  if (report) {
    button->setText(QStringLiteral("排序中"));
    button->repaint();
    ui::setMemoLines(Memo2, run.report(ui::ss(timeText(start)), ui::ss(timeText(ui::now()))));
    // The winner is the best of every layout of every sub-selection computed.
    const auto ranked = run.ranked();
    if (!ranked.empty()) {
      const auto& info = tovrin::shapeInfo(run.shape());
      const auto chance = tovrin::chanceBaseline(tovrin::betCounts(info.sizes),
                                                 static_cast<long long>(period.size()), ranked.front().hits, maxBall());
      showChance(lb_chance2, tovrin::chanceText(chance, std::min<int>(is12 ? 20 : 5, static_cast<int>(ranked.size())),
                                                static_cast<long long>(run.done()) * info.layouts));
    }
    writeResultFile(is12 ? "C12_8.txt" : "C15_10.txt");
    PageC->setCurrentIndex(4);
    button->setText(caption);
    stopButton->hide();
    loadPillars(run.bestLayout());
  }
  lockForRun(false, button);
  running_ = false;
  if (!report) setLayoutShape(shapeBefore);
}

void TForm_tovrin::writeResultFile(const char* name) {
  // The report stays in the memo whether or not the file could be written;
  // the user is told when it could not.
  const auto r = tovrin::writeTextLines(history_.dir() / name, ui::memoStdLines(Memo2));
  if (!r.ok) ui::message(this, ui::Icon::Error, qs(r.error) + QStringLiteral("（分析結果仍顯示於彩柱驗證頁）"));
}

void TForm_tovrin::lockForRun(bool lock, QPushButton* running) {
  if (!lock) {
    for (QWidget* w : lockedWidgets_) w->setEnabled(true);
    lockedWidgets_.clear();
    return;
  }
  // Everything a run depends on: the period, the selection, the pillar
  // layout, RG1 and the other analyses. The stop buttons stay usable.
  std::vector<QWidget*> targets;
  for (int i : {0, 1, 2, 5}) targets.push_back(PageC->widget(i));
  for (QWidget* w : PageC->widget(3)->findChildren<QWidget*>())
    if (qobject_cast<QPushButton*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QPlainTextEdit*>(w))
      targets.push_back(w);
  targets.push_back(RG1);
  for (const char* name : {"Button20", "Button21", "Button22", "Button23"}) targets.push_back(findChild<QWidget*>(name));
  for (QWidget* w : targets) {
    if (!w || w == running || w == btn_stop || w == btn_stop_1510 || !w->isEnabled()) continue;
    w->setEnabled(false);
    lockedWidgets_.push_back(w);
  }
}
