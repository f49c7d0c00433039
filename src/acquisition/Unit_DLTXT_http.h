#pragma once
// The text download window: replaces the current game's draw file by the
// copy on the data server and, whenever it closes, reloads the history.
#include <QDialog>
#include <functional>
#include <string>

#include "core/acquisition/data_server.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TForm_rk_main;

class TForm_Download_TxT_from_http : public QDialog {
  Q_OBJECT
 public:
  // `dataServer` gives DataServerAddress when a download starts.
  TForm_Download_TxT_from_http(TForm_rk_main* main, std::function<std::string()> dataServer,
                               QWidget* parent = nullptr);

  // The GET's time-out (tests shorten it).
  void setTimeoutMs(int ms) { timeoutMs_ = ms; }

  void FormShow();
  void Button1Click();
  void done(int r) override;  // FormClose: every close reloads the history

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  // The success event with the checked lines of the body.
  void NMHTTP_DLTXTSuccess(const std::vector<std::string>& lines);
  void failed();

  TForm_rk_main* main_;
  std::function<std::string()> dataServer_;
  int timeoutMs_ = tovrin::kTextDownloadTimeoutMs;

  QLabel* Image1 = nullptr;
  QLabel* Label2 = nullptr;
  QPushButton* Button1 = nullptr;
  QPlainTextEdit* Memo_txt = nullptr;
};
