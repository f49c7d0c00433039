#include "views/rule_views.h"

#include <QAction>
#include <QPointer>
#include <memory>

#include "history/Unit_RK_main.h"
#include "ui/platform.h"
#include "views/Unit_rk_rule1.h"
#include "views/Unit_rk_rule2.h"
#include "views/Unit_rk_rule3.h"
#include "views/Unit_rk_rule_7.h"
#include "views/Unit_rk_strange.h"
#include "views/Unit_rk_trace.h"

namespace views {

namespace {

template <class Form>
void bindView(TForm_rk_main* main, const char* command, const ViewLinks& links) {
  // The handler is copied when it runs, so the window lives in a shared slot.
  auto slot = std::make_shared<QPointer<Form>>();
  main->bindCommand(command, [main, links, slot] {
    if (!*slot) *slot = new Form(links, main);
    Form* form = *slot;
    form->setWindowState(form->windowState() | Qt::WindowMaximized);
    ui::execModal(form);
  });
}

}  // namespace

void bindRuleViews(TForm_rk_main* main) {
  ViewLinks links;
  links.history = &main->history();
  links.showHelp = [main](const QString& file) { main->show_memo(file); };
  auto trace = std::make_shared<QPointer<TForm_rk_trace>>();
  links.openTrace = [main, trace](const std::vector<std::vector<std::string>>& rows, const std::string& limit) {
    if (!*trace) *trace = new TForm_rk_trace(main);
    (*trace)->showTrace(rows, limit);
  };
  links.ruleDefine = main->command("rule_define");
  bindView<TForm_rk_rule1>(main, "Rule_2A", links);
  bindView<TForm_rk_rule2>(main, "Rule_3A", links);
  bindView<TForm_rk_rule3>(main, "Rule_4A", links);
  bindView<TForm_rk_strange>(main, "strange", links);
  bindView<TForm_rk_rule_7>(main, "Rule_total", links);
}

}  // namespace views
