#include "app/windows.h"

#include "history/Unit_RK_main.h"
#include "history/Unit_rk_help.h"
#include "history/Unit_rk_lotto_record.h"
#include "history/Unit_rpt.h"
#include "pillars/Unit_tovrin.h"
#include "ui/platform.h"

AppWindows createAppWindows() {
  AppWindows w;
  w.main = new TForm_rk_main;
  w.record = new TForm_rk_lotto_record(w.main);
  w.main->bindCommand("lotto_record", [r = w.record] { r->open(); });
  w.help = new TForm_rk_help(w.main);
  w.main->setHelpViewer(w.help);
  w.rpt = new Trpt(w.main);
  w.main->setMemoReport(w.rpt);
  w.tovrin = new TForm_tovrin(w.main->history(), w.main);
  w.tovrin->setGameLogo(w.main->currentLogo());
  w.main->setLogoListener([t = w.tovrin](const QPixmap& logo) { t->setGameLogo(logo); });
  w.main->bindCommand("tovrin", [t = w.tovrin] { ui::execModal(t); });
  return w;
}
