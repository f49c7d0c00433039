#include "app/windows.h"

#include <memory>

#include "history/Unit_RK_main.h"
#include "history/Unit_rk_help.h"
#include "history/Unit_rpt.h"
#include "pillars/Unit_tovrin.h"
#include "ui/platform.h"
#include "views/Unit_rk_7star2_ng.h"
#include "views/Unit_rk_nogood.h"

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
  // Non-appearing tails and groups: created on first use, kept afterwards;
  // both tails commands open the same window.
  {
    auto* main = w.main;
    auto tails = std::make_shared<TForm_rk_nogood*>(nullptr);
    auto openTails = [main, tails] {
      if (!*tails) *tails = new TForm_rk_nogood(main->history(), main);
      ui::execModal(*tails);
    };
    main->bindCommand("nogood", openTails);
    main->bindCommand("NG_tail", openTails);
    auto groupsForm = std::make_shared<TForm_rk_7star2_ng*>(nullptr);
    main->bindCommand("group_ng", [main, groupsForm] {
      if (!*groupsForm) *groupsForm = new TForm_rk_7star2_ng(main->history(), main, main);
      ui::execModal(*groupsForm);
    });
  }
  return w;
}
