#include "views/Unit_rk_7star2_ng.h"

#include <QAction>
#include <algorithm>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/util/format.h"
#include "history/Unit_RK_main.h"
#include "ui/platform.h"
#include "pillars/tovrin_widgets.h"
#include "ui/text.h"
#include "views/nogood_widgets.h"

using ui::qs;
namespace groups = tovrin::groups;

namespace {

const QStringList& headings() {
  static const QStringList h{QStringLiteral(" 日     期"), QStringLiteral(" 期 數"), QStringLiteral("一"),
                             QStringLiteral("二"), QStringLiteral("三"), QStringLiteral("四"), QStringLiteral("五"),
                             QStringLiteral("六"), QStringLiteral("特"), QStringLiteral("不出牌組預測號碼 "),
                             QStringLiteral("爆支")};
  return h;
}

constexpr int kDateChoices = 20;


}  // namespace

TForm_rk_7star2_ng::TForm_rk_7star2_ng(tovrin::DrawHistory& history, TForm_rk_main* main, QWidget* parent)
    : QDialog(parent), history_(history), main_(main) {
  setObjectName("Form_rk_7star2_ng");
  setWindowTitle(QStringLiteral("不出牌組"));
  resize(1000, 780);
  auto* v = new QVBoxLayout(this);

  auto* settingsRow = new QHBoxLayout;
  auto* burstBox = new QGroupBox(QStringLiteral("爆支"), this);
  auto* bh = new QHBoxLayout(burstBox);
  rb3 = tovrin_ui::radioButton(burstBox, "rb3", QStringLiteral("爆二支"));
  rb4 = tovrin_ui::radioButton(burstBox, "rb4", QStringLiteral("爆一支"));
  rb5 = tovrin_ui::radioButton(burstBox, "rb5", QStringLiteral("全過關"));
  rb4->setChecked(true);
  for (auto* r : {rb3, rb4, rb5}) bh->addWidget(r);
  settingsRow->addWidget(burstBox);
  auto* passBox = new QGroupBox(QStringLiteral("過關期數"), this);
  auto* ph = new QHBoxLayout(passBox);
  rb_83 = tovrin_ui::radioButton(passBox, "rb_83", QStringLiteral("九期過五期"));
  rb_84 = tovrin_ui::radioButton(passBox, "rb_84", QStringLiteral("九期過六期"));
  rb_85 = tovrin_ui::radioButton(passBox, "rb_85", QStringLiteral("九期過七期"));
  rb_84->setChecked(true);
  for (auto* r : {rb_83, rb_84, rb_85}) ph->addWidget(r);
  settingsRow->addWidget(passBox);
  settingsRow->addWidget(new QLabel(QStringLiteral("號碼數"), this));
  cb_nono = new QComboBox(this);
  cb_nono->setObjectName("cb_nono");
  cb_nono->setEditable(true);
  for (int n = 5; n <= 14; ++n) cb_nono->addItem(QString::number(n));
  cb_nono->setCurrentText("8");
  settingsRow->addWidget(cb_nono);
  settingsRow->addWidget(new QLabel(QStringLiteral("基準日期"), this));
  cb_date = new QComboBox(this);
  cb_date->setObjectName("cb_date");
  cb_date->setEditable(true);
  cb_date->setMinimumContentsLength(10);
  settingsRow->addWidget(cb_date);
  settingsRow->addStretch(1);
  v->addLayout(settingsRow);

  auto* buttons = new QHBoxLayout;
  auto button = [&](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    buttons->addWidget(b);
    return b;
  };
  SpeedButton4 = button("SpeedButton4", QStringLiteral("開始"));
  SpeedButton2 = button("SpeedButton2", QStringLiteral("上一組"));
  SpeedButton6 = button("SpeedButton6", QStringLiteral("下一組"));
  Button1 = button("Button1", QStringLiteral("顯示所有"));
  Button2 = button("Button2", QStringLiteral("複製"));
  SpeedButton2->setEnabled(false);
  SpeedButton6->setEnabled(false);
  lb_sortidx = new QLabel(QStringLiteral("第  0  組"), this);
  lb_sortidx->setObjectName("lb_sortidx");
  lb_tot = new QLabel(QStringLiteral("共  0  組"), this);
  lb_tot->setObjectName("lb_tot");
  Label2 = new QLabel(QStringLiteral("代號"), this);
  Label2->setObjectName("Label2");
  // Room for the longest texts, so a new count or code never gets clipped.
  lb_sortidx->setMinimumWidth(90);
  lb_tot->setMinimumWidth(110);
  Label2->setMinimumWidth(130);
  buttons->addSpacing(12);
  buttons->addWidget(lb_sortidx);
  buttons->addSpacing(12);
  buttons->addWidget(lb_tot);
  buttons->addSpacing(24);
  buttons->addWidget(Label2);
  buttons->addStretch(1);
  v->addLayout(buttons);

  Pbar = new QProgressBar(this);
  Pbar->setObjectName("Pbar");
  Pbar->setRange(0, groups::kProgressMax);
  Pbar->setValue(0);
  v->addWidget(Pbar);

  panel_print = new QFrame(this);
  panel_print->setObjectName("panel_print");
  panel_print->setFrameShape(QFrame::StyledPanel);
  auto* pv = new QHBoxLayout(panel_print);
  pv->addWidget(new QLabel(QStringLiteral("按滑鼠右鍵可列印版路內容"), panel_print));
  pv->addWidget(new QLabel(QStringLiteral("(按[開始鍵]本訊息消失)"), panel_print));
  v->addWidget(panel_print);

  sgl = nogood_ui::headedGrid(this, "sgl", headings(), 340, 60);
  sgl->setContextMenuPolicy(Qt::ActionsContextMenu);
  N1 = new QAction(QStringLiteral("列印版路內容"), sgl);
  N1->setObjectName("N1");
  sgl->addAction(N1);
  v->addWidget(sgl, 2);

  mm = new QPlainTextEdit(this);
  mm->setObjectName("mm");
  mm->setReadOnly(true);
  mm->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont mono("monospace");
  mono.setStyleHint(QFont::TypeWriter);
  mm->setFont(mono);
  v->addWidget(mm, 1);

  connect(SpeedButton4, &QPushButton::clicked, this, &TForm_rk_7star2_ng::SpeedButton4Click);
  connect(SpeedButton2, &QPushButton::clicked, this, &TForm_rk_7star2_ng::SpeedButton2Click);
  connect(SpeedButton6, &QPushButton::clicked, this, &TForm_rk_7star2_ng::SpeedButton6Click);
  connect(Button1, &QPushButton::clicked, this, &TForm_rk_7star2_ng::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm_rk_7star2_ng::Button2Click);
  connect(N1, &QAction::triggered, this, &TForm_rk_7star2_ng::N1Click);
  for (auto* r : {rb3, rb4, rb5})
    connect(r, &QRadioButton::toggled, this, [this](bool on) {
      if (on) rb3Click();
    });
  for (auto* r : {rb_83, rb_84, rb_85})
    connect(r, &QRadioButton::toggled, this, [this](bool on) {
      if (on) rb_83Click();
    });
  // The count is corrected when a choice is made or typing ends, never per
  // keystroke (a "1" on the way to "12" would become 5).
  connect(cb_nono, &QComboBox::activated, this, [this](int) { cb_nonoChange(); });
  connect(cb_nono->lineEdit(), &QLineEdit::editingFinished, this, &TForm_rk_7star2_ng::cb_nonoChange);
  SpeedButton4->setAttribute(Qt::WA_Hover);
  SpeedButton4->installEventFilter(this);
}

bool TForm_rk_7star2_ng::eventFilter(QObject* watched, QEvent* e) {
  if (watched == SpeedButton4 &&
      (e->type() == QEvent::Enter || e->type() == QEvent::HoverMove || e->type() == QEvent::MouseMove))
    SpeedButton4MouseMove();
  return QDialog::eventFilter(watched, e);
}

void TForm_rk_7star2_ng::SpeedButton4MouseMove() { panel_print->hide(); }

void TForm_rk_7star2_ng::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormShow();
}

void TForm_rk_7star2_ng::FormShow() {
  const auto& t = history_.table;
  cb_date->clear();
  for (int i = t.count - 1; i >= 0 && i >= t.count - kDateChoices; --i) cb_date->addItem(qs(t.dates[i].text()));
  cb_date->setEditText(t.count > 0 ? qs(t.dates[t.count - 1].text()) : QString());
  reset_table();
}

void TForm_rk_7star2_ng::setCell(int row, int col, const QString& text) { nogood_ui::setCell(sgl, row, col, text); }

void TForm_rk_7star2_ng::reset_table() {
  sgl->clearContents();
  sgl->setRowCount(10);
  nogood_ui::writeHeadings(sgl, headings());
  const auto rows = groups::drawRows(history_.table);
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c) setCell(static_cast<int>(r) + 1, static_cast<int>(c), qs(rows[r][c]));
  search_ = {};
  index_ = 0;
  mm->clear();
  Label2->setText(QStringLiteral("代號"));
  lb_sortidx->setText(QStringLiteral("第  0  組"));
  lb_tot->setText(QStringLiteral("共  0  組"));
}

void TForm_rk_7star2_ng::setPaging(bool on) {
  SpeedButton2->setEnabled(on);
  SpeedButton6->setEnabled(on);
}

void TForm_rk_7star2_ng::SpeedButton4Click() {
  reset_table();
  chk_7s();
}

void TForm_rk_7star2_ng::chk_7s() {
  const auto& t = history_.table;
  cb_nonoChange();
  const auto base = groups::findBase(t, ui::ss(cb_date->currentText()));
  if (!groups::canSearch(t, base)) {
    setPaging(false);
    ui::message(this, ui::Icon::Information,
                QStringLiteral("開獎資料不足,至少需要 %1 期!").arg(groups::minimumDraws(base.offset)));
    return;
  }
  // A date that names no draw falls back to the newest; the box says so,
  // and the summary names the base really used.
  if (cb_date->currentText() != qs(base.dateText)) cb_date->setEditText(qs(base.dateText));
  Pbar->setValue(0);
  for (int r = 1; r <= 10; ++r) {
    setCell(r, 9, "   ");
    setCell(r, 10, "   ");
  }
  search_ = groups::search(t, history_.settings.maxBall, settings_, base);
  const int count = static_cast<int>(search_.routes.size());
  lb_tot->setText(qs(tovrin::formatNumber("共 #0 組", count)));
  if (count > 0) {
    index_ = 1;
    lb_sortidx->setText(QStringLiteral("第 1 組"));
    show_7s(1);
    setPaging(true);
  } else {
    setPaging(false);
    ui::message(this, ui::Icon::Information, QStringLiteral("您設定的條件找不到符合的版路!"));
  }
  Pbar->setValue(0);
}

void TForm_rk_7star2_ng::fillRoute(const groups::RouteView& view) {
  sgl->setRowCount(static_cast<int>(view.rows.size()) + 1);
  for (int r = 1; r <= 20; ++r) {
    setCell(r, 9, "   ");
    setCell(r, 10, "   ");
  }
  for (size_t i = 0; i < view.rows.size(); ++i)
    for (int c = 0; c < 11; ++c) setCell(static_cast<int>(i) + 1, c, qs(view.rows[i][c]));
  Label2->setText(qs(view.code));
}

void TForm_rk_7star2_ng::show_7s(int index) {
  const auto view = groups::showRoute(history_.table, search_, index);
  fillRoute(view);
  nogood_ui::appendMemo(mm, view.summary);
}

void TForm_rk_7star2_ng::page(int step) {
  const int count = static_cast<int>(search_.routes.size());
  if (count == 0) return;  // a re-showing cleared the results
  index_ = std::clamp(index_ + step, 1, count);
  lb_sortidx->setText(qs(tovrin::formatNumber("第 #0 組", index_)));
  show_7s(index_);
}

void TForm_rk_7star2_ng::SpeedButton2Click() { page(-1); }
void TForm_rk_7star2_ng::SpeedButton6Click() { page(+1); }

void TForm_rk_7star2_ng::Button1Click() {
  mm->clear();
  const int count = static_cast<int>(search_.routes.size());
  if (count == 0) return;
  const std::string text = groups::showAllText(history_.table, search_);
  index_ = count;
  lb_sortidx->setText(qs(tovrin::formatNumber("第 #0 組", count)));
  fillRoute(groups::showRoute(history_.table, search_, count));
  mm->setUndoRedoEnabled(false);
  mm->setPlainText(QString::fromStdString(text));
}

void TForm_rk_7star2_ng::Button2Click() { ui::platform().clipboard->setText(mm->toPlainText()); }

void TForm_rk_7star2_ng::N1Click() {
  if (main_) main_->show_memo_rpt(mm);
}

void TForm_rk_7star2_ng::rb3Click() { settings_.burst = rb3->isChecked() ? 2 : rb4->isChecked() ? 1 : 0; }

void TForm_rk_7star2_ng::rb_83Click() { settings_.pass = rb_83->isChecked() ? 5 : rb_84->isChecked() ? 6 : 7; }

void TForm_rk_7star2_ng::cb_nonoChange() {
  settings_.count = groups::correctedCount(ui::ss(cb_nono->currentText().trimmed()));
  const QString shown = QString::number(settings_.count);
  if (cb_nono->currentText() != shown) cb_nono->setEditText(shown);
}
