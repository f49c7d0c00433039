#include "app/windows.h"

#include "history/Unit_RK_main.h"
#include "history/Unit_rk_help.h"
#include "history/Unit_rpt.h"
#include "pillars/Unit_tovrin.h"
#include "ui/platform.h"
#include "views/Unit_rk_76locate.h"
#include "views/Unit_rk_7_1.h"
#include "views/Unit_rk_circle_1.h"
#include "views/Unit_rk_circle_2.h"
#include "views/Unit_rk_sumno.h"

AppWindows createAppWindows() {
  AppWindows w;
  w.main = new TForm_rk_main;
  w.help = new TForm_rk_help(w.main);
  w.main->setHelpViewer(w.help);
  w.rpt = new Trpt(w.main);
  w.main->setMemoReport(w.rpt);
  w.tovrin = new TForm_tovrin(w.main->history(), w.main);
  w.tovrin->setGameLogo(w.main->currentLogo());
  w.main->setLogoListener([t = w.tovrin](const QPixmap& logo) { t->setGameLogo(logo); });
  w.main->bindCommand("tovrin", [t = w.tovrin] { ui::execModal(t); });
  // PMX rule, occurrence groups, 7x7 map and cycle statistics: made on first use.
  const auto openView = [main = w.main]<class Form>(Form*) {
    auto* form = main->findChild<Form*>(QString(), Qt::FindDirectChildrenOnly);
    if (!form) form = new Form(main);
    ui::execModal(form);
  };
  w.main->bindCommand("PMX", [openView] { openView(static_cast<TForm_rk_7_1*>(nullptr)); });
  w.main->bindCommand("hotgroup", [openView] { openView(static_cast<TForm_rk_sumno*>(nullptr)); });
  w.main->bindCommand("map76", [openView] { openView(static_cast<TForm_rk_76locate*>(nullptr)); });
  w.main->bindCommand("N34", [openView] { openView(static_cast<TForm_rk_circle_1*>(nullptr)); });
  w.main->bindCommand("N35", [openView] { openView(static_cast<TForm_rk_circle_2*>(nullptr)); });
  return w;
}
