#pragma once
// The data server address window: shows the stored address and lets the user
// confirm a new one, which the text download and the UDP peer then use. It
// owns DataServerAddress, read from the address file when the window is made.
#include <QDialog>
#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TForm_rk_FtpServerIP : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_rk_FtpServerIP(QWidget* parent = nullptr);

  // DataServerAddress.
  const std::string& address() const { return address_; }

  void FormShow();
  void Button2Click();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  std::string address_;

  QLabel* Label2 = nullptr;
  std::array<QLineEdit*, 4> edits_{};
  QPushButton* Button2 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
};
