#include "ui/qt_platform.h"

#include "ui/curl_http.h"
#include "ui/curl_ftp.h"
#include "ui/qt_udp.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace ui {
namespace {

class QtMessageBox final : public MessageBox {
 public:
  Answer show(QWidget* parent, Icon icon, const QString& text, Buttons buttons) override {
    QMessageBox box(parent);
    box.setWindowTitle(QApplication::applicationName());
    box.setText(text);
    switch (icon) {
      case Icon::Information: box.setIcon(QMessageBox::Information); break;
      case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
      case Icon::Error: box.setIcon(QMessageBox::Critical); break;
    }
    if (buttons == Buttons::YesNo) {
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::No);
      return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    if (buttons == Buttons::Yes) {
      box.setStandardButtons(QMessageBox::Yes);
      box.exec();
      return Answer::Yes;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
  }
};

class QtSaveFileDialog final : public SaveFileDialog {
 public:
  std::optional<QString> getSaveFileName(QWidget* parent, const QString& title, const QString& defaultExt,
                                         const QString& filter) override {
    QFileDialog dlg(parent, title, QString::fromStdString(workDir().string()));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(defaultExt);
    dlg.setNameFilter(toQtFilter(filter));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return dlg.selectedFiles().first();
  }
};

class QtClipboard final : public Clipboard {
 public:
  void setText(const QString& text) override { QApplication::clipboard()->setText(text); }
};

class QtPrintPreview final : public PrintPreview {
 public:
  void preview(QWidget* parent, const QStringList&, const std::function<void(QPrinter*)>& paint) override {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dlg(&printer, parent);
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg, [&](QPrinter* p) { paint(p); });
    dlg.exec();
  }
};

class SystemClock final : public Clock {
 public:
  QDate today() const override { return QDate::currentDate(); }
  QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class CurrentDirectory final : public WorkingDirectory {
 public:
  std::filesystem::path path() const override { return std::filesystem::current_path(); }
};

class QtModalRunner final : public ModalRunner {
 public:
  int exec(QDialog* dialog) override { return dialog->exec(); }
};

}  // namespace

Platform desktopPlatform() {
  static QtMessageBox messages;
  static QtSaveFileDialog save;
  static QtClipboard clipboard;
  static QtPrintPreview print;
  static SystemClock clock;
  static CurrentDirectory dir;
  static QtModalRunner modal;
  static CurlHttpClient http;
  static CurlFtpClient ftp;
  // The data server's peers reach this program on UDP port 6767 of every
  // IPv4 interface.
  static QtUdpFactory udp(QHostAddress::AnyIPv4, 6767);
  Platform p{&messages, &save, &clipboard, &print, &clock, &dir, &modal, &http};
  p.ftp = &ftp;
  p.udp = &udp;
  return p;
}

QString toQtFilter(const QString& filter) {
  const QStringList parts = filter.split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) out << parts[i] + " (" + parts[i + 1] + ")";
  if (parts.size() % 2 == 1 && !parts.last().isEmpty()) out << parts.last();
  return out.join(";;");
}

}  // namespace ui
