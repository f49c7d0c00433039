#include "app/windows.h"

#include <QPointer>
#include <initializer_list>
#include <memory>

#include "acquisition/Unit_DLTXT_http.h"
#include "acquisition/Unit_dl_main.h"
#include "acquisition/Unit_kdp_data.h"
#include "acquisition/Unit_rk_FtpserverIP.h"
#include "core/acquisition/data_server.h"
#include "history/Unit_RK_main.h"
#include "history/Unit_rk_help.h"
#include "history/Unit_rk_lotto_record.h"
#include "history/Unit_rpt.h"
#include "pillars/Unit_tovrin.h"
#include "ui/platform.h"
#include "views/Unit_rk_76locate.h"
#include "views/Unit_rk_7_1.h"
#include "views/Unit_rk_7star2_ng.h"
#include "views/Unit_rk_circle_1.h"
#include "views/Unit_rk_circle_2.h"
#include "views/Unit_rk_nogood.h"
#include "views/Unit_rk_statistics.h"
#include "views/Unit_rk_sumno.h"
#include "views/rule_views.h"

namespace {

// The history server's host (and port), fixed when the program is built.
constexpr const char kHistoryServer[] = TOVRIN_HISTORY_SERVER;

// Binds commands to an analysis view that is made the first time one of them
// runs and kept afterwards (a child of the main window), shown modally.
template <class Form, class Make>
void bindView(TForm_rk_main* main, std::initializer_list<const char*> commands, Make make) {
  auto form = std::make_shared<QPointer<Form>>();
  auto open = [main, form, make] {
    if (!*form) *form = make(main);
    ui::execModal(*form);
  };
  for (const char* command : commands) main->bindCommand(command, open);
}

void bindAnalysisViews(TForm_rk_main* main) {
  bindView<TForm_rk_statistics>(main, {"statistics"}, [](TForm_rk_main* m) {
    return new TForm_rk_statistics(m->history(), [m](const QStringList& l) { m->show_memo_rpt(l); }, m);
  });
  views::bindRuleViews(main);
  bindView<TForm_rk_7_1>(main, {"PMX"}, [](TForm_rk_main* m) { return new TForm_rk_7_1(m); });
  bindView<TForm_rk_sumno>(main, {"hotgroup"}, [](TForm_rk_main* m) { return new TForm_rk_sumno(m); });
  bindView<TForm_rk_76locate>(main, {"map76"}, [](TForm_rk_main* m) { return new TForm_rk_76locate(m); });
  bindView<TForm_rk_circle_1>(main, {"N34"}, [](TForm_rk_main* m) { return new TForm_rk_circle_1(m); });
  bindView<TForm_rk_circle_2>(main, {"N35"}, [](TForm_rk_main* m) { return new TForm_rk_circle_2(m); });
  // Both tails commands open the same window.
  bindView<TForm_rk_nogood>(main, {"nogood", "NG_tail"},
                            [](TForm_rk_main* m) { return new TForm_rk_nogood(m->history(), m); });
  bindView<TForm_rk_7star2_ng>(main, {"group_ng"},
                               [](TForm_rk_main* m) { return new TForm_rk_7star2_ng(m->history(), m, m); });
}

}  // namespace

AppWindows createAppWindows() {
  AppWindows w;
  w.main = new TForm_rk_main;
  w.record = new TForm_rk_lotto_record(w.main);
  w.main->bindCommand("lotto_record", [r = w.record] { r->open(); });
  w.help = new TForm_rk_help(w.main);
  w.main->setHelpViewer(w.help);
  // DataServerAddress lives in the address window, made after the UDP peer.
  auto addressWindow = std::make_shared<QPointer<TForm_rk_FtpServerIP>>();
  auto dataServer = [addressWindow] {
    return *addressWindow ? (*addressWindow)->address() : std::string(tovrin::kDefaultDataServer);
  };
  w.dlMain = new TForm_dl_main(dataServer, w.main);
  w.record->setUdpStartHook([u = w.dlMain] { u->like_onshow(); });
  w.rpt = new Trpt(w.main);
  w.main->setMemoReport(w.rpt);
  w.ftpServerIp = new TForm_rk_FtpServerIP(w.main);
  *addressWindow = w.ftpServerIp;
  w.main->bindCommand("ftpip", [f = w.ftpServerIp] { ui::execModal(f); });
  w.dlTxt = new TForm_Download_TxT_from_http(w.main, dataServer, w.main);
  w.record->setTextDownloadHook([d = w.dlTxt] { ui::execModal(d); });
  w.tovrin = new TForm_tovrin(w.main->history(), w.main);
  w.tovrin->setGameLogo(w.main->currentLogo());
  w.main->setLogoListener([t = w.tovrin](const QPixmap& logo) { t->setGameLogo(logo); });
  w.main->bindCommand("tovrin", [t = w.tovrin] { ui::execModal(t); });
  w.kdpData = new TForm_KDP_data(kHistoryServer, w.main);
  w.main->bindCommand("lt_record", [d = w.kdpData] { ui::execModal(d); });
  bindAnalysisViews(w.main);
  return w;
}
