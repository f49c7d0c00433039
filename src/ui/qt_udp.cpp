#include "ui/qt_udp.h"

#include <QNetworkDatagram>
#include <QPointer>
#include <QTimer>
#include <QUdpSocket>

namespace ui {
namespace {

// Datagrams handled per turn of the event loop; the rest wait for the next
// turn, so a flood cannot keep the window from repainting.
constexpr int kDatagramsPerTurn = 64;

class QtUdpSocket final : public UdpSocket {
 public:
  QtUdpSocket(QHostAddress address, int port) : address_(std::move(address)), port_(port) {
    QObject::connect(&socket_, &QUdpSocket::readyRead, &socket_, [this] { drain(); });
  }

  void onDatagram(std::function<void(const QByteArray&, const QString&, int)> f) override {
    datagram_ = std::move(f);
  }
  void onReceiveError(std::function<void(const QString&)> f) override { receiveError_ = std::move(f); }

  bool bind() override {
    // Exclusive: a second copy of the program must not share the port, and
    // no broadcast or multicast option is set.
    if (!socket_.bind(address_, static_cast<quint16>(port_), QAbstractSocket::DontShareAddress)) {
      error_ = socket_.errorString();
      return false;
    }
    return true;
  }

  int localPort() const override { return socket_.state() == QAbstractSocket::BoundState ? socket_.localPort() : 0; }

  bool send(const QString& address, int port, const QByteArray& bytes) override {
    QHostAddress to;
    if (!to.setAddress(address) || to.protocol() != QAbstractSocket::IPv4Protocol || port < 1 || port > 65535) {
      error_ = QStringLiteral("Invalid address ") + address;
      return false;
    }
    if (socket_.writeDatagram(bytes, to, static_cast<quint16>(port)) != bytes.size()) {
      error_ = socket_.errorString();
      return false;
    }
    return true;
  }

  QString errorText() const override { return error_; }

 private:
  void drain() {
    for (int i = 0; i < kDatagramsPerTurn && socket_.hasPendingDatagrams(); ++i) {
      const QNetworkDatagram d = socket_.receiveDatagram();
      if (!d.isValid()) {
        if (receiveError_) receiveError_(socket_.errorString());
        return;
      }
      if (datagram_) datagram_(d.data(), d.senderAddress().toString(), d.senderPort());
    }
    if (socket_.hasPendingDatagrams() && !scheduled_) {
      scheduled_ = true;
      QTimer::singleShot(0, &socket_, [this] {
        scheduled_ = false;
        drain();
      });
    }
  }

  QHostAddress address_;
  int port_;
  QUdpSocket socket_;
  QString error_;
  bool scheduled_ = false;
  std::function<void(const QByteArray&, const QString&, int)> datagram_;
  std::function<void(const QString&)> receiveError_;
};

}  // namespace

std::unique_ptr<UdpSocket> QtUdpFactory::create() { return std::make_unique<QtUdpSocket>(address_, port_); }

}  // namespace ui
