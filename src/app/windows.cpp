#include "app/windows.h"

#include "history/Unit_RK_main.h"
#include "history/Unit_rk_help.h"
#include "history/Unit_rpt.h"

AppWindows createAppWindows() {
  AppWindows w;
  w.main = new TForm_rk_main;
  w.help = new TForm_rk_help(w.main);
  w.main->setHelpViewer(w.help);
  w.rpt = new Trpt(w.main);
  w.main->setMemoReport(w.rpt);
  return w;
}
