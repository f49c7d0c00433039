#pragma once
// The 7x7 landing map (7x7 落點圖): the balls on a 7 x 7 board, shifted by a
// chosen amount (optionally once more per draw), with the balls of the draw
// chosen on the scroll bar marked (core/views/occurrence).
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollBar;
class QTableWidget;
class TForm_rk_main;

class TForm_rk_76locate : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_rk_76locate(TForm_rk_main* main);

  void FormShow();
  void sbarChange();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  TForm_rk_main* main_;
  QTableWidget* sg = nullptr;
  QScrollBar* sbar = nullptr;
  QComboBox* cb_move = nullptr;
  QCheckBox* cb_mx = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
};
