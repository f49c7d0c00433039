#pragma once
// The draw record editor: the current game's draws as a grid, changed through
// the entry panel (add, delete, enter) and written back to the draw file on
// 儲存. Between showing and saving the grid's rows are the working copy; the
// DrawTable changes only through the main window's reloads.
#include <QDialog>
#include <array>
#include <functional>

#include "core/history/record_editor.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;
class TForm_rk_main;
class RecordGridModel;

class TForm_rk_lotto_record : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_rk_lotto_record(TForm_rk_main* main);
  ~TForm_rk_lotto_record() override;

  // The text download window (SpeedButton1 stays disabled until this is set)
  // and the UDP request's start (SpeedButton4, hidden).
  void setTextDownloadHook(std::function<void()> hook);
  void setUdpStartHook(std::function<void()> hook);

  // Refills the grid from the DrawTable, newest first, and the count label.
  // Runs after every reload of the main window, shown or not.
  void refillFromTable();
  // Shows the window modally (the command 開獎紀錄編輯).
  void open();

  void FormShow();
  void FormClose();
  // Row and column as the grid counts them: row 0 is the heading row.
  void sglSelectCell(int col, int row);
  void isdChange();
  void isnoExit();
  void isn1Exit() { isnExit(1); }
  void isn2Exit() { isnExit(2); }
  void isn3Exit() { isnExit(3); }
  void isn4Exit() { isnExit(4); }
  void isn5Exit() { isnExit(5); }
  void isn6Exit() { isnExit(6); }
  void isn7Exit() { isnExit(7); }
  void SpeedButton5Click();   // 增加
  void SpeedButton7Click();   // 刪除
  void SpeedButton6Click();   // 儲存
  bool SpeedButton8Click();   // the file write; true when the file was written
  void SpeedButton3Click();   // 順球順序排列
  void SpeedButton12Click();  // 落球大小排列
  void SpeedButton2Click();   // 期數由小到大 (SpeedButton11)
  void SpeedButton9Click();   // 期數由大到小
  void SpeedButton1Click();
  void SpeedButton4Click();
  void SpeedButton10Click();
  void SpeedButton13Click();

 protected:
  void showEvent(QShowEvent* e) override;
  void done(int r) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void buildUi();
  void isnExit(int i);
  bool checkBallField(int i);
  // Shows the rows again and selects the editor's selected row; `load` puts
  // that row into the panel (the order and view buttons keep what is typed).
  void showRows(bool load = true);
  void loadPanel();
  void setCountLabel(int count);

  TForm_rk_main* main_;
  tovrin::RecordEditor editor_;
  RecordGridModel* model_ = nullptr;
  int selectedCol_ = 1;
  bool checking_ = false;  // a field check's message is up
  bool syncing_ = false;   // the grid's selection is being set by the program
  std::function<void()> textDownload_;
  std::function<void()> udpStart_;

  QTableView* sgl = nullptr;
  QDateEdit* isd = nullptr;
  QLineEdit* isno = nullptr;
  std::array<QLineEdit*, 8> isn{};  // isn[1]..isn[7]
  QLabel* lb_reclen = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton3 = nullptr;
  QToolButton* SpeedButton4 = nullptr;
  QToolButton* SpeedButton5 = nullptr;
  QToolButton* SpeedButton6 = nullptr;
  QToolButton* SpeedButton7 = nullptr;
  QToolButton* SpeedButton8 = nullptr;
  QToolButton* SpeedButton9 = nullptr;
  QToolButton* SpeedButton10 = nullptr;
  QToolButton* SpeedButton11 = nullptr;
  QToolButton* SpeedButton12 = nullptr;
  QToolButton* SpeedButton13 = nullptr;
  QPushButton* BitBtn1 = nullptr;
};
