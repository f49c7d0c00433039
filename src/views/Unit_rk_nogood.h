#pragma once
// 不出尾數版路: the non-appearing tails prediction. The search and every text
// come from core/views/nogood_tails; this window keeps the base and order
// choice, shows the verification grid and the explanation of the formula the
// user pages to.
#include <QDialog>
#include <optional>

#include "core/history/draw_table.h"
#include "core/views/nogood_tails.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

class TForm_rk_nogood : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_rk_nogood(tovrin::DrawHistory& history, QWidget* parent = nullptr);

  void FormShow();
  void reset_table();
  void SpeedButton4Click();
  void chk_6line_t(const QString& baseText);
  void SpeedButton2Click();
  void SpeedButton6Click();
  void show_6line_t(const std::string& code);
  void rb_ball_oriClick();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void setCell(int row, int col, const QString& text);
  void page(int step);

  tovrin::DrawHistory& history_;
  tovrin::tails::BallOrder order_ = tovrin::tails::BallOrder::Drawn;
  // The last search: paging reads its codes, base and order.
  tovrin::tails::Search search_;
  int index_ = 0;

  QComboBox* cb_base = nullptr;
  QRadioButton* rb_ball_ori = nullptr;
  QRadioButton* rb_ball_sort = nullptr;
  QPushButton* SpeedButton4 = nullptr;
  QPushButton* SpeedButton2 = nullptr;
  QPushButton* SpeedButton6 = nullptr;
  QLabel* lb_sortidx = nullptr;
  QLabel* lb_tot = nullptr;
  QLabel* Label2 = nullptr;
  QProgressBar* Pbar = nullptr;
  QTableWidget* sgl = nullptr;
  QPlainTextEdit* mm = nullptr;
};
