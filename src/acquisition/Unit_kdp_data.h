#pragma once
// The history download window: fetches the draw lists and draw dates of four
// games from the history server and stores them as the local files, and lets
// the user correct the four draw lists by hand. It never reloads the
// DrawTable; the main window's next reload picks the new files up.
#include <QDialog>
#include <array>
#include <string>

#include "core/acquisition/history_download.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

class TForm_KDP_data : public QDialog {
  Q_OBJECT
 public:
  // `historyServer` is the host (and port) the files are fetched from.
  explicit TForm_KDP_data(std::string historyServer, QWidget* parent = nullptr);

  void FormShow();
  void Button1Click();
  void Button3Click();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  static constexpr int N = tovrin::kHistoryGameCount;
  void loadDrawMemos(bool reportErrors);
  void loadDateMemos();
  void setCount(int game, const std::string& text, bool red);
  void log(const std::string& line);
  bool save(const std::string& file, const std::vector<std::string>& lines);

  std::string server_;
  // Draw files that could not be read when the memos were filled: their memo
  // does not hold the file, so a manual save must not write it.
  std::array<bool, N> unreadable_{};

  std::array<QPlainTextEdit*, N> drawMemos_{};
  std::array<QLabel*, N> countLabels_{};
  std::array<QListWidget*, N> sortedLists_{};
  std::array<QPlainTextEdit*, N> dateMemos_{};

  QPlainTextEdit* memo_msg = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QPushButton* Button1 = nullptr;
  QCheckBox* cb_dLOK = nullptr;
  QPushButton* Button3 = nullptr;
  QCheckBox* cb_DLOK2 = nullptr;
  QPushButton* BitBtn2 = nullptr;
};
