#pragma once
// The main window: owns the game settings and the DrawTable, shows the newest
// draw, switches the game, holds the command list and offers the reload, the
// help viewer and the memo print preview to the other windows.
#include <QMainWindow>
#include <QMap>
#include <functional>
#include <vector>

#include "core/history/draw_table.h"

class QAction;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QToolButton;
class TForm_rk_help;
class Trpt;
class TForm_RK_stk_txtfile;
namespace ui {
class ClickLabel;
}

class TForm_rk_main : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm_rk_main(QWidget* parent = nullptr);
  ~TForm_rk_main() override;

  tovrin::DrawHistory& history() { return history_; }
  const tovrin::DrawTable& table() const { return history_.table; }
  const tovrin::GameSettings& settings() const { return history_.settings; }
  QPixmap currentLogo() const;

  // Long-lived windows created at start-up after this one.
  void setHelpViewer(TForm_rk_help* help) { help_ = help; }
  void setMemoReport(Trpt* rpt) { rpt_ = rpt; }

  // The command of the command list with this name (`lt_record`, `tovrin`, …).
  QAction* command(const QString& name) const;
  // Binds a command to its handler and enables it.
  void bindCommand(const QString& name, std::function<void()> handler);

  // The show handler: the full reload of the current game's history. Shows
  // what was loaded (and what was left out) in the status line.
  tovrin::LoadResult FormShow();
  // Reloads the draws after another window wrote the draw file (no column
  // clearing, no group file): the latest draw and the status line follow.
  tovrin::LoadResult reloadDraws();
  // Runs after every reload, full or not (the draw editor refills its grid).
  void addReloadListener(std::function<void()> f) { reloadListeners_.push_back(std::move(f)); }
  void show_memo(const QString& fileName);
  void show_memo_rpt(const QPlainTextEdit* memo);
  void show_memo_rpt(const QStringList& lines);

  // Game switch, shared by both radio buttons.
  void rb_biglottoClick();
  void Label4Click();

  // Called whenever the game logo changes (the analyzer window shows it too).
  void setLogoListener(std::function<void(const QPixmap&)> f) { logoListener_ = std::move(f); }

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void buildUi();
  void buildCommands();
  void applyGameLook();
  void refreshLatestDraw();

  tovrin::DrawHistory history_;
  bool shownOnce_ = false;
  QMap<QString, QAction*> commands_;
  QMap<QString, std::function<void()>> handlers_;
  std::function<void(const QPixmap&)> logoListener_;
  std::vector<std::function<void()>> reloadListeners_;

  TForm_rk_help* help_ = nullptr;
  Trpt* rpt_ = nullptr;
  TForm_RK_stk_txtfile* manualEntry_ = nullptr;

  QFrame* Panel5 = nullptr;
  QFrame* Panel3 = nullptr;
  QFrame* Panel4 = nullptr;
  QLabel* Image_8e = nullptr;
  QLabel* Image_m6 = nullptr;
  QLabel* Image1 = nullptr;
  QRadioButton* rb_biglotto = nullptr;
  QRadioButton* rb_mark6 = nullptr;
  QLabel* lb_data = nullptr;
  QLabel* lb_data1 = nullptr;
  QLabel* lb_data2 = nullptr;
  QLabel* lb_loadStatus = nullptr;  // status bar: draws loaded, lines left out
  ui::ClickLabel* Label4 = nullptr;
  ui::ClickLabel* Label5 = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton19 = nullptr;
  QToolButton* SpeedButton20 = nullptr;
};
