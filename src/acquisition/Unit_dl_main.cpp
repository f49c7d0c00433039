#include "acquisition/Unit_dl_main.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "core/acquisition/data_server.h"
#include "core/acquisition/udp_request.h"
#include "ui/platform.h"
#include "ui/text.h"

using ui::qs;

TForm_dl_main::TForm_dl_main(std::function<std::string()> dataServer, QWidget* parent)
    : QDialog(parent), dataServer_(std::move(dataServer)) {
  setObjectName("Form_dl_main");
  setWindowTitle(QStringLiteral("UDP"));
  auto* top = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  top->addLayout(grid);

  edit_host = new QLineEdit(QString::fromLatin1(tovrin::kDefaultDataServer), this);
  edit_host->setObjectName("edit_host");
  Edit2 = new QLineEdit(QString::number(tovrin::kUdpPort), this);
  Edit2->setObjectName("Edit2");
  Btn_send = new QPushButton(QStringLiteral("Send"), this);
  Btn_send->setObjectName("Btn_send");
  Button2 = new QPushButton(QStringLiteral("Clear Memo"), this);
  Button2->setObjectName("Button2");
  Button3 = new QPushButton(QStringLiteral("Default host"), this);
  Button3->setObjectName("Button3");
  Label4 = new QLabel(QStringLiteral("workfile=0"), this);
  Label4->setObjectName("Label4");
  Label5 = new QLabel(QStringLiteral("savefile=0"), this);
  Label5->setObjectName("Label5");
  Edit4 = new QLineEdit(QStringLiteral("3"), this);
  Edit4->setObjectName("Edit4");
  grid->addWidget(new QLabel(QStringLiteral("Host"), this), 0, 0);
  grid->addWidget(edit_host, 0, 1);
  grid->addWidget(Button3, 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("Port"), this), 1, 0);
  grid->addWidget(Edit2, 1, 1);
  grid->addWidget(Btn_send, 1, 2);
  grid->addWidget(Label4, 2, 0);
  grid->addWidget(Label5, 2, 1);
  grid->addWidget(Edit4, 2, 2);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setMaximumBlockCount(tovrin::kUdpLogLines);
  top->addWidget(Memo1);
  top->addWidget(Button2);
  Memo3 = new QPlainTextEdit(this);
  Memo3->setObjectName("Memo3");
  Memo3->setVisible(false);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSizeGripEnabled(false);
  top->addWidget(StatusBar1);

  connect(Btn_send, &QPushButton::clicked, this, &TForm_dl_main::Btn_sendClick);
  connect(Button2, &QPushButton::clicked, Memo1, &QPlainTextEdit::clear);
  connect(Button3, &QPushButton::clicked, this,
          [this] { edit_host->setText(QString::fromLatin1(tovrin::kDefaultDataServer)); });

  // Listens from start-up to the end of the program. A port held by another
  // program leaves this peer silent; the rest of the program works on.
  NMUDP1 = ui::platform().udp->create();
  NMUDP1->onDatagram([this](const QByteArray& bytes, const QString& from, int port) {
    try {
      NMUDP1DataReceived(bytes, from, port);
    } catch (const std::exception&) {
      setStatus(QStringLiteral("DataError"));
    }
  });
  NMUDP1->onReceiveError([this](const QString&) { setStatus(QStringLiteral("DataError")); });
  if (!NMUDP1->bind()) setStatus(NMUDP1->errorText());
}

TForm_dl_main::~TForm_dl_main() = default;

int TForm_dl_main::localPort() const { return NMUDP1->localPort(); }

void TForm_dl_main::setStatus(const QString& text) { StatusBar1->showMessage(text); }

void TForm_dl_main::log(const std::string& line) { Memo1->appendPlainText(QString::fromLatin1(line)); }

void TForm_dl_main::like_onshow() {
  remoteHost_ = edit_host->text();
  remotePort_ = Edit2->text().trimmed().toInt();
  Memo3->clear();
  sentCount_ = 0;
  savedCount_ = Memo3->document()->isEmpty() ? 0 : Memo3->document()->blockCount();
  Label4->setText(QStringLiteral("workfile=%1").arg(replyList_.size()));
  Label5->setText(QStringLiteral("savefile=%1").arg(savedCount_));
  Edit4->setText(QString::number(savedCount_));
  edit_host->setText(qs(dataServer_()));
  Btn_sendClick();
}

void TForm_dl_main::Btn_sendClick() {
  sentCount_ = 0;
  remotePort_ = Edit2->text().trimmed().toInt();
  const QString stamp = ui::now().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
  SendRequest(edit_host->text(), QByteArray::fromStdString(tovrin::udpGreeting(ui::ss(stamp))));
}

void TForm_dl_main::SendRequest(const QString& host, const QByteArray& text) {
  remoteHost_ = host;
  if (text.isEmpty()) return;
  // Only a literal IPv4 address is used: no name is looked up, and the
  // port of a download address ("host:port") is not the peer's port.
  const std::string h(tovrin::hostPart(ui::ss(host.trimmed())));
  if (!tovrin::usableHost(ui::ss(host.trimmed())) || !tovrin::isIpv4Literal(h)) {
    ui::message(this, ui::Icon::Error, QStringLiteral("伺服器 IP 錯誤或沒有連上網路"));
    return;
  }
  if (!NMUDP1->send(qs(h), remotePort_, text)) {
    setStatus(NMUDP1->errorText());
    return;
  }
  ++sentCount_;
  setStatus(QStringLiteral("Data Sent"));
}

void TForm_dl_main::NMUDP1DataReceived(const QByteArray& bytes, const QString& fromAddress, int /*fromPort*/) {
  const std::string_view data(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  log(tovrin::udpLogLine(ui::ss(fromAddress), data));
  const auto answer = tovrin::udpAnswer(data, replyList_, header_);
  if (answer.empty()) return;
  // Answers go back to the sender's own address, and only when that is a
  // single host: a forged broadcast or multicast sender gets nothing.
  bool portOk = false;
  const int port = Edit2->text().trimmed().toInt(&portOk);
  if (!tovrin::isUnicastIpv4(ui::ss(fromAddress)) || !portOk) return;
  for (const std::string& d : answer) {
    if (!NMUDP1->send(fromAddress, port, QByteArray::fromStdString(d))) {
      setStatus(NMUDP1->errorText());
      return;
    }
  }
  setStatus(QStringLiteral("Data Sent"));
}
