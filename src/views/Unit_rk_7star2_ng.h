#pragma once
// 不出牌組: the non-appearing groups prediction. Searches the routes that
// held on the nine draws up to a base date (core/views/nogood_groups), pages
// through them on the grid and appends each route's summary to `mm`, which
// can be copied or printed.
#include <QDialog>

#include "core/history/draw_table.h"
#include "core/views/nogood_groups.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class TForm_rk_main;

class TForm_rk_7star2_ng : public QDialog {
  Q_OBJECT
 public:
  TForm_rk_7star2_ng(tovrin::DrawHistory& history, TForm_rk_main* main, QWidget* parent = nullptr);

  void FormShow();
  void reset_table();
  void SpeedButton4Click();
  void chk_7s();
  void show_7s(int index);
  void SpeedButton2Click();
  void SpeedButton6Click();
  void Button1Click();
  void Button2Click();
  void N1Click();
  void rb3Click();
  void rb_83Click();
  void cb_nonoChange();
  void SpeedButton4MouseMove();

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void setCell(int row, int col, const QString& text);
  void fillRoute(const tovrin::groups::RouteView& view);
  void page(int step);
  void setPaging(bool on);

  tovrin::DrawHistory& history_;
  TForm_rk_main* main_;
  tovrin::groups::Settings settings_;
  // The last search: paging and show-all use its settings and base.
  tovrin::groups::Search search_;
  int index_ = 0;

  QRadioButton* rb3 = nullptr;
  QRadioButton* rb4 = nullptr;
  QRadioButton* rb5 = nullptr;
  QRadioButton* rb_83 = nullptr;
  QRadioButton* rb_84 = nullptr;
  QRadioButton* rb_85 = nullptr;
  QComboBox* cb_nono = nullptr;
  QComboBox* cb_date = nullptr;
  QPushButton* SpeedButton4 = nullptr;
  QPushButton* SpeedButton2 = nullptr;
  QPushButton* SpeedButton6 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
  QLabel* lb_sortidx = nullptr;
  QLabel* lb_tot = nullptr;
  QLabel* Label2 = nullptr;
  QProgressBar* Pbar = nullptr;
  QFrame* panel_print = nullptr;
  QTableWidget* sgl = nullptr;
  QAction* N1 = nullptr;
  QPlainTextEdit* mm = nullptr;
};
