#pragma once
// Number cycle statistics (號碼週期統計): per cycle of n draws, how often
// each ball came out; the ball columns can be regrouped by last digit.
#include "views/cycle_window.h"

class TForm_rk_circle_1 : public CycleStatsDialog {
  Q_OBJECT
 public:
  explicit TForm_rk_circle_1(TForm_rk_main* main);

  void cb_tailClick();

 protected:
  std::vector<int> shownOrder() const override;
  void tableChanged() override { cb_tailClick(); }

 private:
  QCheckBox* cb_tail = nullptr;
  QTableView* sgmap2 = nullptr;
  CycleGridModel* sgmap2Model_ = nullptr;
};
