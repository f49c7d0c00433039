#include "app/windows.h"

#include "acquisition/Unit_kdp_data.h"
#include "history/Unit_RK_main.h"
#include "history/Unit_rk_help.h"
#include "history/Unit_rpt.h"
#include "pillars/Unit_tovrin.h"
#include "ui/platform.h"
#include "views/Unit_rk_statistics.h"
#include "views/rule_views.h"
#include "views/Unit_rk_76locate.h"
#include "views/Unit_rk_7_1.h"
#include "views/Unit_rk_circle_1.h"
#include "views/Unit_rk_circle_2.h"
#include "views/Unit_rk_sumno.h"

namespace {

// The history server's host (and port), fixed when the program is built.
constexpr const char kHistoryServer[] = TOVRIN_HISTORY_SERVER;

}  // namespace

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
  w.kdpData = new TForm_KDP_data(kHistoryServer, w.main);
  w.main->bindCommand("lt_record", [d = w.kdpData] { ui::execModal(d); });
  // Created on first use and kept as a child of the main window.
  w.main->bindCommand("statistics", [m = w.main] {
    auto* view = m->findChild<TForm_rk_statistics*>("Form_rk_statistics", Qt::FindDirectChildrenOnly);
    if (!view) view = new TForm_rk_statistics(m->history(), [m](const QStringList& l) { m->show_memo_rpt(l); }, m);
    ui::execModal(view);
  });
  views::bindRuleViews(w.main);
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
