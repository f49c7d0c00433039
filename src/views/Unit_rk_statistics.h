#pragma once
// The statistics view: ball frequency, absence and units-digit counts of the
// current game over a period, on boards of ball and digit pictures that are
// rearranged into rank order. Its hidden commands print the ranking, copy it
// and hand the charts to the chart window.
#include <QDialog>
#include <functional>

#include "core/history/draw_table.h"
#include "core/views/statistics_view.h"

class QCheckBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;
class Tform_rk_stk_chart;

class TForm_rk_statistics : public QDialog {
  Q_OBJECT
 public:
  // `print` previews lines as the main window's memo report does.
  TForm_rk_statistics(const tovrin::DrawHistory& history, std::function<void(const QStringList&)> print,
                      QWidget* parent = nullptr);

  void FormShow();
  void sb_F1Click();
  void sb_F2Click();
  void sb_F3Click();
  void sb_bigClick();
  void sb_noClick();
  void sb_beginClick();
  void chkspnoClick();
  void DateTimePicker2Change();
  void F1_btn123();
  void F1_btn321();
  void F3_btn123();
  void Button1Click();
  void Button2Click();
  void Button3Click();

  Tform_rk_stk_chart* chartWindow() const { return chart_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void buildBoards();
  tovrin::views::Period period() const;
  void showBoard(const tovrin::views::BallBoard& board);
  void showCommands(bool shown);
  void fillMemo();

  const tovrin::DrawHistory& history_;
  std::function<void(const QStringList&)> print_;
  tovrin::views::BallBoard board_;  // the ranking on the ball board now
  Tform_rk_stk_chart* chart_ = nullptr;

  QToolButton* sb_F1 = nullptr;
  QToolButton* sb_F2 = nullptr;
  QToolButton* sb_F3 = nullptr;
  QToolButton* sb_big = nullptr;
  QToolButton* sb_no = nullptr;
  QToolButton* sb_begin = nullptr;
  QCheckBox* chkspno = nullptr;
  QDateEdit* DateTimePicker1 = nullptr;
  QDateEdit* DateTimePicker2 = nullptr;
  QLineEdit* lbcount = nullptr;
  QStackedWidget* boards_ = nullptr;
  QFrame* Panel_F1 = nullptr;
  QFrame* Panel_F2 = nullptr;
  QLabel* Images[50] = {};   // [b]: Image01..Image49
  QLabel* lb[50] = {};       // [b]: lb01..lb49
  QLabel* F1_avrlb = nullptr;
  QLabel* TailImages[10] = {};
  QLabel* F2_lb[10] = {};
  QLabel* F2_avrlb = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;
};
