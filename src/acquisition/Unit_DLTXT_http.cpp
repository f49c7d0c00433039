#include "acquisition/Unit_DLTXT_http.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/acquisition/history_download.h"
#include "core/text/textfile.h"
#include "history/Unit_RK_main.h"
#include "ui/platform.h"
#include "ui/text.h"
#include "ui/widgets.h"

using ui::qs;

TForm_Download_TxT_from_http::TForm_Download_TxT_from_http(TForm_rk_main* main,
                                                           std::function<std::string()> dataServer,
                                                           QWidget* parent)
    : QDialog(parent), main_(main), dataServer_(std::move(dataServer)) {
  setObjectName("Form_Download_TxT_from_http");
  setWindowTitle(QStringLiteral("下載開獎資料"));
  auto* top = new QHBoxLayout(this);

  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  top->addWidget(Image1);

  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(QStringLiteral("開獎檔案"), this));
  Label2 = new QLabel(this);
  Label2->setObjectName("Label2");
  QFont big = Label2->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  Label2->setFont(big);
  right->addWidget(Label2);
  Button1 = new QPushButton(QStringLiteral("開始下載"), this);
  Button1->setObjectName("Button1");
  right->addWidget(Button1);
  right->addStretch();
  top->addLayout(right);

  // Receives the downloaded text; never shown.
  Memo_txt = new QPlainTextEdit(this);
  Memo_txt->setObjectName("Memo_txt");
  Memo_txt->setVisible(false);

  connect(Button1, &QPushButton::clicked, this, &TForm_Download_TxT_from_http::Button1Click);
}

void TForm_Download_TxT_from_http::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TForm_Download_TxT_from_http::FormShow() {
  Label2->setText(qs(main_->settings().currentDrawFile));
  Image1->setPixmap(main_->currentLogo());
}

void TForm_Download_TxT_from_http::failed() {
  ui::message(this, ui::Icon::Warning,
              QStringLiteral("檔案下載失敗,請檢查網路連線是否正常或防火牆(防毒程式)設定"));
  close();
}

void TForm_Download_TxT_from_http::Button1Click() {
  Button1->setEnabled(false);
  const std::string address = dataServer_();
  // An address that is no host name never reaches the network.
  if (!tovrin::usableHost(address)) {
    failed();
    return;
  }
  const ui::HttpResult r =
      ui::httpGet(qs(tovrin::textDownloadUrl(address, main_->settings().currentDrawFile)), timeoutMs_);
  const auto size = static_cast<std::size_t>(r.body.size());
  // An error page, a redirect, a cut-off or oversized body is no draw file:
  // it must not replace the user's one.
  std::optional<std::vector<std::string>> lines;
  if (tovrin::responseUsable(r.status, r.error.isEmpty(), size) && size <= tovrin::kMaxTextDownloadBytes)
    lines = tovrin::checkDrawListBody(std::string_view(r.body.constData(), size), tovrin::DrawListFormat::DrawLines);
  if (!lines) {
    failed();
    return;
  }
  NMHTTP_DLTXTSuccess(*lines);
}

void TForm_Download_TxT_from_http::NMHTTP_DLTXTSuccess(const std::vector<std::string>& lines) {
  Memo_txt->clear();
  ui::setMemoLines(Memo_txt, lines);
  const auto written = tovrin::writeTextLines(main_->history().currentFilePath(), lines);
  if (!written.ok) {
    ui::message(this, ui::Icon::Warning, QStringLiteral("檔案無法寫入,磁碟可能損壞.請執行修復後再試試"));
    return;
  }
  ui::message(this, ui::Icon::Information, QStringLiteral("下載完成,請等候5-10秒以更新資料"));
  close();
}

void TForm_Download_TxT_from_http::done(int r) {
  QDialog::done(r);
  // The table, the draw editor's grid and its count follow the file, also
  // after a failed or cancelled download.
  main_->reloadDraws();
  Button1->setEnabled(true);
}
