#pragma once
// The manual entry window: the whole current draw file as editable text,
// written back on 儲存 and followed by a full reload. A file that cannot be
// read is never opened (saving an empty memo would wipe it), and a save that
// fails keeps the window open with the typed text.
#include <QDialog>
#include <functional>

#include "core/history/draw_table.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TForm_RK_stk_txtfile : public QDialog {
  Q_OBJECT
 public:
  // `reload` is the main window's full reload; it returns what was loaded.
  TForm_RK_stk_txtfile(tovrin::DrawHistory& history, std::function<tovrin::LoadResult()> reload,
                       QWidget* parent = nullptr);

  // Sets the texts for the current game, loads the draw file and shows the
  // window modally; false (after an error message) when the file cannot be read.
  bool open(const QPixmap& logo);
  void Button1Click();

 private:
  tovrin::DrawHistory& history_;
  std::function<tovrin::LoadResult()> reload_;
  QLabel* Label1 = nullptr;
  QLabel* Image1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button1 = nullptr;
};
