#pragma once
// The PMX window (PMX版路): the latest draws newest first with two checks on
// two tabs — repeats at an interval (間隔連莊) and the PMX rule, whose number
// pools and hits come from core/views/pmx.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QTabWidget;
class QTableWidget;
class TForm_rk_main;

class TForm_rk_7_1 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_rk_7_1(TForm_rk_main* main);

  void FormShow();
  void reset_table();
  void PageControl1Change();
  void cb_11Change();
  void cb_23Change();
  void SpeedButton5Click();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void buildUi();
  void rebuildPmxCombos();
  // Grid row of draw `draw` (1-based), or 0 when it is not listed.
  int rowOf(int draw) const;

  TForm_rk_main* main_;

  QTabWidget* PageControl1 = nullptr;
  QComboBox* cb_latest1 = nullptr;
  QComboBox* cb_11 = nullptr;
  QCheckBox* cb_spno1 = nullptr;
  QComboBox* cb_21d = nullptr;
  QComboBox* cb_22 = nullptr;
  QComboBox* cb_23 = nullptr;
  QComboBox* cb_24 = nullptr;
  QComboBox* cb_25 = nullptr;
  QCheckBox* cb_spno2 = nullptr;
  QTableWidget* sgl = nullptr;
  QFrame* Panel3 = nullptr;
  QLabel* lbtitle = nullptr;
  QLabel* lb_next = nullptr;
  QLabel* lbtot = nullptr;
};
