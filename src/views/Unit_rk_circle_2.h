#pragma once
// Tail cycle statistics (尾數週期統計): per cycle of n draws, how many drawn
// balls ended in each digit 0..9.
#include "views/cycle_window.h"

class TForm_rk_circle_2 : public CycleStatsDialog {
  Q_OBJECT
 public:
  explicit TForm_rk_circle_2(TForm_rk_main* main);
};
