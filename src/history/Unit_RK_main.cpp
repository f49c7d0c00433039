#include "history/Unit_RK_main.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/history/samples.h"
#include "core/text/textfile.h"
#include "history/Unit_RK_stk_txtfile.h"
#include "history/Unit_rk_help.h"
#include "history/Unit_rpt.h"
#include "ui/platform.h"
#include "ui/sample_dir.h"
#include "ui/text.h"
#include "ui/widgets.h"

using ui::qs;

namespace {

struct CommandDef {
  const char* name;
  const char* caption;
  const char* shortcut;
};

// The command list, in the order the commands menu shows it; the last two
// are the cycle-statistics openers that have no command of their own.
const CommandDef kCommands[] = {
    {"lt_record", "開獎紀錄", "F2"},
    {"lotto_record", "開獎紀錄編輯", ""},
    {"statistics", "統計資料", ""},
    {"Rule_2A", "2A版路", ""},
    {"Rule_3A", "3A版路", ""},
    {"Rule_4A", "4A版路", ""},
    {"PMX", "PMX版路", ""},
    {"Rule_total", "總數推算", ""},
    {"strange", "怪牌版路", ""},
    {"hotgroup", "冷熱次群統計", ""},
    {"map76", "7x7 落點圖", ""},
    {"nogood", "不出尾數", ""},
    {"NG_tail", "不出尾數", ""},
    {"group_ng", "不出牌組", ""},
    {"ftpip", "資料伺服器位址設定", ""},
    {"tovrin", "Tovrin操作", ""},
    // Reached only from the rule maps' pop-up menus; it has no window, so it
    // stays disabled and out of the commands menu.
    {"rule_define", "版路定義", ""},
    {"N34", "號碼週期統計", ""},
    {"N35", "尾數週期統計", ""},
};

QFont windowFont() {
  QFont f;
  f.setFamilies({QStringLiteral("PMingLiU"), QStringLiteral("新細明體"), QStringLiteral("Noto Serif CJK TC"),
                 QStringLiteral("Noto Sans CJK TC")});
  f.setPointSize(11);
  return f;
}

}  // namespace

TForm_rk_main::TForm_rk_main(QWidget* parent) : QMainWindow(parent), history_(ui::workDir()) {
  setObjectName("Form_rk_main");
  setWindowTitle("Tovrin");
  setFont(windowFont());
  resize(1000, 640);
  // A new working directory first gets the installed samples and help texts;
  // files the user already has are never replaced.
  tovrin::installSamples(ui::sampleDir(), history_.dir());
  // FormCreate: every draw and draw-date file exists from here on.
  const auto failed = tovrin::createStartupFiles(history_.dir());
  history_.settings.gameKind = true;
  buildUi();
  buildCommands();
  applyGameLook();
  if (!failed.empty()) {
    QStringList names;
    for (const auto& n : failed) names << qs(n);
    ui::message(this, ui::Icon::Error, QStringLiteral("無法建立檔案 ") + names.join(", "));
  }
}

TForm_rk_main::~TForm_rk_main() = default;

void TForm_rk_main::buildUi() {
  auto* central = new QWidget(this);
  auto* outer = new QVBoxLayout(central);

  Panel5 = new QFrame(central);
  Panel5->setObjectName("Panel5");
  Panel5->setFrameShape(QFrame::StyledPanel);
  auto* row = new QHBoxLayout(Panel5);

  auto makeGamePanel = [&](const char* panelName, const char* imageName, const char* radioName, const QString& text,
                           bool bigLotto, QFrame*& panel, QLabel*& image, QRadioButton*& radio) {
    panel = new QFrame(Panel5);
    panel->setObjectName(panelName);
    panel->setFrameShape(QFrame::Box);
    panel->setLineWidth(3);
    panel->setAutoFillBackground(true);
    auto* v = new QVBoxLayout(panel);
    image = new QLabel(panel);
    image->setObjectName(imageName);
    image->setPixmap(ui::gameLogo(bigLotto, 96));
    image->setAlignment(Qt::AlignCenter);
    radio = new QRadioButton(text, panel);
    radio->setObjectName(radioName);
    v->addWidget(image);
    v->addWidget(radio, 0, Qt::AlignHCenter);
    row->addWidget(panel);
  };
  makeGamePanel("Panel3", "Image_8e", "rb_biglotto", QStringLiteral("大樂透"), true, Panel3, Image_8e, rb_biglotto);
  makeGamePanel("Panel4", "Image_m6", "rb_mark6", QStringLiteral("六合彩"), false, Panel4, Image_m6, rb_mark6);
  // The two buttons sit in different panels, so they need a group to exclude each other.
  auto* games = new QButtonGroup(this);
  games->addButton(rb_biglotto);
  games->addButton(rb_mark6);
  rb_biglotto->setChecked(true);
  connect(rb_biglotto, &QRadioButton::clicked, this, &TForm_rk_main::rb_biglottoClick);
  connect(rb_mark6, &QRadioButton::clicked, this, &TForm_rk_main::rb_biglottoClick);

  auto* info = new QVBoxLayout;
  auto* caption = new QLabel(QStringLiteral("檔案中最新開獎資料"), Panel5);
  QFont big = caption->font();
  big.setPointSize(14);
  big.setBold(true);
  caption->setFont(big);
  info->addWidget(caption);
  auto makeLabel = [&](const char* name) {
    auto* l = new QLabel(Panel5);
    l->setObjectName(name);
    QFont f = l->font();
    f.setPointSize(13);
    l->setFont(f);
    info->addWidget(l);
    return l;
  };
  lb_data = makeLabel("lb_data");
  lb_data1 = makeLabel("lb_data1");
  lb_data2 = makeLabel("lb_data2");

  auto* buttons = new QHBoxLayout;
  SpeedButton1 = new QToolButton(Panel5);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setToolButtonStyle(Qt::ToolButtonTextOnly);
  Label4 = new ui::ClickLabel(qs(history_.settings.currentDrawFile), Panel5);
  Label4->setObjectName("Label4");
  QFont uf = Label4->font();
  uf.setUnderline(true);
  Label4->setFont(uf);
  Label4->setCursor(Qt::PointingHandCursor);
  Label5 = new ui::ClickLabel(QStringLiteral("手動輸入"), Panel5);
  Label5->setObjectName("Label5");
  Label5->setCursor(Qt::PointingHandCursor);
  connect(Label4, &ui::ClickLabel::clicked, this, &TForm_rk_main::Label4Click);
  connect(Label5, &ui::ClickLabel::clicked, this, &TForm_rk_main::Label4Click);
  buttons->addWidget(SpeedButton1);
  buttons->addSpacing(12);
  buttons->addWidget(Label4);
  buttons->addWidget(Label5);
  buttons->addStretch();
  info->addLayout(buttons);
  row->addLayout(info, 1);

  SpeedButton19 = new QToolButton(Panel5);
  SpeedButton19->setObjectName("SpeedButton19");
  SpeedButton19->setText("Close");
  row->addWidget(SpeedButton19, 0, Qt::AlignTop);
  outer->addWidget(Panel5);

  auto* below = new QHBoxLayout;
  SpeedButton20 = new QToolButton(central);
  SpeedButton20->setObjectName("SpeedButton20");
  SpeedButton20->setText(QStringLiteral("顯示"));
  Image1 = new QLabel(central);
  Image1->setObjectName("Image1");
  below->addWidget(SpeedButton20, 0, Qt::AlignTop);
  below->addStretch();
  below->addWidget(Image1);
  outer->addLayout(below);
  outer->addStretch();
  connect(SpeedButton19, &QToolButton::clicked, Panel5, &QWidget::hide);
  connect(SpeedButton20, &QToolButton::clicked, Panel5, &QWidget::show);

  setCentralWidget(central);

  auto* bar = statusBar();
  bar->setObjectName("StatusBar1");
  lb_loadStatus = new QLabel(bar);
  lb_loadStatus->setObjectName("lb_loadStatus");
  bar->addWidget(lb_loadStatus, 1);
}

void TForm_rk_main::buildCommands() {
  auto* list = new QObject(this);
  list->setObjectName("ActionList1");
  for (const auto& c : kCommands) {
    auto* a = new QAction(QString::fromUtf8(c.caption), list);
    a->setObjectName(c.name);
    if (*c.shortcut) {
      a->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
      a->setShortcutContext(Qt::WindowShortcut);
    }
    a->setEnabled(false);  // until its window exists
    const QString name = c.name;
    connect(a, &QAction::triggered, this, [this, name] {
      if (auto h = handlers_.value(name)) h();
    });
    addAction(a);  // shortcuts work wherever the focus is, panel shown or not
    commands_.insert(name, a);
  }
  SpeedButton1->setDefaultAction(commands_.value("lt_record"));

  auto* bar = menuBar();
  bar->setObjectName("MainMenu1");
  auto* data = bar->addMenu(QStringLiteral("開獎資料"));
  data->addAction(commands_.value("lt_record"));
  auto* tov = bar->addMenu(QStringLiteral("進入Tovrin"));
  tov->addAction(commands_.value("tovrin"));
  auto* quit = bar->addAction(QStringLiteral("結束作業"));
  quit->setObjectName("mnuExit");
  connect(quit, &QAction::triggered, this, &QWidget::close);

  // The rest of the command list has no entry of its own in the main menu;
  // this menu lists every command so the user can reach them all.
  auto* all = bar->addMenu(QStringLiteral("指令"));
  all->setObjectName("CommandMenu");
  for (const auto& c : kCommands)
    if (QString::fromLatin1(c.name) != QLatin1String("rule_define")) all->addAction(commands_.value(c.name));
}

QAction* TForm_rk_main::command(const QString& name) const { return commands_.value(name); }

void TForm_rk_main::bindCommand(const QString& name, std::function<void()> handler) {
  handlers_.insert(name, std::move(handler));
  if (auto* a = commands_.value(name)) a->setEnabled(true);
}

QPixmap TForm_rk_main::currentLogo() const { return ui::gameLogo(history_.settings.gameKind, 120); }

void TForm_rk_main::applyGameLook() {
  const bool big = history_.settings.gameKind;
  auto paint = [](QFrame* f, const QColor& c) {
    QPalette p = f->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::WindowText, Qt::white);
    f->setPalette(p);
  };
  paint(big ? Panel3 : Panel4, Qt::red);
  paint(big ? Panel4 : Panel3, QColor(0, 128, 64));
  QFont on = rb_biglotto->font(), off = on;
  on.setBold(true);
  off.setBold(false);
  rb_biglotto->setFont(big ? on : off);
  rb_mark6->setFont(big ? off : on);
  Image1->setPixmap(currentLogo());
  if (logoListener_) logoListener_(currentLogo());
  Label4->setText(qs(history_.settings.currentDrawFile));
}

void TForm_rk_main::rb_biglottoClick() {
  history_.selectGame(rb_biglotto->isChecked());
  applyGameLook();
  FormShow();
}

void TForm_rk_main::refreshLatestDraw() {
  const auto t = history_.latestDrawTexts();
  lb_data->setText(qs(t.date));
  lb_data1->setText(qs(t.number));
  lb_data2->setText(qs(t.balls));
}

tovrin::LoadResult TForm_rk_main::FormShow() {
  setWindowTitle("Tovrin");
  history_.setDir(ui::workDir());
  const auto r = history_.fullReload(ui::ss(ui::today().toString("yyyy/MM/dd")));
  refreshLatestDraw();
  lb_loadStatus->setText(qs(history_.settings.currentDrawFile) + "  " + qs(tovrin::loadSummary(r)));
  lb_loadStatus->setStyleSheet(r.ok && r.leftOut() == 0 ? QString() : QStringLiteral("color: #b00000;"));
  if (!r.ok) ui::message(this, ui::Icon::Error, qs(r.error));
  for (const auto& f : reloadListeners_) f();
  return r;
}

tovrin::LoadResult TForm_rk_main::reloadDraws() {
  history_.setDir(ui::workDir());
  const auto r = history_.Read_lotto_list(ui::ss(ui::today().toString("yyyy/MM/dd")));
  history_.put_to_ltno();
  refreshLatestDraw();
  lb_loadStatus->setText(qs(history_.settings.currentDrawFile) + "  " + qs(tovrin::loadSummary(r)));
  lb_loadStatus->setStyleSheet(r.ok && r.leftOut() == 0 ? QString() : QStringLiteral("color: #b00000;"));
  if (!r.ok) ui::message(this, ui::Icon::Error, qs(r.error));
  for (const auto& f : reloadListeners_) f();
  return r;
}

void TForm_rk_main::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (!shownOnce_ && !e->spontaneous()) {
    shownOnce_ = true;
    FormShow();
  }
}

void TForm_rk_main::closeEvent(QCloseEvent* e) {
  if (ui::message(this, ui::Icon::Warning, QStringLiteral("您即將結束作業,請再一次確認!"), ui::Buttons::YesNo) ==
      ui::Answer::Yes)
    e->accept();
  else
    e->ignore();
}

void TForm_rk_main::show_memo(const QString& fileName) {
  const auto path = history_.dir() / ui::ss(fileName);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec) || !help_) {
    ui::message(this, ui::Icon::Information, QStringLiteral("說明檔 ") + fileName + QStringLiteral(" 不存在"));
    return;
  }
  help_->showFile(path);
}

void TForm_rk_main::show_memo_rpt(const QPlainTextEdit* memo) { show_memo_rpt(ui::memoLines(memo)); }

void TForm_rk_main::show_memo_rpt(const QStringList& lines) {
  if (rpt_) rpt_->preview(this, lines);
}

void TForm_rk_main::Label4Click() {
  if (!manualEntry_) {
    manualEntry_ = new TForm_RK_stk_txtfile(history_, [this] { return FormShow(); }, this);
  }
  manualEntry_->open(currentLogo());
}
