#pragma once
// The seams between the windows and the desktop: every message box, file
// dialog, clipboard use, print preview, modal showing, clock reading and the
// working directory go through these small interfaces, so tests can replace
// them (a message box that answers from a script, a fixed today).
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace ui {

enum class Icon { Information, Warning, Error };
// Yes alone: an error the user acknowledges with a single Yes button.
enum class Buttons { Ok, YesNo, Yes };
enum class Answer { Ok, Yes, No };

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual Answer show(QWidget* parent, Icon icon, const QString& text, Buttons buttons) = 0;
};

class SaveFileDialog {
 public:
  virtual ~SaveFileDialog() = default;
  // Returns the chosen file, or nothing when the user cancels. `filter` is in
  // the "description|pattern" form the captions use.
  virtual std::optional<QString> getSaveFileName(QWidget* parent, const QString& title,
                                                 const QString& defaultExt, const QString& filter) = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void setText(const QString& text) = 0;
};

class PrintPreview {
 public:
  virtual ~PrintPreview() = default;
  // Shows a printable report of the lines with a preview; `paint` draws the
  // report onto the printer the preview (or the print) uses.
  virtual void preview(QWidget* parent, const QStringList& lines,
                       const std::function<void(QPrinter*)>& paint) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual QDate today() const = 0;
  virtual QDateTime now() const = 0;
};

class WorkingDirectory {
 public:
  virtual ~WorkingDirectory() = default;
  virtual std::filesystem::path path() const = 0;
};

// Shows a window modally: the desktop runs its own event loop until the
// window closes; tests only show it and return, then drive it.
class ModalRunner {
 public:
  virtual ~ModalRunner() = default;
  virtual int exec(QDialog* dialog) = 0;
};

struct HttpResult {
  int status = 0;      // the server's status code; 0 when no answer came
  QByteArray body;     // the body as received, not decoded
  QString error;       // why the transfer did not complete; empty when it did
};

// A blocking HTTP client: one GET returns once the response is complete, the
// time-out has passed or the transfer failed. Redirects are not followed.
class HttpClient {
 public:
  virtual ~HttpClient() = default;
  virtual HttpResult get(const QString& url, int timeoutMs) = 0;
};

// An FTP client that logs in once and keeps that connection for later
// uploads (one login however many files are sent).
class FtpClient {
 public:
  virtual ~FtpClient() = default;
  // Logs in to host:port; true when the login succeeded and the connection is up.
  virtual bool connect(const QString& host, int port, const QString& user, const QString& password) = 0;
  virtual bool connected() const = 0;
  // Sends a local file in binary mode into the login directory under
  // `remoteName`; a failure that loses the connection also ends `connected`.
  virtual bool upload(const std::filesystem::path& file, const QString& remoteName) = 0;
  virtual void close() = 0;
};

// A UDP/IPv4 endpoint. Datagrams arrive through the receiver on the thread
// that made the socket (the window thread), one call per datagram.
class UdpSocket {
 public:
  virtual ~UdpSocket() = default;
  // Called with each datagram's bytes and its sender's address and port.
  virtual void onDatagram(std::function<void(const QByteArray& bytes, const QString& address, int port)> f) = 0;
  // Called when a pending datagram could not be read.
  virtual void onReceiveError(std::function<void(const QString& error)> f) = 0;
  // Binds to the platform's local address and port; false when that failed
  // (errorText says why).
  virtual bool bind() = 0;
  // The local port bound to; 0 before a bind succeeded.
  virtual int localPort() const = 0;
  // Sends one datagram to a literal IPv4 address (no name lookup); false when
  // it could not be sent (errorText says why).
  virtual bool send(const QString& address, int port, const QByteArray& bytes) = 0;
  virtual QString errorText() const = 0;
};

// Makes the UDP endpoints; the platform decides where they bind.
class UdpFactory {
 public:
  virtual ~UdpFactory() = default;
  virtual std::unique_ptr<UdpSocket> create() = 0;
};

struct Platform {
  MessageBox* messages = nullptr;
  SaveFileDialog* saveDialog = nullptr;
  Clipboard* clipboard = nullptr;
  PrintPreview* printPreview = nullptr;
  Clock* clock = nullptr;
  WorkingDirectory* workDir = nullptr;
  ModalRunner* modal = nullptr;
  HttpClient* http = nullptr;
  FtpClient* ftp = nullptr;
  UdpFactory* udp = nullptr;
};

// The platform in use; the desktop implementations until replaced.
Platform& platform();
// Installs another platform (tests); returns the previous one.
Platform setPlatform(const Platform& p);

// Short-hands used all over the windows.
Answer message(QWidget* parent, Icon icon, const QString& text, Buttons buttons = Buttons::Ok);
QDate today();
QDateTime now();
std::filesystem::path workDir();
int execModal(QDialog* dialog);
HttpResult httpGet(const QString& url, int timeoutMs);

// The standard message shown when a text does not read as an integer; the
// handler that asked stops afterwards.
void showInvalidInteger(QWidget* parent, const QString& text);
// Reads an integer the way the number boxes are read; shows the standard
// message and returns nothing when the text is not one.
std::optional<int> readInteger(QWidget* parent, const QString& text);

}  // namespace ui
