#pragma once
// The total-count window (總數推算): every draw with its total, and the draws
// whose total lies within a tolerance of a chosen total, listed on the ball
// map at, before or after each of them.
#include <QDialog>

#include "views/view_links.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace views {
class BallMapGrid;
}

class TForm_rk_rule_7 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_rk_rule_7(const views::ViewLinks& links, QWidget* parent = nullptr);

  void FormShow();
  void show_total();
  void show_rule_total(long long T, long long E, int offset);
  void cb_mpChange();
  void SpeedButton1Click();  // 上一期
  void SpeedButton2Click();  // 下一期

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  bool readSilently(long long& T, long long& E) const;
  const tovrin::DrawTable& table() const { return links_.history->table; }

  views::ViewLinks links_;
  int periodOffset_ = 0;

  QTableWidget* sgl = nullptr;
  views::BallMapGrid* sgmap = nullptr;
  QLineEdit* ed_tot = nullptr;
  QComboBox* cb_mp = nullptr;
  QCheckBox* cb_spno = nullptr;
  QLabel* lbtot = nullptr;
  QLabel* lbtridx = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QPushButton* BitBtn1 = nullptr;
};
