#pragma once
// What the two cycle-statistics windows share: the cycle length box, the
// special-ball box, the average and maximum labels, the grid over the cycle
// table and the pop-up menu that saves the table as text or CSV.
#include <QDialog>
#include <memory>

#include "core/views/cycles.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QTableView;
class QVBoxLayout;
class CycleGridModel;
class TForm_rk_main;

class CycleStatsDialog : public QDialog {
  Q_OBJECT
 public:
  void FormShow();
  void cb_circleChange();
  void show_map(int n);
  void N4Click();
  void Excel1Click();

 protected:
  CycleStatsDialog(TForm_rk_main* main, tovrin::CycleKind kind);
  void showEvent(QShowEvent* e) override;
  // The export text: one line per grid row of the grid shown.
  std::vector<std::string> exportLines() const;
  // Column order of the grid shown (regrouped or not).
  virtual std::vector<int> shownOrder() const;
  // Called at the end of every table rebuild.
  virtual void tableChanged() {}
  // Right-clicks on `w` open the save menu.
  void offerMenuOn(QWidget* w);
  void save(const QString& ext, const QString& filter);

  TForm_rk_main* main_;
  tovrin::CycleKind kind_;
  std::shared_ptr<const tovrin::CycleTable> table_;

  QVBoxLayout* layout_ = nullptr;
  QComboBox* cb_circle = nullptr;
  QCheckBox* cb_spno = nullptr;
  QLabel* lbavr = nullptr;
  QLabel* lbmax = nullptr;
  QTableView* sgmap = nullptr;
  CycleGridModel* sgmapModel_ = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* N4 = nullptr;
  QAction* Excel1 = nullptr;
};
