#include "history/Unit_RK_stk_txtfile.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text/textfile.h"
#include "ui/platform.h"
#include "ui/text.h"

using ui::qs;

TForm_RK_stk_txtfile::TForm_RK_stk_txtfile(tovrin::DrawHistory& history,
                                           std::function<tovrin::LoadResult()> reload, QWidget* parent)
    : QDialog(parent), history_(history), reload_(std::move(reload)) {
  setObjectName("Form_RK_stk_txtfile");
  resize(720, 640);
  auto* v = new QVBoxLayout(this);

  auto* top = new QFrame(this);
  top->setObjectName("Panel1");
  auto* th = new QHBoxLayout(top);
  Image1 = new QLabel(top);
  Image1->setObjectName("Image1");
  th->addWidget(Image1);
  auto* hints = new QVBoxLayout;
  Label1 = new QLabel(top);
  Label1->setObjectName("Label1");
  QFont f = Label1->font();
  f.setPointSize(14);
  f.setBold(true);
  Label1->setFont(f);
  hints->addWidget(Label1);
  hints->addWidget(new QLabel(QStringLiteral("請注意:手動輸入時,格式務必相符(按落球順序)"), top));
  auto* pattern = new QLabel(QStringLiteral("yyyy/mm/dd,xxxxxx,00,00,00,00,00,00,00"), top);
  pattern->setFont(QFont("monospace"));
  hints->addWidget(pattern);
  hints->addWidget(new QLabel(QStringLiteral("(全長38個字元)"), top));
  th->addLayout(hints, 1);
  Button1 = new QPushButton(QStringLiteral("儲存"), top);
  Button1->setObjectName("Button1");
  th->addWidget(Button1, 0, Qt::AlignBottom);
  v->addWidget(top);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont mono("monospace");
  mono.setStyleHint(QFont::TypeWriter);
  Memo1->setFont(mono);
  v->addWidget(Memo1, 1);

  connect(Button1, &QPushButton::clicked, this, &TForm_RK_stk_txtfile::Button1Click);
}

bool TForm_RK_stk_txtfile::open(const QPixmap& logo) {
  const auto& s = history_.settings;
  const auto r = tovrin::readTextLines(history_.currentFilePath());
  if (!r.ok) {
    ui::message(parentWidget(), ui::Icon::Error, qs(r.error));
    return false;
  }
  Label1->setText(qs(s.gameName) + QStringLiteral(" 開獎資料"));
  setWindowTitle(qs(s.gameName) + " " + qs(s.currentDrawFile) + QStringLiteral(" 手動輸入資料"));
  Image1->setPixmap(logo.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  ui::setMemoLines(Memo1, r.lines);
  ui::execModal(this);
  return true;
}

void TForm_RK_stk_txtfile::Button1Click() {
  const auto r = tovrin::writeTextLines(history_.currentFilePath(), ui::memoStdLines(Memo1));
  if (r.unencodable) {
    // Nothing was written; the user keeps the text to mend it.
    ui::message(this, ui::Icon::Error,
                qs(r.error) + QStringLiteral("，檔案未儲存。請修正後再按「儲存」。"));
    return;
  }
  if (!r.ok) {
    // The old file is intact; the window stays open so the typing can be
    // saved again or copied elsewhere.
    ui::message(this, ui::Icon::Error, qs(r.error) + QStringLiteral("，檔案未儲存。"));
    return;
  }
  const tovrin::LoadResult loaded = reload_ ? reload_() : tovrin::LoadResult{};
  QString text = windowTitle() + QStringLiteral(" 檔案儲存完成");
  const std::string warning = tovrin::loadWarning(loaded);
  if (!warning.empty()) text += "\n" + qs(warning);
  ui::message(this, warning.empty() ? ui::Icon::Information : ui::Icon::Warning, text);
  accept();
}
