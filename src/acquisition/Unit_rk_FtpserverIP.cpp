#include "acquisition/Unit_rk_FtpserverIP.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <filesystem>

#include "core/acquisition/data_server.h"
#include "core/text/textfile.h"
#include "ui/platform.h"
#include "ui/text.h"

using ui::qs;

namespace {

// The lines of the address file, or nothing when there is none to read.
std::optional<std::vector<std::string>> readAddressFile() {
  const std::filesystem::path file = tovrin::addressFile(ui::workDir());
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
  auto r = tovrin::readTextLines(file);
  if (!r.ok) return std::nullopt;
  return std::move(r.lines);
}

}  // namespace

TForm_rk_FtpServerIP::TForm_rk_FtpServerIP(QWidget* parent) : QDialog(parent) {
  setObjectName("Form_rk_FtpServerIP");
  setWindowTitle(QStringLiteral("資料下載伺服器位址"));
  auto* top = new QVBoxLayout(this);

  top->addWidget(new QLabel(QStringLiteral("現在資料下載的位址為"), this));
  Label2 = new QLabel(this);
  Label2->setObjectName("Label2");
  QFont big = Label2->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  Label2->setFont(big);
  top->addWidget(Label2);

  top->addWidget(new QLabel(QStringLiteral("新IP位址為"), this));
  auto* row = new QHBoxLayout;
  for (int i = 0; i < 4; ++i) {
    if (i > 0) row->addWidget(new QLabel(QStringLiteral("."), this));
    auto* e = new QLineEdit(this);
    e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    e->setMaximumWidth(90);
    row->addWidget(e);
    edits_[i] = e;
  }
  row->addStretch();
  top->addLayout(row);

  auto* notice = new QLabel(
      QStringLiteral("請注意,本IP位址為開獎資料下載伺服器位置 設定如果錯誤將無法正常下載資料.如無變更通知,請勿更改."), this);
  notice->setWordWrap(true);
  notice->setStyleSheet("color: red;");
  top->addWidget(notice);

  auto* buttons = new QHBoxLayout;
  Button2 = new QPushButton(QStringLiteral("確定"), this);
  Button2->setObjectName("Button2");
  BitBtn1 = new QPushButton(QStringLiteral("離開"), this);
  BitBtn1->setObjectName("BitBtn1");
  buttons->addStretch();
  buttons->addWidget(Button2);
  buttons->addWidget(BitBtn1);
  top->addLayout(buttons);

  // Holds the file's lines as read and written; never shown.
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setVisible(false);

  connect(Button2, &QPushButton::clicked, this, &TForm_rk_FtpServerIP::Button2Click);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);

  // A confirmed address outlives the program: downloads after a restart use
  // the one the window shows.
  const auto lines = readAddressFile();
  address_ = tovrin::startupAddress(lines ? *lines : std::vector<std::string>{});
}

void TForm_rk_FtpServerIP::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TForm_rk_FtpServerIP::FormShow() {
  const auto lines = readAddressFile();
  Memo1->clear();
  if (lines) ui::setMemoLines(Memo1, *lines);
  // Without a stored address the one in use is shown.
  const QString first = lines && !lines->empty() ? qs(lines->front()).trimmed() : QString();
  Label2->setText(first.isEmpty() ? qs(address_) : first);
}

void TForm_rk_FtpServerIP::Button2Click() {
  std::array<std::string, 4> parts;
  for (int i = 0; i < 4; ++i) parts[i] = ui::ss(edits_[i]->text());
  const auto address = tovrin::joinAddressParts(parts);
  if (!address) {
    ui::message(this, ui::Icon::Error, QStringLiteral("資料有空白錯誤"));
    return;
  }
  if (ui::message(this, ui::Icon::Warning, QStringLiteral("請確定新的IP為 ") + qs(*address), ui::Buttons::YesNo) !=
      ui::Answer::Yes)
    return;
  const auto written = tovrin::writeTextLines(tovrin::addressFile(ui::workDir()), {*address});
  if (!written.ok) {
    const std::string why = written.unencodable ? std::string("含有無法儲存的字元")
                            : written.error.empty() ? std::string("無法寫入")
                                                    : written.error;
    ui::message(this, ui::Icon::Error, QStringLiteral("位址無法儲存：") + qs(why));
    return;
  }
  Memo1->setPlainText(qs(*address));
  ui::message(this, ui::Icon::Information, QStringLiteral("新IP設定完成"));
  address_ = *address;
  FormShow();
}
