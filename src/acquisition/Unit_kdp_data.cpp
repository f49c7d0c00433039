#include "acquisition/Unit_kdp_data.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

#include "core/text/textfile.h"
#include "ui/platform.h"
#include "ui/text.h"

using ui::qs;

namespace {

const char* const kSuffix[] = {"1", "2", "4", "5"};
const char* const kDateMemoName[] = {"Memo_d1", "Memo_D2", "Memo_D4", "Memo_D5"};
const char* const kDateCaption[] = {"大樂透開獎日期", "六合彩攪珠日期", "威力彩開獎日期", "今彩539開獎日期"};

QFont monospace() {
  QFont f("monospace");
  f.setStyleHint(QFont::TypeWriter);
  return f;
}

}  // namespace

TForm_KDP_data::TForm_KDP_data(std::string historyServer, QWidget* parent)
    : QDialog(parent), server_(std::move(historyServer)) {
  setObjectName("Form_KDP_data");
  setWindowTitle(QStringLiteral("開獎資料"));
  resize(1400, 720);
  auto* top = new QHBoxLayout(this);

  auto* grid = new QGridLayout;
  const auto& games = tovrin::historyGames();
  for (int g = 0; g < N; ++g) {
    auto* caption = new QLabel(qs(games[g].prefix) + " " + qs(games[g].drawFile), this);
    grid->addWidget(caption, 0, g);

    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo_txt") + kSuffix[g]);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setFont(monospace());
    // Wide enough for a whole draw line.
    memo->setMinimumWidth(QFontMetrics(memo->font()).horizontalAdvance(QString(40, '0')) + 24);
    memo->setStyleSheet("QPlainTextEdit { background: white; }");
    grid->addWidget(memo, 1, g);
    drawMemos_[g] = memo;

    auto* count = new QLabel(this);
    count->setObjectName(QStringLiteral("Label") + kSuffix[g]);
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(count, 2, g);
    countLabels_[g] = count;
    setCount(g, tovrin::countLabel(0), false);

    // Receives the downloaded list in the order it is stored; never shown.
    auto* sorted = new QListWidget(this);
    sorted->setObjectName(QStringLiteral("clb_txt") + kSuffix[g]);
    sorted->setVisible(false);
    sortedLists_[g] = sorted;

    grid->addWidget(new QLabel(QString::fromUtf8(kDateCaption[g]), this), 3, g);
    auto* dates = new QPlainTextEdit(this);
    dates->setObjectName(kDateMemoName[g]);
    dates->setReadOnly(true);
    dates->setLineWrapMode(QPlainTextEdit::NoWrap);
    grid->addWidget(dates, 4, g);
    dateMemos_[g] = dates;
  }
  grid->setRowStretch(1, 3);
  grid->setRowStretch(4, 1);
  top->addLayout(grid, 1);

  auto* side = new QVBoxLayout;
  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  SpeedButton1->setIconSize(QSize(48, 48));
  SpeedButton1->setText(QStringLiteral("下載"));
  SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  side->addWidget(SpeedButton1, 0, Qt::AlignHCenter);
  Button1 = new QPushButton(QStringLiteral("按這裡下載"), this);
  Button1->setObjectName("Button1");
  Button1->setVisible(false);
  cb_dLOK = new QCheckBox(QStringLiteral("確認"), this);
  cb_dLOK->setObjectName("cb_dLOK");
  side->addWidget(cb_dLOK);

  memo_msg = new QPlainTextEdit(this);
  memo_msg->setObjectName("memo_msg");
  memo_msg->setReadOnly(true);
  memo_msg->setStyleSheet("QPlainTextEdit { background: #d4d0c8; }");
  memo_msg->setMinimumWidth(220);
  side->addWidget(memo_msg, 1);

  Button3 = new QPushButton(QStringLiteral("手動存檔"), this);
  Button3->setObjectName("Button3");
  side->addWidget(Button3);
  cb_DLOK2 = new QCheckBox(QStringLiteral("確認手動存檔"), this);
  cb_DLOK2->setObjectName("cb_DLOK2");
  side->addWidget(cb_DLOK2);
  BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("離開"), this);
  BitBtn2->setObjectName("BitBtn2");
  side->addWidget(BitBtn2);
  top->addLayout(side);

  connect(SpeedButton1, &QToolButton::clicked, this, &TForm_KDP_data::Button1Click);
  connect(Button1, &QPushButton::clicked, this, &TForm_KDP_data::Button1Click);
  connect(Button3, &QPushButton::clicked, this, &TForm_KDP_data::Button3Click);
  // Each GET closes its own connection, so closing has nothing to tidy up.
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::close);
}

void TForm_KDP_data::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TForm_KDP_data::FormShow() {
  memo_msg->clear();
  loadDrawMemos(true);
  for (int g = 0; g < N; ++g) setCount(g, tovrin::countLabel(ui::memoLines(drawMemos_[g]).size()), false);
  loadDateMemos();
}

void TForm_KDP_data::loadDrawMemos(bool reportErrors) {
  const auto& games = tovrin::historyGames();
  for (int g = 0; g < N; ++g) {
    drawMemos_[g]->clear();
    unreadable_[g] = false;
    const auto file = ui::workDir() / games[g].drawFile;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) continue;  // nothing stored yet
    const auto r = tovrin::readTextLines(file);
    if (!r.ok) {
      unreadable_[g] = true;
      if (reportErrors) ui::message(this, ui::Icon::Error, qs(r.error));
      continue;
    }
    ui::setMemoLines(drawMemos_[g], r.lines);
  }
}

void TForm_KDP_data::loadDateMemos() {
  const auto& games = tovrin::historyGames();
  for (int g = 0; g < N; ++g) {
    dateMemos_[g]->clear();
    const auto r = tovrin::readTextLines(ui::workDir() / games[g].dateFile);
    if (r.ok) ui::setMemoLines(dateMemos_[g], r.lines);
  }
}

void TForm_KDP_data::setCount(int game, const std::string& text, bool red) {
  QLabel* l = countLabels_[game];
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, red ? Qt::red : Qt::black);
  l->setPalette(p);
  l->setText(qs(text));
}

void TForm_KDP_data::log(const std::string& line) {
  // Every line ends with a line break, so an empty last line still counts.
  QTextCursor c(memo_msg->document());
  c.movePosition(QTextCursor::End);
  c.insertText(qs(line) + '\n');
  // The run keeps the thread until it ends; show each step as it happens.
  memo_msg->repaint();
}

bool TForm_KDP_data::save(const std::string& file, const std::vector<std::string>& lines) {
  return tovrin::writeTextLines(ui::workDir() / file, lines).ok;
}

void TForm_KDP_data::Button1Click() {
  if (!cb_dLOK->isChecked()) {
    ui::message(this, ui::Icon::Information, QStringLiteral("請先將【確認】打勾"));
    return;
  }
  memo_msg->clear();
  for (int g = 0; g < N; ++g) {
    drawMemos_[g]->clear();
    sortedLists_[g]->clear();
  }

  tovrin::HistoryDownloadIo io;
  io.fetch = [](const std::string& url) -> std::optional<std::string> {
    const ui::HttpResult r = ui::httpGet(qs(url), tovrin::kHistoryTimeoutMs);
    if (!tovrin::responseUsable(r.status, r.error.isEmpty(), static_cast<std::size_t>(r.body.size())))
      return std::nullopt;
    return r.body.toStdString();
  };
  io.save = [this](const std::string& file, const std::vector<std::string>& lines) { return save(file, lines); };
  io.log = [this](const std::string& line) { log(line); };
  io.drawListDownloaded = [this](int g, const std::vector<std::string>& lines) {
    drawMemos_[g]->clear();
    sortedLists_[g]->addItems(ui::toQt(lines));
    setCount(g, tovrin::downloadedLabel(static_cast<long long>(lines.size())), true);
  };
  io.drawListsDone = [this](const std::array<bool, N>& downloaded) {
    loadDrawMemos(false);
    // A list that did not arrive shows what its file still holds, not a
    // count left from an earlier run.
    for (int g = 0; g < N; ++g)
      if (!downloaded[g]) setCount(g, tovrin::countLabel(ui::memoLines(drawMemos_[g]).size()), false);
  };
  io.dateListDownloaded = [this](int g, const std::vector<std::string>& lines) {
    dateMemos_[g]->clear();
    ui::setMemoLines(dateMemos_[g], lines);
  };
  try {
    tovrin::runHistoryDownload(server_, io);
  } catch (const std::exception& e) {
    ui::message(this, ui::Icon::Error, QStringLiteral("下載中斷：") + QString::fromUtf8(e.what()));
  }
  cb_dLOK->setChecked(false);
}

void TForm_KDP_data::Button3Click() {
  memo_msg->clear();
  if (!cb_DLOK2->isChecked()) {
    ui::message(this, ui::Icon::Information, QStringLiteral("請先將【確認手動存檔】打勾"));
    return;
  }
  try {
    tovrin::runManualSave(
        [this](int g) -> std::optional<std::vector<std::string>> {
          if (unreadable_[g]) return std::nullopt;
          return ui::memoStdLines(drawMemos_[g]);
        },
        [this](const std::string& file, const std::vector<std::string>& lines) { return save(file, lines); },
        [this](const std::string& line) { log(line); });
  } catch (const std::exception& e) {
    ui::message(this, ui::Icon::Error, QStringLiteral("存檔中斷：") + QString::fromUtf8(e.what()));
  }
  cb_DLOK2->setChecked(false);
}
