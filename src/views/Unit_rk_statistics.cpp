#include "views/Unit_rk_statistics.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/platform.h"
#include "ui/text.h"
#include "views/Unit_rk_ai2_stk_chart.h"

using ui::qs;
namespace sv = tovrin::views;

namespace {

constexpr int kBalls = 49;

// A ball picture: a shaded ball in the colour of its group of ten, with its number.
QPixmap ballPicture(int ball) {
  static const QColor colours[] = {QColor(230, 180, 0), QColor(30, 110, 210), QColor(210, 40, 40),
                                   QColor(40, 150, 60), QColor(130, 60, 170)};
  const QColor base = colours[(ball / 10) % 5];
  QPixmap pm(22, 22);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(QPointF(8, 7), 14);
  g.setColorAt(0, base.lighter(160));
  g.setColorAt(1, base);
  p.setBrush(g);
  p.setPen(QPen(base.darker(140), 1));
  p.drawEllipse(QRectF(1, 1, 20, 20));
  QFont f = p.font();
  f.setPixelSize(10);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0, 22, 22), Qt::AlignCenter, qs(tovrin::format00(ball)));
  return pm;
}

// A units-digit picture: a gold tile with the digit.
QPixmap digitPicture(int digit) {
  QPixmap pm(59, 59);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, 59);
  g.setColorAt(0, QColor(255, 225, 120));
  g.setColorAt(1, QColor(205, 150, 20));
  p.setBrush(g);
  p.setPen(QPen(QColor(120, 80, 0), 2));
  p.drawRoundedRect(QRectF(2, 2, 55, 55), 10, 10);
  QFont f = p.font();
  f.setPixelSize(34);
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(90, 40, 0));
  p.drawText(QRectF(0, 0, 59, 59), Qt::AlignCenter, QString::number(digit));
  return pm;
}

void setLabelLook(QLabel* l, const QColor& colour, int points) {
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, colour);
  l->setPalette(pal);
  QFont f = l->font();
  f.setBold(true);
  f.setPointSize(points);
  l->setFont(f);
}

QToolButton* speedButton(const QString& name, const QString& caption, QWidget* parent, bool checkable = true) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setText(caption);
  b->setCheckable(checkable);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  b->setMinimumWidth(72);
  return b;
}

QDateEdit* datePicker(const QString& name, QWidget* parent) {
  auto* d = new QDateEdit(parent);
  d->setObjectName(name);
  d->setDisplayFormat("yyyy/MM/dd");
  d->setCalendarPopup(true);
  d->setMinimumDate(QDate(1900, 1, 1));
  return d;
}

tovrin::Date toDate(const QDate& d) { return tovrin::Date{d.year(), d.month(), d.day()}; }

}  // namespace

TForm_rk_statistics::TForm_rk_statistics(const tovrin::DrawHistory& history,
                                         std::function<void(const QStringList&)> print, QWidget* parent)
    : QDialog(parent), history_(history), print_(std::move(print)) {
  setObjectName("Form_rk_statistics");
  setWindowTitle(QStringLiteral("統計資料"));
  auto* v = new QVBoxLayout(this);

  auto* row1 = new QHBoxLayout;
  sb_F1 = speedButton("sb_F1", QStringLiteral("號碼統計"), this);
  sb_F2 = speedButton("sb_F2", QStringLiteral("尾數統計"), this);
  sb_F3 = speedButton("sb_F3", QStringLiteral("遠星統計"), this);
  auto* modes = new QButtonGroup(this);
  for (auto* b : {sb_F1, sb_F2, sb_F3}) {
    modes->addButton(b);
    row1->addWidget(b);
  }
  sb_F1->setChecked(true);
  row1->addSpacing(16);
  sb_big = speedButton("sb_big", QStringLiteral("統計順序"), this);
  sb_no = speedButton("sb_no", QStringLiteral("號碼順序"), this);
  auto* orders = new QButtonGroup(this);
  orders->addButton(sb_big);
  orders->addButton(sb_no);
  sb_big->setChecked(true);
  sb_begin = speedButton("sb_begin", QStringLiteral("統計"), this, false);
  sb_begin->hide();
  row1->addWidget(sb_big);
  row1->addWidget(sb_no);
  row1->addWidget(sb_begin);
  row1->addSpacing(16);
  chkspno = new QCheckBox(QStringLiteral("含特別號"), this);
  chkspno->setObjectName("chkspno");
  chkspno->setChecked(true);
  row1->addWidget(chkspno);
  row1->addStretch(1);
  v->addLayout(row1);

  auto* row2 = new QHBoxLayout;
  row2->addWidget(new QLabel(QStringLiteral("統計時間"), this));
  DateTimePicker1 = datePicker("DateTimePicker1", this);
  DateTimePicker1->setDate(QDate(2002, 1, 1));
  row2->addWidget(DateTimePicker1);
  row2->addWidget(new QLabel(QStringLiteral("至"), this));
  DateTimePicker2 = datePicker("DateTimePicker2", this);
  row2->addWidget(DateTimePicker2);
  row2->addSpacing(12);
  row2->addWidget(new QLabel(QStringLiteral("統計期數"), this));
  lbcount = new QLineEdit(this);
  lbcount->setObjectName("lbcount");
  lbcount->setReadOnly(true);
  lbcount->setMaximumWidth(80);
  row2->addWidget(lbcount);
  row2->addStretch(1);
  Button1 = new QPushButton(QStringLiteral("列印"), this);
  Button1->setObjectName("Button1");
  Button2 = new QPushButton(QStringLiteral("COPY"), this);
  Button2->setObjectName("Button2");
  Button3 = new QPushButton(QStringLiteral("ShowImage"), this);
  Button3->setObjectName("Button3");
  for (auto* b : {Button1, Button2, Button3}) row2->addWidget(b);
  v->addLayout(row2);

  buildBoards();
  v->addWidget(boards_, 1);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->hide();

  connect(sb_F1, &QToolButton::clicked, this, &TForm_rk_statistics::sb_F1Click);
  connect(sb_F2, &QToolButton::clicked, this, &TForm_rk_statistics::sb_F2Click);
  connect(sb_F3, &QToolButton::clicked, this, &TForm_rk_statistics::sb_F3Click);
  connect(sb_big, &QToolButton::clicked, this, &TForm_rk_statistics::sb_bigClick);
  connect(sb_no, &QToolButton::clicked, this, &TForm_rk_statistics::sb_noClick);
  connect(sb_begin, &QToolButton::clicked, this, &TForm_rk_statistics::sb_beginClick);
  // Setting the box by program runs its handler too.
  connect(chkspno, &QCheckBox::toggled, this, &TForm_rk_statistics::chkspnoClick);
  connect(DateTimePicker1, &QDateEdit::dateChanged, this, &TForm_rk_statistics::DateTimePicker2Change);
  connect(DateTimePicker2, &QDateEdit::dateChanged, this, &TForm_rk_statistics::DateTimePicker2Change);
  connect(Button1, &QPushButton::clicked, this, &TForm_rk_statistics::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm_rk_statistics::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm_rk_statistics::Button3Click);
}

void TForm_rk_statistics::buildBoards() {
  boards_ = new QStackedWidget(this);
  Panel_F1 = new QFrame(boards_);
  Panel_F1->setObjectName("Panel_F1");
  Panel_F1->setAutoFillBackground(true);
  QPalette white = Panel_F1->palette();
  white.setColor(QPalette::Window, Qt::white);
  Panel_F1->setPalette(white);
  Panel_F1->setMinimumSize(450, 340);
  // Slot s is the home place of ball s; the rankings move pictures between slots.
  for (int b = 1; b <= kBalls; ++b) {
    const QString nn = qs(tovrin::format00(b));
    Images[b] = new QLabel(Panel_F1);
    Images[b]->setObjectName("Image" + nn);
    Images[b]->setPixmap(ballPicture(b));
    Images[b]->setGeometry(sv::slotPicture(b).x, sv::slotPicture(b).y, 22, 22);
    lb[b] = new QLabel(Panel_F1);
    lb[b]->setObjectName("lb" + nn);
    lb[b]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lb[b]->setGeometry(sv::slotLabel(b).x, sv::slotLabel(b).y, 38, 20);
    setLabelLook(lb[b], Qt::blue, 10);
  }
  F1_avrlb = new QLabel(Panel_F1);
  F1_avrlb->setObjectName("F1_avrlb");
  F1_avrlb->setGeometry(32, 304, 380, 24);
  setLabelLook(F1_avrlb, Qt::black, 11);
  boards_->addWidget(Panel_F1);

  Panel_F2 = new QFrame(boards_);
  Panel_F2->setObjectName("Panel_F2");
  Panel_F2->setAutoFillBackground(true);
  QPalette green = Panel_F2->palette();
  green.setColor(QPalette::Window, QColor(0, 80, 40));
  Panel_F2->setPalette(green);
  for (int d = 0; d < 10; ++d) {
    const int x = 24 + 84 * (d % 5), y = 16 + 110 * (d / 5);
    TailImages[d] = new QLabel(Panel_F2);
    TailImages[d]->setObjectName(QString("Image%1").arg(d));
    TailImages[d]->setPixmap(digitPicture(d));
    TailImages[d]->setGeometry(x, y, 59, 59);
    F2_lb[d] = new QLabel(Panel_F2);
    F2_lb[d]->setObjectName(QString("F2_lb%1").arg(d));
    F2_lb[d]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    F2_lb[d]->setGeometry(x - 6, y + 62, 71, 22);
    setLabelLook(F2_lb[d], Qt::yellow, 11);
  }
  F2_avrlb = new QLabel(Panel_F2);
  F2_avrlb->setObjectName("F2_avrlb");
  F2_avrlb->setGeometry(24, 250, 380, 24);
  setLabelLook(F2_avrlb, Qt::yellow, 11);
  boards_->addWidget(Panel_F2);
}

void TForm_rk_statistics::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TForm_rk_statistics::FormShow() {
  {
    // Setting today is not a user's change of the period.
    const QSignalBlocker block(DateTimePicker2);
    DateTimePicker2->setDate(ui::today());
  }
  // Left in the tail mode, the view opens on the ranked frequency instead of
  // an uncomputed ball board under a tail button.
  if (sb_F2->isChecked()) sb_F1->setChecked(true);
  sb_F1Click();
  sb_bigClick();
  lbcount->setText(QString::number(history_.table.count));
}

sv::Period TForm_rk_statistics::period() const {
  return sv::Period{toDate(DateTimePicker1->date()), toDate(DateTimePicker2->date()), chkspno->isChecked(),
                    history_.settings.maxBall};
}

void TForm_rk_statistics::showCommands(bool shown) {
  for (auto* b : {Button1, Button2, Button3}) b->setVisible(shown);
}

void TForm_rk_statistics::sb_F1Click() {
  boards_->setCurrentWidget(Panel_F1);
  sb_begin->hide();
  sb_big->show();
  sb_no->show();
  showCommands(true);
  sb_bigClick();
  sb_big->setChecked(true);
}

void TForm_rk_statistics::sb_F2Click() {
  boards_->setCurrentWidget(Panel_F2);
  sb_begin->show();
  sb_big->hide();
  sb_no->hide();
  showCommands(false);
  sb_beginClick();
}

void TForm_rk_statistics::sb_F3Click() {
  sb_begin->hide();
  sb_big->show();
  sb_no->show();
  showCommands(true);
  sb_bigClick();
  sb_big->setChecked(true);
}

void TForm_rk_statistics::sb_bigClick() {
  if (sb_F1->isChecked())
    F1_btn123();
  else if (sb_F3->isChecked())
    F3_btn123();
}

void TForm_rk_statistics::sb_noClick() {
  if (sb_F1->isChecked()) F1_btn321();
}

void TForm_rk_statistics::sb_beginClick() {
  const sv::TailCount t = sv::tailCount(history_.table, period());
  for (int d = 0; d < 10; ++d) F2_lb[d]->setText(qs(t.labels[d]));
  lbcount->setText(QString::number(t.count));
  F2_avrlb->setText(qs(t.average));
}

void TForm_rk_statistics::chkspnoClick() {
  if (!sb_big->isHidden()) {
    sb_bigClick();
    sb_big->setChecked(true);
  }
  if (!sb_begin->isHidden()) sb_beginClick();
}

void TForm_rk_statistics::DateTimePicker2Change() {
  sb_bigClick();
  sb_big->setChecked(true);
}

void TForm_rk_statistics::F1_btn123() { showBoard(sv::F1_btn123(history_.table, period())); }

void TForm_rk_statistics::F1_btn321() { showBoard(sv::F1_btn321(history_.table, period())); }

void TForm_rk_statistics::F3_btn123() {
  boards_->setCurrentWidget(Panel_F1);
  sb_no->hide();
  showBoard(sv::F3_btn123(history_.table, period()));
}

void TForm_rk_statistics::showBoard(const sv::BallBoard& board) {
  board_ = board;
  const int balls = std::min<int>(kBalls, static_cast<int>(board.ranking.size()));
  for (int b = 1; b <= balls; ++b) {
    lb[b]->setText(qs(board.labels[b - 1]));
    if (board.red[b - 1])
      setLabelLook(lb[b], Qt::red, 12);
    else
      setLabelLook(lb[b], Qt::blue, 10);
  }
  lbcount->setText(QString::number(board.count));
  for (int s = 1; s <= balls; ++s) {
    const int ball = board.ranking[s - 1];
    Images[ball]->move(sv::slotPicture(s).x, sv::slotPicture(s).y);
    lb[ball]->move(sv::slotLabel(s).x, sv::slotLabel(s).y);
  }
  F1_avrlb->setText(qs(board.average));
}

void TForm_rk_statistics::fillMemo() { ui::setMemoLines(Memo1, sv::printLines(board_)); }

void TForm_rk_statistics::Button1Click() {
  fillMemo();
  if (print_) print_(ui::memoLines(Memo1));
}

void TForm_rk_statistics::Button2Click() {
  fillMemo();
  Memo1->selectAll();
  ui::platform().clipboard->setText(Memo1->toPlainText());
}

void TForm_rk_statistics::Button3Click() {
  if (!chart_) chart_ = new Tform_rk_stk_chart(this);
  chart_->show();
  chart_->raise();
  const auto& s = history_.settings;
  chart_->load(sv::chartTable(s.gameKind, history_.table, board_, s.maxBall));
}
