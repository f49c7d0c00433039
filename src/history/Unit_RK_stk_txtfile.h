#pragma once
// The manual entry window: the whole current draw file as editable text,
// written back on 儲存 and followed by a full reload.
#include <QDialog>
#include <functional>

#include "core/history/draw_table.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TForm_RK_stk_txtfile : public QDialog {
  Q_OBJECT
 public:
  TForm_RK_stk_txtfile(tovrin::DrawHistory& history, std::function<void()> reload, QWidget* parent = nullptr);

  // Sets the texts for the current game, loads the draw file and shows the
  // window modally.
  void open(const QPixmap& logo);
  void Button1Click();

 private:
  tovrin::DrawHistory& history_;
  std::function<void()> reload_;
  QLabel* Label1 = nullptr;
  QLabel* Image1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button1 = nullptr;
};
