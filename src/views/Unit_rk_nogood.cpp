#include "views/Unit_rk_nogood.h"

#include <QComboBox>
#include <algorithm>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/util/format.h"
#include "ui/platform.h"
#include "ui/text.h"
#include "views/nogood_widgets.h"

using tovrin::tails::BallOrder;
using ui::qs;

namespace {

const QStringList& headings() {
  static const QStringList h{QStringLiteral(" 日     期"), QStringLiteral(" 期 數"), QStringLiteral("一"),
                             QStringLiteral("二"),         QStringLiteral("三"),     QStringLiteral("四"),
                             QStringLiteral("五"),         QStringLiteral("六"),     QStringLiteral("特"),
                             QStringLiteral("預測 "),      QStringLiteral("開出")};
  return h;
}

constexpr int kResetRows = 18;
constexpr int kBlankedRows = 30;

}  // namespace

TForm_rk_nogood::TForm_rk_nogood(tovrin::DrawHistory& history, QWidget* parent)
    : QDialog(parent), history_(history) {
  setObjectName("Form_rk_nogood");
  setWindowTitle(QStringLiteral("不出尾數版路"));
  resize(640, 760);
  auto* v = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("計算基準  上"), this));
  cb_base = new QComboBox(this);
  cb_base->setObjectName("cb_base");
  for (int b = 1; b <= 6; ++b) cb_base->addItem(QString::number(b));
  top->addWidget(cb_base);
  top->addWidget(new QLabel(QStringLiteral("期"), this));
  rb_ball_ori = new QRadioButton(QStringLiteral("落球"), this);
  rb_ball_ori->setObjectName("rb_ball_ori");
  rb_ball_ori->setChecked(true);
  rb_ball_sort = new QRadioButton(QStringLiteral("順球"), this);
  rb_ball_sort->setObjectName("rb_ball_sort");
  top->addWidget(rb_ball_ori);
  top->addWidget(rb_ball_sort);
  SpeedButton4 = new QPushButton(QStringLiteral("開始"), this);
  SpeedButton4->setObjectName("SpeedButton4");
  top->addWidget(SpeedButton4);
  top->addStretch(1);
  v->addLayout(top);

  auto* paging = new QHBoxLayout;
  SpeedButton2 = new QPushButton(QStringLiteral("上一組"), this);
  SpeedButton2->setObjectName("SpeedButton2");
  SpeedButton2->setEnabled(false);
  SpeedButton6 = new QPushButton(QStringLiteral("下一組"), this);
  SpeedButton6->setObjectName("SpeedButton6");
  SpeedButton6->setEnabled(false);
  lb_sortidx = new QLabel(QStringLiteral("第 0 組"), this);
  lb_sortidx->setObjectName("lb_sortidx");
  lb_tot = new QLabel(QStringLiteral("共 0 組"), this);
  lb_tot->setObjectName("lb_tot");
  Label2 = new QLabel(QStringLiteral("公式"), this);
  Label2->setObjectName("Label2");
  // Room for the longest texts, so a new count or code never gets clipped.
  lb_sortidx->setMinimumWidth(90);
  lb_tot->setMinimumWidth(110);
  Label2->setMinimumWidth(130);
  QFont mono("monospace");
  mono.setStyleHint(QFont::TypeWriter);
  Label2->setFont(mono);
  paging->addWidget(SpeedButton2);
  paging->addWidget(SpeedButton6);
  paging->addSpacing(12);
  paging->addWidget(lb_sortidx);
  paging->addSpacing(12);
  paging->addWidget(lb_tot);
  paging->addSpacing(24);
  paging->addWidget(Label2);
  paging->addStretch(1);
  v->addLayout(paging);

  Pbar = new QProgressBar(this);
  Pbar->setObjectName("Pbar");
  Pbar->setRange(0, tovrin::tails::kProgressMax);
  Pbar->setValue(0);
  v->addWidget(Pbar);

  sgl = nogood_ui::headedGrid(this, "sgl", headings(), 60, 60);
  v->addWidget(sgl, 2);

  mm = new QPlainTextEdit(this);
  mm->setObjectName("mm");
  mm->setReadOnly(true);
  mm->setLineWrapMode(QPlainTextEdit::NoWrap);
  mm->setFont(mono);
  v->addWidget(mm, 1);

  connect(SpeedButton4, &QPushButton::clicked, this, &TForm_rk_nogood::SpeedButton4Click);
  connect(SpeedButton2, &QPushButton::clicked, this, &TForm_rk_nogood::SpeedButton2Click);
  connect(SpeedButton6, &QPushButton::clicked, this, &TForm_rk_nogood::SpeedButton6Click);
  connect(rb_ball_ori, &QRadioButton::toggled, this, [this](bool) { rb_ball_oriClick(); });
}

void TForm_rk_nogood::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormShow();
}

void TForm_rk_nogood::FormShow() { reset_table(); }

void TForm_rk_nogood::setCell(int row, int col, const QString& text) { nogood_ui::setCell(sgl, row, col, text); }

void TForm_rk_nogood::reset_table() {
  const auto& t = history_.table;
  sgl->clearContents();
  sgl->setRowCount(kResetRows);
  nogood_ui::writeHeadings(sgl, headings());
  // Every cell below the heading starts empty, so prediction rows of an
  // earlier, larger base never stay on the grid.
  for (int r = 1; r < kResetRows; ++r)
    for (int c = 0; c < sgl->columnCount(); ++c) setCell(r, c, QString());
  const auto rows = tovrin::tails::drawRows(t, order_);
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c) setCell(static_cast<int>(r) + 1, static_cast<int>(c), qs(rows[r][c]));
  search_ = {};
  index_ = 0;
  mm->clear();
}

void TForm_rk_nogood::SpeedButton4Click() {
  reset_table();
  chk_6line_t(cb_base->currentText());
}

void TForm_rk_nogood::chk_6line_t(const QString& baseText) {
  bool ok = false;
  const int base = baseText.trimmed().toInt(&ok);
  if (!ok) return;
  const auto& t = history_.table;
  if (!tovrin::tails::canSearch(t, base)) {
    SpeedButton2->setEnabled(false);
    SpeedButton6->setEnabled(false);
    ui::message(this, ui::Icon::Information,
                QStringLiteral("開獎資料不足,至少需要 %1 期!").arg(tovrin::tails::minimumDraws(base)));
    return;
  }
  mm->clear();
  for (int r = 1; r <= kBlankedRows; ++r) {
    setCell(r, 9, "   ");
    setCell(r, 10, "   ");
  }
  search_ = tovrin::tails::search(t, order_, base);
  // The bar shows where the search ended (per-formula updates would cost
  // more than the search itself).
  Pbar->setValue(search_.progress);
  const int count = static_cast<int>(search_.codes.size());
  lb_tot->setText(qs(tovrin::formatNumber("共 #0 組", count)));
  if (count >= 1) {
    index_ = 1;
    lb_sortidx->setText(QStringLiteral("第 1 組"));
    show_6line_t(search_.codes[0]);
    SpeedButton2->setEnabled(true);
    SpeedButton6->setEnabled(true);
  } else {
    SpeedButton2->setEnabled(false);
    SpeedButton6->setEnabled(false);
    ui::message(this, ui::Icon::Information, QStringLiteral("您設定的條件找不到符合的版路!"));
  }
}

void TForm_rk_nogood::page(int step) {
  const int count = static_cast<int>(search_.codes.size());
  if (count == 0) return;  // a re-showing cleared the results
  index_ = std::clamp(index_ + step, 1, count);
  lb_sortidx->setText(qs(tovrin::formatNumber("第 #0 組", index_)));
  show_6line_t(search_.codes[index_ - 1]);
}

void TForm_rk_nogood::SpeedButton2Click() { page(-1); }
void TForm_rk_nogood::SpeedButton6Click() { page(+1); }

void TForm_rk_nogood::show_6line_t(const std::string& code) {
  const auto view = tovrin::tails::showFormula(history_.table, search_.order, code);
  sgl->setRowCount(view.base + 17);
  for (int r = 1; r <= 15; ++r) {
    setCell(r, 9, "   ");
    setCell(r, 10, "   ");
  }
  Label2->setText(qs(code));
  for (size_t i = 0; i < view.rows.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    const auto& row = view.rows[i];
    setCell(r, 9, QString(QChar(row.tail)));
    if (!row.stored) setCell(r, 0, qs(row.label));
    setCell(r, 10, row.failed ? QStringLiteral("失敗") : QString());
  }
  nogood_ui::setMemo(mm, view.explanation);
}

void TForm_rk_nogood::rb_ball_oriClick() {
  // The choice is the window's own; the shared ChosenOrder column is left
  // alone. It takes effect at the next start.
  order_ = rb_ball_sort->isChecked() ? BallOrder::Sorted : BallOrder::Drawn;
}
