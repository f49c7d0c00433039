// Construction of the statistics, pillar and verification pages.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "pillars/Unit_tovrin.h"
#include "pillars/tovrin_widgets.h"

using namespace tovrin_ui;

namespace {

QTableWidget* grid(QWidget* parent, const char* name, int columns) {
  auto* g = new QTableWidget(2, columns, parent);
  g->setObjectName(name);
  g->horizontalHeader()->hide();
  g->verticalHeader()->hide();
  g->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->horizontalHeader()->setDefaultSectionSize(34);
  g->verticalHeader()->setDefaultSectionSize(24);
  g->setFixedHeight(2 * 24 + 4);
  g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < columns; ++c) {
      auto* it = new QTableWidgetItem;
      it->setTextAlignment(Qt::AlignCenter);
      g->setItem(r, c, it);
    }
  return g;
}

QWidget* headings(QWidget* parent, const QString& top, const QString& bottom) {
  auto* w = new QWidget(parent);
  auto* v = new QVBoxLayout(w);
  v->setContentsMargins(0, 0, 0, 0);
  v->addWidget(new QLabel(top, w));
  v->addWidget(new QLabel(bottom, w));
  return w;
}

// Sits outside the report memo, so the report and the files saved from it
// stay as they are.
QLabel* chanceLabel(QWidget* page, const char* name) {
  auto* l = label(page, name);
  l->setWordWrap(true);
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  l->setToolTip(QStringLiteral("純憑運氣（隨機）平均會開出的碰數，以及實際開出與它的比值；比值接近 1 表示與運氣無異"));
  return l;
}

}  // namespace

QWidget* TForm_tovrin::buildStatisticsPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  auto addGrid = [&](QTableWidget*& g, const char* name, int cols, const QString& top, const QString& bottom) {
    auto* row = new QHBoxLayout;
    row->addWidget(headings(page, top, bottom));
    g = grid(page, name, cols);
    row->addWidget(g, 1);
    v->addLayout(row);
  };
  addGrid(sga1, "sga1", 25, QStringLiteral("號碼"), QStringLiteral("次數"));
  addGrid(sga2, "sga2", 24, QStringLiteral("號碼"), QStringLiteral("次數"));
  addGrid(sgaT, "sgaT", 10, QStringLiteral("尾數"), QStringLiteral("次數"));
  sgaT->horizontalHeader()->setDefaultSectionSize(60);

  auto* cols = new QHBoxLayout;
  auto column = [&](const char* buttonName, const QString& caption, const char* memoName, const QString& heading,
                    const char* progressName, const char* copyName, QPlainTextEdit*& memoOut, QLabel*& progress) {
    auto* box = new QVBoxLayout;
    auto* b = button(page, buttonName, caption);
    box->addWidget(b);
    progress = label(page, progressName, "---");
    box->addWidget(progress);
    box->addWidget(label(page, nullptr, heading));
    memoOut = memo(page, memoName);
    box->addWidget(memoOut, 1);
    box->addWidget(button(page, copyName, QStringLiteral("複製")));
    cols->addLayout(box, 1);
  };
  column("SpeedButton2", QStringLiteral("熱門雙星組合排列"), "mm", QStringLiteral("☆☆號碼  次數"), "lb2s", "BitBtn1",
         mm, lb2s);
  column("SpeedButton3", QStringLiteral("熱門三星組合排列"), "mm3", QStringLiteral("☆☆☆號碼  次數"), "lb3s",
         "BitBtn2", mm3, lb3s);
  column("SpeedButton1", QStringLiteral("熱門四星組合排列"), "mm9", QStringLiteral("☆☆☆☆號碼  次數"), "lb4s",
         "BitBtn3", mm9, lb4s);
  column("SpeedButton4", QStringLiteral("黃金七星(請先３選擇號碼25個)"), "mm7", QStringLiteral("7☆號碼(中4星以上)"),
         "lb7s", "BitBtn4", mm7, lb7s);
  v->addLayout(cols, 1);
  wireStatisticsPage(page);
  return page;
}

QWidget* TForm_tovrin::buildPillarPage() {
  auto* page = new QWidget;
  auto* outer = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;

  left->addLayout(selectionRow(page, "Label6", "Label28", Label6, Label28));

  auto* count = new QHBoxLayout;
  count->addWidget(label(page, nullptr, QStringLiteral("您要選幾柱")));
  CB_Select = combo(page, "CB_Select", numbers(2, 8), "4", false);
  count->addWidget(CB_Select);
  count->addWidget(label(page, nullptr, QStringLiteral("柱")));
  count->addSpacing(16);
  count->addWidget(label(page, "Label61", QStringLiteral("(每柱最多12碼)")));
  count->addStretch();
  Image3 = label(page, "Image3");
  count->addWidget(Image3);
  left->addLayout(count);

  auto* pillars = new QGridLayout;
  pillars->addWidget(label(page, nullptr, QStringLiteral("支")), 1, 0);
  pillars->addWidget(label(page, nullptr, QStringLiteral("號碼內容")), 2, 0, Qt::AlignTop);
  for (int i = 1; i <= 8; ++i) {
    pillars->addWidget(label(page, nullptr, QStringLiteral("第%1柱").arg(i)), 0, i, Qt::AlignHCenter);
    PillarSizeBoxes[i] = combo(page, QString("ComboBox%1").arg(i).toLatin1().constData(),
                               numbers(1, i <= 2 ? 12 : 10), i <= 4 ? "2" : "0");
    pillars->addWidget(PillarSizeBoxes[i], 1, i);
    PillarMemos[i] = memo(page, QString("Mx%1").arg(i).toLatin1().constData());
    PillarMemos[i]->setMinimumHeight(250);
    PillarMemos[i]->setMaximumWidth(70);
    pillars->addWidget(PillarMemos[i], 2, i);
    connect(PillarSizeBoxes[i], &QComboBox::currentTextChanged, this, [this](const QString& t) {
      // A box being typed into is empty or holds only a sign for a moment.
      if (settingLayout_ || t.trimmed().isEmpty() || t.trimmed() == "-") return;
      ComboBox1Change();
    });
  }
  left->addLayout(pillars);
  connect(CB_Select, &QComboBox::currentTextChanged, this, [this] {
    if (!settingLayout_) CB_SelectChange();
  });

  lb_NOTT = label(page, "lb_NOTT");
  left->addWidget(lb_NOTT);
  auto* bets = new QHBoxLayout;
  lb_pon2 = label(page, "lb_pon2");
  lb_pon3 = label(page, "lb_pon3");
  lb_pon4 = label(page, "lb_pon4");
  lb_tot = label(page, "lb_tot");
  for (QLabel* l : {lb_pon2, lb_pon3, lb_pon4, lb_tot}) {
    QFont f = l->font();
    f.setPointSize(12);
    f.setBold(true);
    l->setFont(f);
    bets->addWidget(l);
  }
  bets->addStretch();
  left->addLayout(bets);

  auto* manual = new QHBoxLayout;
  auto* Button27 = button(page, "Button27", QStringLiteral("手動輸入驗證"));
  manual->addWidget(Button27);
  manual->addWidget(label(page, nullptr, QStringLiteral("(手動驗證須輸入幾柱和每一柱號碼)")));
  manual->addStretch();
  left->addLayout(manual);
  left->addStretch();
  outer->addLayout(left, 3);

  auto* right = new QVBoxLayout;
  auto* Button19 = button(page, "Button19", QStringLiteral("電腦排定號碼"));
  right->addWidget(Button19);

  auto* analyses = new QGroupBox(QStringLiteral("優柱分析"), page);
  auto* av = new QVBoxLayout(analyses);
  RG1 = new QGroupBox(analyses);
  RG1->setObjectName("RG1");
  auto* rg = new QVBoxLayout(RG1);
  const QString items[] = {QStringLiteral("４星優先"), QStringLiteral("３星優先"), QStringLiteral("２星優先")};
  for (int i = 0; i < 3; ++i) {
    RG1Items[i] = new QRadioButton(items[i], RG1);
    RG1Items[i]->setObjectName(QString("RG1_%1").arg(i));
    rg->addWidget(RG1Items[i]);
  }
  RG1Items[0]->setChecked(true);
  av->addWidget(RG1);
  for (auto [name, caption] : {std::pair{"Button12", QStringLiteral("８碼=2x2x2x2 優柱分析")},
                               std::pair{"Button28", QStringLiteral("９碼=3x3x3 優柱分析")},
                               std::pair{"Button29", QStringLiteral("８碼=1x1x2x2x2 優柱分析")},
                               std::pair{"Button30", QStringLiteral("10碼=2x2x3x3 優柱分析")}})
    av->addWidget(button(analyses, name, caption));
  auto* row12 = new QHBoxLayout;
  Button31 = button(analyses, "Button31", QStringLiteral("12取8超優分析"));
  btn_stop = button(analyses, "btn_stop", QStringLiteral("中斷"));
  btn_stop->hide();
  row12->addWidget(Button31, 1);
  row12->addWidget(btn_stop);
  av->addLayout(row12);
  auto* row15 = new QHBoxLayout;
  Button32 = button(analyses, "Button32", QStringLiteral("15取10超優分析"));
  btn_stop_1510 = button(analyses, "btn_stop_1510", QStringLiteral("中斷"));
  btn_stop_1510->hide();
  lb_percent = label(analyses, "lb_percent", "0 / 3003");
  lb_percent->hide();
  row15->addWidget(Button32, 1);
  row15->addWidget(btn_stop_1510);
  av->addLayout(row15);
  av->addWidget(lb_percent);
  right->addWidget(analyses);

  // Steps the buttons above trigger; never shown.
  for (const char* name : {"Button26", "Button14", "btn_list2", "btn_list3", "btn_10", "Button24", "Button25"}) {
    auto* b = button(page, name, name == std::string("Button26") ? QStringLiteral("驗證") : QString(name));
    b->hide();
  }
  MM_2 = memo(page, "MM_2");
  M2 = memo(page, "M2");
  MM3_2 = memo(page, "MM3_2");
  M3 = memo(page, "M3");
  for (QWidget* w : {MM_2, M2, MM3_2, M3}) w->hide();
  right->addStretch();
  outer->addLayout(right, 1);

  connect(Button27, &QPushButton::clicked, this, &TForm_tovrin::Button27Click);
  connect(Button19, &QPushButton::clicked, this, &TForm_tovrin::Button19Click);
  connect(page->findChild<QPushButton*>("Button26"), &QPushButton::clicked, this, &TForm_tovrin::Button26Click);
  connect(page->findChild<QPushButton*>("Button24"), &QPushButton::clicked, this, &TForm_tovrin::Button24Click);
  connect(page->findChild<QPushButton*>("Button25"), &QPushButton::clicked, this, &TForm_tovrin::Button25Click);
  wireLayoutButtons(page);
  return page;
}

QHBoxLayout* TForm_tovrin::selectionRow(QWidget* page, const char* textName, const char* countName, QLabel*& text,
                                        QLabel*& count) {
  auto* row = new QHBoxLayout;
  row->addWidget(label(page, nullptr, QStringLiteral("您所選的號碼為：")));
  text = label(page, textName);
  text->setWordWrap(true);
  count = label(page, countName);
  row->addWidget(text, 1);
  row->addWidget(count);
  return row;
}

QWidget* TForm_tovrin::buildPillarVerifyPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  v->addLayout(selectionRow(page, "Label57", "Label56", Label57, Label56));
  v->addWidget(label(page, nullptr, QStringLiteral("核對所選的號碼，以立柱方式，在過去所選的區間內開出的情形")));
  Memo2 = memo(page, "Memo2");
  v->addWidget(Memo2, 1);
  lb_chance2 = chanceLabel(page, "lb_chance2");
  v->addWidget(lb_chance2);
  v->addLayout(memoButtons(page, Memo2, {"Button20", "Button21", "Button22", "Button23"}));
  Button20 = page->findChild<QPushButton*>("Button20");
  return page;
}

QWidget* TForm_tovrin::buildLenponPage() {
  auto* page = new QWidget;
  auto* v = new QVBoxLayout(page);
  v->addLayout(selectionRow(page, "Label41", "Label42", Label41, Label42));
  v->addWidget(label(page, nullptr, QStringLiteral("核對所選的號碼，在過去所選的區間內開出的情形")));
  auto* run = new QHBoxLayout;
  auto* Button9 = button(page, "Button9", QStringLiteral("開始連碰驗證"));
  cb_detail = checkBox(page, "cb_detail", QStringLiteral("顯示每一期開出明細"), true);
  run->addWidget(Button9);
  run->addWidget(cb_detail);
  run->addStretch();
  v->addLayout(run);
  Memo3 = memo(page, "Memo3");
  v->addWidget(Memo3, 1);
  lb_chance3 = chanceLabel(page, "lb_chance3");
  v->addWidget(lb_chance3);
  v->addLayout(memoButtons(page, Memo3, {"Button10", "Button11", "Button13", "Button15"}));
  connect(Button9, &QPushButton::clicked, this, &TForm_tovrin::Button9Click);
  return page;
}
