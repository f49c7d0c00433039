#pragma once
// The window the 2A, 3A and 4A rule maps share: the ball map of the whole
// history (`sgmap`) on which the user picks two, three or four cells, and the
// result map (`sgmap1`) listing the draws at, before or after every place the
// picked pattern recurs.
#include <QDialog>
#include <array>

#include "core/views/rule_maps.h"
#include "views/view_links.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

namespace views {
class BallMapGrid;
}

class RuleMapForm : public QDialog {
  Q_OBJECT
 public:
  // `marks` is 2, 3 or 4; the help button is `helpButton` and shows `helpFile`.
  RuleMapForm(int marks, const QString& objectName, const QString& caption, const QString& helpFile,
              const QString& helpButton, const views::ViewLinks& links, QWidget* parent = nullptr);
  ~RuleMapForm() override;

  void FormShow();
  void map_reset();
  void sgmapSelectCell(int ACol, int ARow);
  void SpeedButton4Click();  // 開始搜尋
  void SpeedButton3Click();  // 清除
  void SpeedButton1Click();  // 上一期
  void SpeedButton2Click();  // 下一期
  void helpClick();

  int marks() const { return picker_.marks(); }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void search();  // the 2A, 3A or 4A search with the current picks
  void showPickState();
  const tovrin::DrawTable& table() const { return links_.history->table; }
  int maxBall() const { return links_.history->settings.maxBall; }

  views::ViewLinks links_;
  QString helpFile_;
  tovrin::PatternPicker picker_;
  int periodOffset_ = 0;

  views::BallMapGrid* sgmap = nullptr;
  views::BallMapGrid* sgmap1 = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QButtonGroup* pickGroup_ = nullptr;
  std::array<QToolButton*, 4> sb{};
  QToolButton* sbxx = nullptr;
  std::array<QLabel*, 4> cb{};
  std::array<QLabel*, 4> Label{};  // Label[1..3] are Label2..Label4
  QCheckBox* chk_fixed = nullptr;
  QLabel* lbtot = nullptr;
  QLabel* lbtridx = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QToolButton* SpeedButton3 = nullptr;
  QToolButton* SpeedButton4 = nullptr;
  QToolButton* helpButton_ = nullptr;
  QPushButton* BitBtn1 = nullptr;
};
