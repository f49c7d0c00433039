#include "history/Unit_rk_help.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text/textfile.h"
#include "ui/platform.h"
#include "ui/text.h"

TForm_rk_help::TForm_rk_help(QWidget* parent) : QDialog(parent) {
  setObjectName("Form_rk_help");
  setWindowTitle(QStringLiteral("操作說明"));
  resize(640, 520);
  auto* v = new QVBoxLayout(this);
  mm = new QPlainTextEdit(this);
  mm->setObjectName("mm");
  mm->setReadOnly(true);
  mm->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  v->addWidget(mm);
  closeButton = new QPushButton(QStringLiteral("關閉"), this);
  closeButton->setObjectName("BitBtn1");
  v->addWidget(closeButton, 0, Qt::AlignRight);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm_rk_help::showFile(const std::filesystem::path& file) {
  mm->clear();
  const auto r = tovrin::readTextLines(file);
  ui::setMemoLines(mm, r.lines);
  ui::execModal(this);
}
