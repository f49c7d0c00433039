#pragma once
// Binds the rule map, strange-draw and total commands of the main window
// (`Rule_2A`, `Rule_3A`, `Rule_4A`, `strange`, `Rule_total`). Each window is
// created the first time its command runs, kept, and shown modally and
// maximized; they share one trace window.
class TForm_rk_main;

namespace views {

void bindRuleViews(TForm_rk_main* main);

}  // namespace views
