#include "support/fake_platform.h"

#include <QPrinter>

namespace testing_support {

ui::Answer FakeMessages::show(QWidget*, ui::Icon icon, const QString& text, ui::Buttons buttons) {
  shown.push_back({icon, text, buttons});
  if (!script.empty()) {
    ui::Answer a = script.front();
    script.pop_front();
    return a;
  }
  return buttons == ui::Buttons::Ok ? ui::Answer::Ok : ui::Answer::Yes;
}

QStringList FakeMessages::texts() const {
  QStringList out;
  for (const auto& s : shown) out << s.text;
  return out;
}

std::optional<QString> FakeSaveDialog::getSaveFileName(QWidget*, const QString& t, const QString& ext,
                                                       const QString& f) {
  ++calls;
  title = t;
  defaultExt = ext;
  filter = f;
  return answer;
}

void FakePrintPreview::preview(QWidget*, const QStringList& l, const std::function<void(QPrinter*)>& paint) {
  ++calls;
  lines = l;
  if (!pdf.empty()) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    paint(&printer);
  }
}

int ShowOnlyModal::exec(QDialog* d) {
  d->show();
  shown.emplace_back(d);
  return 0;
}

ui::HttpResult FakeHttp::get(const QString& url, int timeoutMs) {
  calls.push_back({url, timeoutMs});
  auto it = responses.find(url);
  if (it != responses.end()) return it->second;
  ui::HttpResult refused;
  refused.error = "Connection refused";
  return refused;
}

void FakeHttp::serve(const QString& url, const QByteArray& body) { responses[url] = ui::HttpResult{200, body, {}}; }

QStringList FakeHttp::urls() const {
  QStringList out;
  for (const auto& c : calls) out << c.url;
  return out;
}

bool FakeFtp::connect(const QString& h, int p, const QString& u, const QString& pw) {
  ++connects;
  host = h;
  port = p;
  user = u;
  password = pw;
  up = acceptLogin;
  return up;
}

bool FakeFtp::upload(const std::filesystem::path& file, const QString& remoteName) {
  if (!up) return false;
  const int index = static_cast<int>(uploaded.size());
  uploaded << remoteName;
  uploadedBytes.push_back(readBytes(file));
  if (index == failUploadAt) {
    if (failureDrops) up = false;
    return false;
  }
  return true;
}

FakePlatform::FakePlatform() {
  workDir.dir = tmp.path();
  previous_ = ui::setPlatform(
      ui::Platform{&messages, &saveDialog, &clipboard, &printPreview, &clock, &workDir, &modal, &http});
  ui::platform().ftp = &ftp;
  ui::platform().udp = &udp;
}

FakePlatform::~FakePlatform() { ui::setPlatform(previous_); }

}  // namespace testing_support
