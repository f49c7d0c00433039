#pragma once
// UDP endpoints on QUdpSocket: IPv4 only, bound exclusively to the address
// and port the factory was given, reading datagrams as they arrive.
#include <QHostAddress>

#include "ui/platform.h"

namespace ui {

class QtUdpFactory final : public UdpFactory {
 public:
  QtUdpFactory(QHostAddress address, int port) : address_(std::move(address)), port_(port) {}
  std::unique_ptr<UdpSocket> create() override;

 private:
  QHostAddress address_;
  int port_;
};

}  // namespace ui
