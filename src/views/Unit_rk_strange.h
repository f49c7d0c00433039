#pragma once
// The strange-draw window (怪牌版路): draws that meet any ticked criterion,
// listed on the ball map at, before or after each matching draw.
#include <QDialog>

#include "core/views/strange.h"
#include "views/view_links.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QToolButton;

namespace views {
class BallMapGrid;
}

class TForm_rk_strange : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_rk_strange(const views::ViewLinks& links, QWidget* parent = nullptr);

  void FormShow();
  void clbox_reset();
  void clboxClick();
  void showmap(int offset);
  void SpeedButton1Click();   // 全選
  void SpeedButton2Click();   // 重選
  void SpeedButton18Click();  // 上一期
  void SpeedButton19Click();  // 下一期
  void SpeedButton10Click();  // 說明

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void setAllTicks(bool on);
  const tovrin::DrawTable& table() const { return links_.history->table; }

  views::ViewLinks links_;
  int periodOffset_ = 0;
  bool settingTicks_ = false;

  QListWidget* clbox = nullptr;
  views::BallMapGrid* sgmap = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QLabel* lbtot = nullptr;
  QLabel* lbtridx = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QToolButton* SpeedButton18 = nullptr;
  QToolButton* SpeedButton19 = nullptr;
  QToolButton* SpeedButton10 = nullptr;
  QPushButton* BitBtn1 = nullptr;
};
