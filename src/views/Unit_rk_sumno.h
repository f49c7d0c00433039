#pragma once
// Occurrence groups (次群統計): for a draw chosen with the scroll bar, the
// balls grouped by how often they came out before it, with the draw's balls
// marked in the groups (core/views/occurrence).
#include <QDialog>

class QCheckBox;
class QLabel;
class QScrollBar;
class QTableWidget;
class TForm_rk_main;

class TForm_rk_sumno : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_rk_sumno(TForm_rk_main* main);

  void FormShow();
  void sbarChange();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  TForm_rk_main* main_;
  QTableWidget* sg = nullptr;
  QScrollBar* sbar = nullptr;
  QCheckBox* cb_spno = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* lbtitle = nullptr;
  QLabel* lbavr = nullptr;
  QLabel* lb_is_no = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* lbavr2 = nullptr;
};
