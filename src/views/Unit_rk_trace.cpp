#include "views/Unit_rk_trace.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/util/date.h"
#include "core/views/ball_map.h"
#include "ui/platform.h"
#include "ui/text.h"

TForm_rk_trace::TForm_rk_trace(QWidget* parent) : QDialog(parent) {
  setObjectName("Form_rk_trace");
  setWindowTitle(QStringLiteral("版路分析及拖牌結果"));
  resize(1100, 640);
  auto* v = new QVBoxLayout(this);
  sgtrace = new QTableWidget(this);
  sgtrace->setObjectName("sgtrace");
  sgtrace->setEditTriggers(QAbstractItemView::NoEditTriggers);
  sgtrace->verticalHeader()->setVisible(false);
  sgtrace->verticalHeader()->setDefaultSectionSize(20);
  sgtrace->setColumnCount(tovrin::TraceTable::kCols);
  QStringList headings = {QString::fromUtf8(tovrin::kMapDateHeading), QString::fromUtf8(tovrin::kMapNumberHeading)};
  for (int b = 1; b < tovrin::TraceTable::kCols - 1; ++b) headings << ui::qs(tovrin::format00(b));
  sgtrace->setHorizontalHeaderLabels(headings);
  sgtrace->setColumnWidth(0, 92);
  sgtrace->setColumnWidth(1, 64);
  for (int c = 2; c < tovrin::TraceTable::kCols; ++c) sgtrace->setColumnWidth(c, 24);
  v->addWidget(sgtrace);
  BitBtn1 = new QPushButton(QStringLiteral("關閉"), this);
  BitBtn1->setObjectName("BitBtn1");
  v->addWidget(BitBtn1, 0, Qt::AlignRight);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm_rk_trace::showTrace(const std::vector<std::vector<std::string>>& rows, const std::string& limit) {
  table_.copyFrom(rows, limit);
  const auto filled = table_.filledRows();
  sgtrace->setUpdatesEnabled(false);
  sgtrace->clearContents();
  sgtrace->setRowCount(static_cast<int>(filled.size()));
  for (int k = 0; k < static_cast<int>(filled.size()); ++k)
    for (int c = 0; c < tovrin::TraceTable::kCols; ++c) {
      const auto& text = table_.cell(filled[k], c);
      if (text.empty()) continue;
      auto* it = new QTableWidgetItem(ui::qs(text));
      if (c >= 2) it->setTextAlignment(Qt::AlignCenter);
      sgtrace->setItem(k, c, it);
    }
  sgtrace->setUpdatesEnabled(true);
  setWindowState(windowState() | Qt::WindowMaximized);
  ui::execModal(this);
}
