#pragma once
// The pillar analyzer window (立柱分析): six pages over one shared state —
// the WorkingPeriod from the number source queries, the ball selection, the
// pillar layout, and the statistics, verifications and layout searches that
// read them. The computations live in core/pillars; this class wires the
// controls to them. Its sources are split by page: Unit_tovrin.cpp (frame,
// opening, selection and pillars), Unit_tovrin_queries.cpp (number source
// and result memos), Unit_tovrin_stats.cpp, Unit_tovrin_verify.cpp,
// Unit_tovrin_arrange.cpp, Unit_tovrin_layouts.cpp.
#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/history/draw_table.h"
#include "core/pillars/period.h"
#include "core/pillars/selection.h"
#include "core/pillars/statistics.h"
#include "core/pillars/chance.h"
#include "core/pillars/layouts.h"
#include "core/pillars/verification.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;

class TForm_tovrin : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_tovrin(tovrin::DrawHistory& history, QWidget* parent = nullptr);
  ~TForm_tovrin() override;

  // --- Opening ---
  void FormShow();
  void reset_table();
  void setGameLogo(const QPixmap& logo);

  // --- Selection and pillars ---
  void CB01Click();
  void CBT1Click(int tail);
  void CBH0Click(int head);
  void Button7Click();
  void Clear_CB();
  void CB_SelectChange();
  void ComboBox1Change();

  // --- Number source --- (false when the query refused its input)
  bool Button1Click();
  bool Button16Click();
  bool Button17Click();
  bool Button18Click();
  void cb_dateChange();
  void Button2Click();
  void Button33Click();

  // --- Verifications and arrangement ---
  void Button26Click();
  void Button27Click();
  void Button9Click();
  void Button19Click();
  void Button24Click();
  void Button25Click();

  // --- Statistics ---
  void SpeedButton4Click();

  // --- Layout analyses ---
  void Button12Click();
  void Button28Click();
  void Button29Click();
  void Button30Click();
  void Button31Click();
  void Button32Click();
  void btn_stopClick();
  void btn_stop_1510Click();
  // Called after each sub-selection of an exhaustive run (tests stop a run
  // at a chosen point through it).
  std::function<void(int done)> onSubSelectionDone;

  // Read-only views of the shared state, for the window's own parts and tests.
  const tovrin::Selection& selection() const { return sel_; }
  const tovrin::PillarLayout& layout() const { return layout_; }
  const tovrin::BetCounts& betCounts() const { return bets_; }
  const std::string& periodCaption() const { return periodCaption_; }
  tovrin::QueryMode queryMode() const { return queryMode_; }
  const tovrin::HitCounts& hitTotals() const { return hitTotals_; }
  int RG1ItemIndex() const;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  // Page builders, each in the source of its page.
  QWidget* buildSourcePage();
  QWidget* buildStatisticsPage();
  QWidget* buildSelectionPage();
  QWidget* buildPillarPage();
  QWidget* buildPillarVerifyPage();
  QWidget* buildLenponPage();
  void wireStatisticsPage(QWidget* page);              // Unit_tovrin_stats.cpp
  void wireLayoutButtons(QWidget* page);  // Unit_tovrin_layouts.cpp

  // Selection helpers.
  void rebuildSelection();  // SelectedBalls, labels and colours, no message
  void applyBoxes();        // shows the box model on the check boxes, one rebuild
  void changeBoxes(const std::function<void()>& change);  // a picker's changes, applied once
  void warnOverCap(int times);
  void colourBallBox(int n);

  // Pillar helpers.
  void setLayoutShape(const std::vector<int>& sizes);
  void loadPillars(const std::vector<std::vector<std::string>>& pillars);
  std::vector<std::vector<std::string>> pillarsAsChecked() const;  // memo line counts, PillarBalls

  // Arrangement helpers.
  void rankSelected(int k, QPlainTextEdit* list, QPlainTextEdit* weights, std::vector<std::string>& scored);

  // Statistics helpers.
  void rankHotCombinations(int k, QPlainTextEdit* memo, QLabel* progress);

  // Layout analysis helpers.
  void startLayoutAnalysis(tovrin::LayoutShape shape);
  void refuseBallCount(const QString& count, const QString& cb9Value);
  void scoreLayouts();  // the hidden scoring-and-report step
  void runSubSelections(tovrin::SubSelectionKind kind);
  void lockForRun(bool lock, QPushButton* running);
  void writeResultFile(const char* name);
  // The chance baseline under a report memo (empty text clears it).
  void showChance(QLabel* label, const std::string& text);
  int maxBall() const { return history_.settings.maxBall; }

  // Period helpers.
  std::vector<std::string> workingPeriod() const;  // lines of Memo1
  void showQuery(const tovrin::QueryResult& r);
  bool rerunQuery();  // false when the query refused its input
  // A memo's 清除: empty it and re-run the last query (which refills it).
  bool clearAndRerun(QPlainTextEdit* memo);
  void memoCopy(QPlainTextEdit* memo, bool withMessage = true);
  void memoSave(QPlainTextEdit* memo, const QString& ext, const QString& filter);
  // The four buttons under a result memo (清除, 複製, 存檔(txt), 存檔(csv)).
  QHBoxLayout* memoButtons(QWidget* page, QPlainTextEdit* memo, const std::array<const char*, 4>& names);
  // "您所選的號碼為：" with the selection text and count labels.
  QHBoxLayout* selectionRow(QWidget* page, const char* textName, const char* countName, QLabel*& text,
                            QLabel*& count);

  tovrin::DrawHistory& history_;
  const tovrin::DrawTable& table() const { return history_.table; }

  // Shared analyzer state.
  tovrin::SelectionBoxes boxes_;
  tovrin::Selection sel_;
  tovrin::PillarLayout layout_;
  tovrin::BetCounts bets_;
  std::string periodCaption_;
  tovrin::QueryMode queryMode_ = tovrin::QueryMode::DateRange;
  tovrin::HitCounts hitTotals_;
  std::array<std::string, 50> ballRanking_;  // BallRanking[1..49]
  std::vector<std::string> scoredPairs_, scoredTriples_, scoredQuads_;
  tovrin::BallStatistics stats_;
  bool goldenRunning_ = false;
  tovrin::LayoutShape pendingShape_ = tovrin::LayoutShape::P2x2x2x2;
  bool running_ = false;
  bool stop12_ = false, stop15_ = false;
  std::vector<QWidget*> lockedWidgets_;
  bool applyingBoxes_ = false;
  bool settingLayout_ = false;

  // Page control.
  QTabWidget* PageC = nullptr;

  // Page 0: number source.
  QDateEdit* DateTimePicker1 = nullptr;
  QDateEdit* DateTimePicker2 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* Button1 = nullptr;
  QComboBox* cbis = nullptr;
  QPushButton* Button16 = nullptr;
  QComboBox* cb_intv = nullptr;
  QComboBox* cbis_2 = nullptr;
  QPushButton* Button17 = nullptr;
  QComboBox* cb_date = nullptr;
  QComboBox* cb_ii = nullptr;
  QComboBox* CB_xx = nullptr;
  QComboBox* cb_prediction = nullptr;
  QCheckBox* cb_ff = nullptr;
  QCheckBox* cb_ori = nullptr;
  QPushButton* Button18 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button33 = nullptr;

  // Page 1: statistics.
  QTableWidget* sga1 = nullptr;
  QTableWidget* sga2 = nullptr;
  QTableWidget* sgaT = nullptr;
  QPlainTextEdit* mm = nullptr;
  QPlainTextEdit* mm3 = nullptr;
  QPlainTextEdit* mm9 = nullptr;
  QPlainTextEdit* mm7 = nullptr;
  QLabel* lb2s = nullptr;
  QLabel* lb3s = nullptr;
  QLabel* lb4s = nullptr;
  QLabel* lb7s = nullptr;

  // Page 2: selection.
  QComboBox* cb9 = nullptr;
  QPushButton* Button7 = nullptr;
  std::array<QCheckBox*, 50> BallBoxes{};
  std::array<QCheckBox*, 10> TailBoxes{};
  std::array<QCheckBox*, 5> HeadBoxes{};
  QLabel* lb_selectNo = nullptr;

  // Page 3: pillars.
  QLabel* Label6 = nullptr;
  QLabel* Label28 = nullptr;
  QComboBox* CB_Select = nullptr;
  std::array<QComboBox*, 9> PillarSizeBoxes{};   // [1..8]
  std::array<QPlainTextEdit*, 9> PillarMemos{};  // [1..8]
  QLabel* lb_NOTT = nullptr;
  QLabel* lb_pon2 = nullptr;
  QLabel* lb_pon3 = nullptr;
  QLabel* lb_pon4 = nullptr;
  QLabel* lb_tot = nullptr;
  QLabel* Image3 = nullptr;
  QGroupBox* RG1 = nullptr;
  std::array<QRadioButton*, 3> RG1Items{};
  QPushButton* Button31 = nullptr;
  QPushButton* Button32 = nullptr;
  QPushButton* btn_stop = nullptr;
  QPushButton* btn_stop_1510 = nullptr;
  QLabel* lb_percent = nullptr;
  QPlainTextEdit* MM_2 = nullptr;
  QPlainTextEdit* M2 = nullptr;
  QPlainTextEdit* MM3_2 = nullptr;
  QPlainTextEdit* M3 = nullptr;

  // Page 4 and 5: verifications.
  QLabel* Label57 = nullptr;
  QLabel* Label56 = nullptr;
  QPlainTextEdit* Memo2 = nullptr;
  QPushButton* Button20 = nullptr;
  QLabel* Label41 = nullptr;
  QLabel* Label42 = nullptr;
  QCheckBox* cb_detail = nullptr;
  QPlainTextEdit* Memo3 = nullptr;
  // What pure chance would have hit, under each page's report.
  QLabel* lb_chance2 = nullptr;
  QLabel* lb_chance3 = nullptr;
};
