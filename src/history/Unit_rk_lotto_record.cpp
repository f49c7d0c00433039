#include "history/Unit_rk_lotto_record.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QDateEdit>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "core/text/textfile.h"
#include "history/Unit_RK_main.h"
#include "ui/platform.h"
#include "pillars/tovrin_widgets.h"
#include "ui/text.h"

using ui::qs;
using ui::ss;

// The grid's rows straight from the editor: the view asks only for the cells
// it paints, so a history of thousands of draws opens at once.
class RecordGridModel : public QAbstractTableModel {
 public:
  RecordGridModel(const tovrin::RecordEditor& e, QObject* parent) : QAbstractTableModel(parent), e_(e) {}

  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : e_.rowCount(); }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : tovrin::kEditorColumns;
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= e_.rowCount()) return {};
    return qs(e_.cell(index.row(), index.column()));
  }
  QVariant headerData(int section, Qt::Orientation o, int role) const override {
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Horizontal) return qs(e_.heading(section));
    return section + 1;
  }
  void reset() {
    beginResetModel();
    endResetModel();
  }
  void rowChanged(int r) { emit dataChanged(index(r, 0), index(r, tovrin::kEditorColumns - 1)); }

 private:
  const tovrin::RecordEditor& e_;
};

namespace {

const QString kSaveFailedData = QStringLiteral("儲存失敗,資料有誤");


}  // namespace

TForm_rk_lotto_record::TForm_rk_lotto_record(TForm_rk_main* main) : QDialog(main), main_(main) {
  setObjectName("Form_rk_lotto_record");
  setWindowTitle(QStringLiteral("開獎紀錄  大樂透"));
  resize(1040, 640);
  buildUi();
  main_->addReloadListener([this] { refillFromTable(); });
}

TForm_rk_lotto_record::~TForm_rk_lotto_record() = default;

void TForm_rk_lotto_record::buildUi() {
  auto* outer = new QVBoxLayout(this);

  auto* tools = new QHBoxLayout;
  SpeedButton3 = tovrin_ui::speedButton(this, "SpeedButton3", QStringLiteral("順球順序排列"));
  SpeedButton12 = tovrin_ui::speedButton(this, "SpeedButton12", QStringLiteral("落球大小排列"));
  SpeedButton11 = tovrin_ui::speedButton(this, "SpeedButton11", QStringLiteral("期數由小到大"));
  SpeedButton9 = tovrin_ui::speedButton(this, "SpeedButton9", QStringLiteral("期數由大到小"));
  lb_reclen = new QLabel(this);
  lb_reclen->setObjectName("lb_reclen");
  SpeedButton4 = tovrin_ui::speedButton(this, "SpeedButton4", QStringLiteral("下載新增開獎資料(獨立IP)"));
  // The UDP exchange only logs the replies it gets; it fetches no draws, so
  // the button is not offered.
  SpeedButton4->setVisible(false);
  for (auto* b : {SpeedButton3, SpeedButton12, SpeedButton11, SpeedButton9}) tools->addWidget(b);
  tools->addSpacing(16);
  tools->addWidget(lb_reclen);
  tools->addStretch();
  tools->addWidget(SpeedButton4);
  outer->addLayout(tools);

  auto* body = new QHBoxLayout;
  sgl = new QTableView(this);
  sgl->setObjectName("sgl");
  model_ = new RecordGridModel(editor_, sgl);
  sgl->setModel(model_);
  sgl->setSelectionBehavior(QAbstractItemView::SelectRows);
  sgl->setSelectionMode(QAbstractItemView::SingleSelection);
  sgl->setEditTriggers(QAbstractItemView::NoEditTriggers);
  sgl->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  sgl->verticalHeader()->hide();
  sgl->verticalHeader()->setDefaultSectionSize(20);
  sgl->horizontalHeader()->setHighlightSections(false);
  QFont gf;
  gf.setFamilies({QStringLiteral("PMingLiU"), QStringLiteral("新細明體"), QStringLiteral("Noto Serif CJK TC")});
  gf.setBold(true);
  sgl->setFont(gf);
  QPalette pal = sgl->palette();
  pal.setColor(QPalette::Text, QColor(0, 0, 128));
  sgl->setPalette(pal);
  const int widths[tovrin::kEditorColumns] = {81, 54, 36, 36, 36, 36, 36, 36, 36, 7, 36, 36, 36, 36, 36, 41};
  for (int c = 0; c < tovrin::kEditorColumns; ++c) sgl->setColumnWidth(c, widths[c]);
  sgl->setToolTip(QStringLiteral("按滑鼠右鍵列印開獎資料"));
  sgl->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* printAction = new QAction(QStringLiteral("列印開獎資料"), sgl);
  printAction->setObjectName("mnuPrint");
  sgl->addAction(printAction);
  connect(printAction, &QAction::triggered, this, &TForm_rk_lotto_record::SpeedButton13Click);
  connect(sgl->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& cur, const QModelIndex&) {
            if (!syncing_ && cur.isValid()) sglSelectCell(cur.column(), cur.row() + 1);
          });
  body->addWidget(sgl, 1);

  auto* panel = new QVBoxLayout;
  auto* form = new QFormLayout;
  isd = new QDateEdit(this);
  isd->setObjectName("isd");
  isd->setCalendarPopup(true);
  isd->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
  isd->setDate(ui::today());
  form->addRow(QStringLiteral("開獎日期"), isd);
  isno = new QLineEdit(this);
  isno->setObjectName("isno");
  isno->setToolTip(QStringLiteral("六個字"));
  isno->installEventFilter(this);
  form->addRow(QStringLiteral("期  數"), isno);
  const char* labels[] = {"", "第一落球", "第二落球", "第三落球", "第四落球", "第五落球", "第六落球", "特別號碼"};
  for (int i = 1; i <= 7; ++i) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QStringLiteral("isn%1").arg(i));
    e->setToolTip(QStringLiteral("二個數字"));
    e->setAttribute(Qt::WA_InputMethodEnabled, false);
    e->installEventFilter(this);
    isn[i] = e;
    form->addRow(QString::fromUtf8(labels[i]), e);
  }
  panel->addLayout(form);
  connect(isd, &QDateEdit::dateChanged, this, &TForm_rk_lotto_record::isdChange);
  connect(isno, &QLineEdit::returnPressed, this, &TForm_rk_lotto_record::isnoExit);
  for (int i = 1; i <= 7; ++i) connect(isn[i], &QLineEdit::returnPressed, this, [this, i] { isnExit(i); });

  auto* edits = new QHBoxLayout;
  SpeedButton5 = tovrin_ui::speedButton(this, "SpeedButton5", QStringLiteral("增加"));
  SpeedButton7 = tovrin_ui::speedButton(this, "SpeedButton7", QStringLiteral("刪除"));
  SpeedButton6 = tovrin_ui::speedButton(this, "SpeedButton6", QStringLiteral("儲存"));
  SpeedButton8 = tovrin_ui::speedButton(this, "SpeedButton8", QStringLiteral("儲存"));
  SpeedButton8->setVisible(false);
  SpeedButton10 = tovrin_ui::speedButton(this, "SpeedButton10", QStringLiteral("說明"));
  SpeedButton10->setToolTip(QStringLiteral("說明"));
  for (auto* b : {SpeedButton5, SpeedButton7, SpeedButton6, SpeedButton10}) edits->addWidget(b);
  panel->addLayout(edits);
  SpeedButton1 = tovrin_ui::speedButton(this, "SpeedButton1", QStringLiteral("下載開獎資料"));
  SpeedButton1->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
  SpeedButton1->setEnabled(false);  // until the text download is there
  SpeedButton13 = tovrin_ui::speedButton(this, "SpeedButton13", QStringLiteral("列印開獎資料"));
  BitBtn1 = new QPushButton(QStringLiteral("關閉"), this);
  BitBtn1->setObjectName("BitBtn1");
  panel->addWidget(SpeedButton1);
  panel->addWidget(SpeedButton13);
  panel->addStretch();
  panel->addWidget(BitBtn1);
  body->addLayout(panel);
  outer->addLayout(body, 1);

  connect(SpeedButton5, &QToolButton::clicked, this, &TForm_rk_lotto_record::SpeedButton5Click);
  connect(SpeedButton7, &QToolButton::clicked, this, &TForm_rk_lotto_record::SpeedButton7Click);
  connect(SpeedButton6, &QToolButton::clicked, this, &TForm_rk_lotto_record::SpeedButton6Click);
  connect(SpeedButton8, &QToolButton::clicked, this, &TForm_rk_lotto_record::SpeedButton8Click);
  connect(SpeedButton3, &QToolButton::clicked, this, &TForm_rk_lotto_record::SpeedButton3Click);
  connect(SpeedButton12, &QToolButton::clicked, this, &TForm_rk_lotto_record::SpeedButton12Click);
  connect(SpeedButton11, &QToolButton::clicked, this, &TForm_rk_lotto_record::SpeedButton2Click);
  connect(SpeedButton9, &QToolButton::clicked, this, &TForm_rk_lotto_record::SpeedButton9Click);
  connect(SpeedButton1, &QToolButton::clicked, this, &TForm_rk_lotto_record::SpeedButton1Click);
  connect(SpeedButton4, &QToolButton::clicked, this, &TForm_rk_lotto_record::SpeedButton4Click);
  connect(SpeedButton10, &QToolButton::clicked, this, &TForm_rk_lotto_record::SpeedButton10Click);
  connect(SpeedButton13, &QToolButton::clicked, this, &TForm_rk_lotto_record::SpeedButton13Click);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
}

void TForm_rk_lotto_record::setTextDownloadHook(std::function<void()> hook) {
  textDownload_ = std::move(hook);
  SpeedButton1->setEnabled(static_cast<bool>(textDownload_));
}

void TForm_rk_lotto_record::setUdpStartHook(std::function<void()> hook) { udpStart_ = std::move(hook); }

void TForm_rk_lotto_record::open() { ui::execModal(this); }

void TForm_rk_lotto_record::setCountLabel(int count) {
  lb_reclen->setText(QStringLiteral("開獎資料共 ") + QString::number(count) + QStringLiteral(" 期"));
}

void TForm_rk_lotto_record::refillFromTable() {
  setWindowTitle(main_->settings().gameKind ? QStringLiteral("開獎紀錄  大樂透") : QStringLiteral("開獎紀錄  六合彩"));
  editor_.fill(main_->table());
  setCountLabel(main_->table().count);
  showRows();
}

void TForm_rk_lotto_record::showRows(bool load) {
  model_->reset();
  syncing_ = true;
  const int r = editor_.selected();
  if (r >= 0) {
    const QModelIndex idx = model_->index(r, selectedCol_);
    sgl->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    sgl->scrollTo(idx);
  } else {
    sgl->selectionModel()->clear();
  }
  syncing_ = false;
  if (load) loadPanel();
}

void TForm_rk_lotto_record::loadPanel() {
  const int r = editor_.selected();
  const QSignalBlocker block(isd);
  if (r < 0) {
    isd->setDate(ui::today());
    isno->clear();
    for (int i = 1; i <= 7; ++i) isn[i]->clear();
    return;
  }
  const auto& cells = editor_.row(r).cells;
  const QDate d = QDate::fromString(qs(cells[0]), QStringLiteral("yyyy/MM/dd"));
  isd->setDate(d.isValid() ? d : ui::today());
  isno->setText(qs(cells[1]));
  // The panel always holds the balls in drawn order, whatever the grid shows.
  for (int i = 1; i <= 7; ++i) isn[i]->setText(qs(cells[1 + i]));
}

void TForm_rk_lotto_record::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TForm_rk_lotto_record::FormShow() {
  selectedCol_ = 1;
  editor_.fill(main_->table());
  editor_.select(0);
  setCountLabel(main_->table().count);
  showRows();
}

void TForm_rk_lotto_record::done(int r) {
  FormClose();
  QDialog::done(r);
}

void TForm_rk_lotto_record::FormClose() {
  SpeedButton4->setEnabled(true);
  // The full reload drops whatever was not saved.
  main_->FormShow();
}

void TForm_rk_lotto_record::sglSelectCell(int col, int row) {
  if (row < 1 || row > editor_.rowCount()) return;
  // The selection is stored first, so a change of the date picker while the
  // panel loads lands on the new row.
  selectedCol_ = col;
  editor_.select(row - 1);
  loadPanel();
}

void TForm_rk_lotto_record::isdChange() {
  const int r = editor_.selected();
  if (!editor_.setDate(ss(isd->date().toString(QStringLiteral("yyyy/MM/dd"))))) return;
  model_->rowChanged(r);
}

bool TForm_rk_lotto_record::eventFilter(QObject* watched, QEvent* e) {
  // A field is left when the focus moves to another control of this window;
  // switching to another window or opening a popup is not leaving it.
  const auto reason = e->type() == QEvent::FocusOut ? static_cast<QFocusEvent*>(e)->reason() : Qt::OtherFocusReason;
  if (e->type() == QEvent::FocusOut && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
    if (watched == isno) isnoExit();
    for (int i = 1; i <= 7; ++i)
      if (watched == isn[i]) isnExit(i);
  }
  return QDialog::eventFilter(watched, e);
}

void TForm_rk_lotto_record::isnoExit() {
  // The message box takes the focus, which would run the check again.
  if (checking_) return;
  const auto r = tovrin::checkDrawNumber(ss(isno->text()));
  if (r.message.empty()) return;
  checking_ = true;
  ui::message(this, ui::Icon::Error, qs(r.message), ui::Buttons::Yes);
  isno->clear();
  checking_ = false;
}

void TForm_rk_lotto_record::isnExit(int i) {
  if (checking_) return;
  checkBallField(i);
}

bool TForm_rk_lotto_record::checkBallField(int i) {
  const auto r = tovrin::checkBall(ss(isn[i]->text()), main_->settings().maxBall);
  if (r.message.empty()) {
    isn[i]->setText(qs(r.text));
    return true;
  }
  checking_ = true;
  ui::message(this, ui::Icon::Error, qs(r.message), ui::Buttons::Yes);
  isn[i]->clear();
  checking_ = false;
  return false;
}

void TForm_rk_lotto_record::SpeedButton5Click() {
  editor_.add(ss(ui::today().toString(QStringLiteral("yyyy/MM/dd"))));
  showRows();
}

void TForm_rk_lotto_record::SpeedButton7Click() {
  if (!editor_.remove()) return;
  showRows();
}

void TForm_rk_lotto_record::SpeedButton6Click() {
  if (checking_) return;
  if (editor_.selected() < 0) {
    ui::message(this, ui::Icon::Error, kSaveFailedData);
    return;
  }
  for (int i = 1; i <= 7; ++i) checkBallField(i);
  bool empty = isno->text().isEmpty();
  for (int i = 1; i <= 7; ++i) empty = empty || isn[i]->text().isEmpty();
  if (empty) {
    ui::message(this, ui::Icon::Error, kSaveFailedData);
    return;
  }
  std::array<std::string, 9> cells;
  cells[0] = ss(isd->date().toString(QStringLiteral("yyyy/MM/dd")));
  cells[1] = ss(isno->text());
  for (int i = 1; i <= 7; ++i) cells[1 + i] = ss(isn[i]->text());
  editor_.setEntry(cells);
  // A row that is not a whole draw line would end every later load at its
  // line and hide all older draws, so nothing is written until it is mended.
  const int bad = editor_.firstInvalidRow();
  if (bad >= 0) {
    editor_.select(bad);
    showRows();
    ui::message(this, ui::Icon::Error, kSaveFailedData);
    return;
  }
  editor_.sortRows(true);
  showRows();
  if (!SpeedButton8Click()) setCountLabel(editor_.rowCount());
}

bool TForm_rk_lotto_record::SpeedButton8Click() {
  if (ui::message(this, ui::Icon::Warning, QStringLiteral("儲存開獎資料到檔案?  請再一次確認!"),
                  ui::Buttons::YesNo) != ui::Answer::Yes)
    return false;
  const auto& s = main_->settings();
  const std::filesystem::path file = ui::workDir() / s.currentDrawFile;
  const std::string today = ss(ui::today().toString(QStringLiteral("yyyy/MM/dd")));
  bool ok = true;
  // The lines the load left out are written back after the rows, so a save
  // never loses a draw the grid did not show.
  tovrin::DrawFileSplit split;
  std::error_code ec;
  if (std::filesystem::exists(file, ec)) {
    const auto rd = tovrin::readRawLines(file);
    ok = rd.ok;
    if (ok) split = tovrin::splitDrawFile(rd.lines, today);
  }
  if (ok) ok = tovrin::writeTextLines(file, tovrin::fileLinesToWrite(editor_.rowLines(), split)).ok;
  if (!ok) {
    ui::message(this, ui::Icon::Error, QStringLiteral("請檢查檔案是否受損或唯讀設定"));
    ui::message(this, ui::Icon::Error, QStringLiteral("儲存失敗"));
    return false;
  }
  main_->reloadDraws();  // refills the grid through the reload listener
  return true;
}

void TForm_rk_lotto_record::SpeedButton3Click() {
  editor_.setSortedView(true);
  showRows(false);
}

void TForm_rk_lotto_record::SpeedButton12Click() {
  editor_.setSortedView(false);
  showRows(false);
}

void TForm_rk_lotto_record::SpeedButton2Click() {
  editor_.sortRows(false);
  showRows(false);
}

void TForm_rk_lotto_record::SpeedButton9Click() {
  editor_.sortRows(true);
  showRows(false);
}

void TForm_rk_lotto_record::SpeedButton1Click() {
  if (textDownload_) textDownload_();
}

void TForm_rk_lotto_record::SpeedButton4Click() {
  SpeedButton4->setEnabled(false);
  if (udpStart_) udpStart_();
  ui::message(this, ui::Icon::Warning, QStringLiteral("傳送資料中,請等候數秒鐘....."));
  main_->reloadDraws();
  editor_.select(0);
  selectedCol_ = 1;
  showRows();
}

void TForm_rk_lotto_record::SpeedButton10Click() { main_->show_memo(QStringLiteral("help_record.txt")); }

void TForm_rk_lotto_record::SpeedButton13Click() { main_->show_memo_rpt(ui::toQt(editor_.printLines())); }
