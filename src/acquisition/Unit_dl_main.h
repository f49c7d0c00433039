#pragma once
// The UDP peer: never shown, it listens from its creation, logs every
// datagram and answers draw-list requests from its (empty) reply list; its
// start sends a greeting to the data server. No datagram opens a message box,
// writes a file or touches the draws.
#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
namespace ui {
class UdpSocket;
}

class TForm_dl_main : public QDialog {
  Q_OBJECT
 public:
  // `dataServer` gives DataServerAddress when a request starts.
  explicit TForm_dl_main(std::function<std::string()> dataServer, QWidget* parent = nullptr);
  ~TForm_dl_main() override;

  // The local port the endpoint listens on; 0 when the bind failed.
  int localPort() const;

  void like_onshow();
  void Btn_sendClick();
  void SendRequest(const QString& host, const QByteArray& text);
  void NMUDP1DataReceived(const QByteArray& bytes, const QString& fromAddress, int fromPort);

 private:
  void log(const std::string& line);
  void setStatus(const QString& text);

  std::function<std::string()> dataServer_;
  std::unique_ptr<ui::UdpSocket> NMUDP1;
  QString remoteHost_;
  int remotePort_ = 0;
  int sentCount_ = 0;
  int savedCount_ = 0;
  // The responder's reply list and header: nothing in this program fills them.
  std::vector<std::string> replyList_;
  std::string header_;

  QLineEdit* edit_host = nullptr;
  QLineEdit* Edit2 = nullptr;
  QPushButton* Btn_send = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* Button3 = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* Edit4 = nullptr;
  QPlainTextEdit* Memo3 = nullptr;
};
