// Page 0 (號碼來源): the number source queries that fill the WorkingPeriod,
// and the buttons shared by the three result memos.
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/text/textfile.h"
#include "pillars/Unit_tovrin.h"
#include "pillars/tovrin_widgets.h"
#include "ui/platform.h"
#include "ui/save.h"
#include "ui/text.h"

using namespace tovrin_ui;
using ui::qs;
using ui::ss;

namespace {

const QStringList kCountList = {"20",  "30",  "40",  "50",  "60",  "70",  "80",  "90",   "100",
                                "150", "200", "250", "300", "400", "500", "550", "600",  "650",
                                "700", "800", "900", "1000", "1100", "1200", "1500"};

QDateEdit* datePicker(QWidget* parent, const char* name) {
  auto* d = new QDateEdit(parent);
  d->setObjectName(name);
  d->setDisplayFormat("yyyy/MM/dd");
  d->setCalendarPopup(true);
  d->setMinimumDate(QDate(1900, 1, 1));
  return d;
}

}  // namespace

QWidget* TForm_tovrin::buildSourcePage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);

  auto* header = new QHBoxLayout;
  header->addWidget(label(page, nullptr, QStringLiteral("開獎期間")));
  DateTimePicker1 = datePicker(page, "DateTimePicker1");
  DateTimePicker2 = datePicker(page, "DateTimePicker2");
  header->addWidget(DateTimePicker1);
  header->addWidget(label(page, nullptr, QStringLiteral("到")));
  header->addWidget(DateTimePicker2);
  header->addWidget(label(page, nullptr, QStringLiteral("期數")));
  Edit1 = new QLineEdit(page);
  Edit1->setObjectName("Edit1");
  Edit1->setReadOnly(true);
  Edit1->setMaximumWidth(80);
  header->addWidget(Edit1);
  Button1 = button(page, "Button1", QStringLiteral("查詢"));
  header->addWidget(Button1);
  header->addStretch();
  v->addLayout(header);

  auto* rows = new QGridLayout;
  rows->addWidget(label(page, nullptr, QStringLiteral("※ 近期統計")), 0, 0);
  auto* recent = new QHBoxLayout;
  recent->addWidget(label(page, nullptr, QStringLiteral("最近")));
  cbis = combo(page, "cbis", kCountList, "50");
  recent->addWidget(cbis);
  recent->addWidget(label(page, nullptr, QStringLiteral("期")));
  Button16 = button(page, "Button16", QStringLiteral("查詢"));
  recent->addWidget(Button16);
  recent->addStretch();
  rows->addLayout(recent, 0, 1);

  rows->addWidget(label(page, nullptr, QStringLiteral("※ 週期統計")), 1, 0);
  auto* periodic = new QHBoxLayout;
  periodic->addWidget(label(page, nullptr, QStringLiteral("每")));
  cb_intv = combo(page, "cb_intv", numbers(2, 20), "2");
  periodic->addWidget(cb_intv);
  periodic->addWidget(label(page, nullptr, QStringLiteral("期一次")));
  periodic->addWidget(label(page, nullptr, QStringLiteral("取最近")));
  cbis_2 = combo(page, "cbis_2", kCountList, "50");
  periodic->addWidget(cbis_2);
  periodic->addWidget(label(page, nullptr, QStringLiteral("期")));
  Button17 = button(page, "Button17", QStringLiteral("查詢"));
  periodic->addWidget(Button17);
  periodic->addStretch();
  rows->addLayout(periodic, 1, 1);

  rows->addWidget(label(page, nullptr, QStringLiteral("※ 單支拖牌")), 2, 0);
  auto* drag = new QHBoxLayout;
  cb_date = combo(page, "cb_date", {}, QString());
  cb_date->setMinimumWidth(120);
  drag->addWidget(cb_date);
  drag->addWidget(label(page, nullptr, QStringLiteral("第")));
  cb_ii = combo(page, "cb_ii", numbers(1, 7), "1");
  drag->addWidget(cb_ii);
  drag->addWidget(label(page, nullptr, QStringLiteral("支開")));
  CB_xx = combo(page, "CB_xx", {"01"}, "01");
  drag->addWidget(CB_xx);
  drag->addWidget(label(page, nullptr, QStringLiteral("之下")));
  cb_prediction = combo(page, "cb_prediction", numbers(1, 5), "1");
  drag->addWidget(cb_prediction);
  drag->addWidget(label(page, nullptr, QStringLiteral("期")));
  cb_ff = checkBox(page, "cb_ff", QStringLiteral("定點"), true);
  cb_ori = checkBox(page, "cb_ori", QStringLiteral("落球"), false);
  drag->addWidget(cb_ff);
  drag->addWidget(cb_ori);
  Button18 = button(page, "Button18", QStringLiteral("查詢"));
  drag->addWidget(Button18);
  drag->addStretch();
  rows->addLayout(drag, 2, 1);
  v->addLayout(rows);

  v->addWidget(label(page, nullptr, QStringLiteral("符合您選擇條件和時間區間的期數如下")));
  Memo1 = memo(page, "Memo1");
  v->addWidget(Memo1, 1);
  auto* buttons = memoButtons(page, Memo1, {"Button3", "Button4", "Button5", "Button6"});
  Button33 = button(page, "Button33", QStringLiteral("字體變大"));
  buttons->insertWidget(4, Button33);
  v->addLayout(buttons);
  Button2 = button(page, "Button2", QStringLiteral("計算"));
  Button2->hide();

  connect(Button1, &QPushButton::clicked, this, &TForm_tovrin::Button1Click);
  connect(Button16, &QPushButton::clicked, this, &TForm_tovrin::Button16Click);
  connect(Button17, &QPushButton::clicked, this, &TForm_tovrin::Button17Click);
  connect(Button18, &QPushButton::clicked, this, &TForm_tovrin::Button18Click);
  connect(Button2, &QPushButton::clicked, this, &TForm_tovrin::Button2Click);
  connect(Button33, &QPushButton::clicked, this, &TForm_tovrin::Button33Click);
  // Typing a date or a position refreshes the reference draw; a text that is
  // not yet a whole date or number is left alone until it is.
  connect(cb_date, &QComboBox::currentTextChanged, this, [this] { cb_dateChange(); });
  connect(cb_ii, &QComboBox::currentTextChanged, this, [this](const QString& t) {
    if (!t.trimmed().isEmpty()) cb_dateChange();
  });
  connect(cb_ff, &QCheckBox::toggled, this, [this] { cb_dateChange(); });
  connect(cb_ori, &QCheckBox::toggled, this, [this] { cb_dateChange(); });
  return page;
}

std::vector<std::string> TForm_tovrin::workingPeriod() const { return ui::memoStdLines(Memo1); }

void TForm_tovrin::showQuery(const tovrin::QueryResult& r) {
  const QStringList lines = ui::toQt(r.lines);
  for (QPlainTextEdit* m : {Memo1, Memo2, Memo3}) ui::setMemoLines(m, lines);
  // The reports are gone, and with them what their chance labels spoke of.
  for (QLabel* l : {lb_chance2, lb_chance3})
    if (l) l->clear();
  Edit1->setText(qs(r.countText()));
  if (r.newStart) DateTimePicker1->setDate(QDate(r.newStart->y, r.newStart->m, r.newStart->d));
  periodCaption_ = r.caption;
  Button2->click();
}

bool TForm_tovrin::Button1Click() {
  queryMode_ = tovrin::QueryMode::DateRange;
  showQuery(tovrin::dateRangeQuery(table(), dayOf(DateTimePicker1->date()), dayOf(DateTimePicker2->date())));
  return true;
}

bool TForm_tovrin::Button16Click() {
  const auto n = ui::readInteger(this, cbis->currentText());
  if (!n) return false;
  queryMode_ = tovrin::QueryMode::Recent;
  showQuery(tovrin::recentQuery(table(), *n));
  return true;
}

bool TForm_tovrin::Button17Click() {
  const auto k = ui::readInteger(this, cb_intv->currentText());
  if (!k) return false;
  const auto n = ui::readInteger(this, cbis_2->currentText());
  if (!n) return false;
  if (*k < 1) {
    ui::message(this, ui::Icon::Warning, QStringLiteral("「每幾期一次」必須是 1 以上的整數，請重新輸入"));
    return false;
  }
  queryMode_ = tovrin::QueryMode::Periodic;
  showQuery(tovrin::periodicQuery(table(), *k, *n));
  return true;
}

bool TForm_tovrin::Button18Click() {
  const auto i = ui::readInteger(this, cb_ii->currentText());
  if (!i) return false;
  const auto q = ui::readInteger(this, cb_prediction->currentText());
  if (!q) return false;
  if (tovrin::findDrawRow(table(), ss(cb_date->currentText().trimmed())) == 0) {
    ui::message(this, ui::Icon::Warning,
                QStringLiteral("找不到開獎日期 %1 的資料，請從清單選擇開獎日期").arg(cb_date->currentText()));
    return false;
  }
  if (*i < 1 || *i > 7) {
    ui::message(this, ui::Icon::Warning, QStringLiteral("「第幾支」必須是 1 到 7（7 為特別號）"));
    return false;
  }
  queryMode_ = tovrin::QueryMode::Drag;
  tovrin::DragParams p;
  p.position = *i;
  p.ball = ss(CB_xx->currentText());
  p.later = *q;
  p.fixed = cb_ff->isChecked();
  p.drawnOrder = cb_ori->isChecked();
  showQuery(tovrin::dragQuery(table(), p));
  return true;
}

void TForm_tovrin::cb_dateChange() {
  const auto i = ui::readInteger(this, cb_ii->currentText());
  if (!i) return;
  const auto ref = tovrin::referenceDraw(table(), ss(cb_date->currentText().trimmed()), *i, cb_ori->isChecked());
  if (!ref) return;
  CB_xx->clear();
  CB_xx->addItem(qs(ref->ball));
  CB_xx->setCurrentText(qs(ref->ball));
  cb_prediction->setCurrentText(QString::number(ref->later));
}

bool TForm_tovrin::rerunQuery() {
  switch (queryMode_) {
    case tovrin::QueryMode::DateRange: return Button1Click();
    case tovrin::QueryMode::Recent: return Button16Click();
    case tovrin::QueryMode::Periodic: return Button17Click();
    case tovrin::QueryMode::Drag: return Button18Click();
  }
  return false;
}

bool TForm_tovrin::clearAndRerun(QPlainTextEdit* memo) {
  memo->clear();
  return rerunQuery();
}

void TForm_tovrin::memoCopy(QPlainTextEdit* memo, bool withMessage) {
  memo->selectAll();
  ui::platform().clipboard->setText(memo->toPlainText());
  if (withMessage) ui::message(this, ui::Icon::Information, QStringLiteral("資料已複製Copy"));
}

void TForm_tovrin::memoSave(QPlainTextEdit* memo, const QString& ext, const QString& filter) {
  ui::saveLinesAs(this, QStringLiteral("儲存開獎資料"), ui::memoStdLines(memo), ext, filter);
}

QHBoxLayout* TForm_tovrin::memoButtons(QWidget* page, QPlainTextEdit* memo, const std::array<const char*, 4>& names) {
  auto* row = new QHBoxLayout;
  auto* clear = button(page, names[0], QStringLiteral("清除"));
  auto* copy = button(page, names[1], QStringLiteral("複製"));
  auto* txt = button(page, names[2], QStringLiteral("存檔(txt)"));
  auto* csv = button(page, names[3], QStringLiteral("存檔(csv)"));
  for (QPushButton* b : {clear, copy, txt, csv}) row->addWidget(b);
  row->addStretch();
  connect(clear, &QPushButton::clicked, this, [this, memo] { clearAndRerun(memo); });
  connect(copy, &QPushButton::clicked, this, [this, memo] { memoCopy(memo); });
  connect(txt, &QPushButton::clicked, this,
          [this, memo] { memoSave(memo, "txt", ui::textFilter()); });
  connect(csv, &QPushButton::clicked, this,
          [this, memo] { memoSave(memo, "csv", ui::csvFilter()); });
  return row;
}

void TForm_tovrin::Button33Click() {
  QFont f;
  if (Button33->text() == QStringLiteral("字體變大")) {
    Button33->setText(QStringLiteral("正常大小"));
    f.setFamilies({QStringLiteral("標楷體"), QStringLiteral("DFKai-SB"), QStringLiteral("Noto Serif CJK TC")});
    f.setPointSize(16);
  } else {
    Button33->setText(QStringLiteral("字體變大"));
    f.setFamilies({QStringLiteral("新細明體"), QStringLiteral("PMingLiU"), QStringLiteral("Noto Sans Mono CJK TC")});
    f.setPointSize(12);
  }
  for (QPlainTextEdit* m : {Memo1, Memo2, Memo3}) m->setFont(f);
}
