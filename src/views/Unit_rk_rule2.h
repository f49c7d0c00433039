#pragma once
// The 3A rule map: a pattern of 3 picks on the ball map.
#include "views/rule_map_form.h"

class TForm_rk_rule2 : public RuleMapForm {
  Q_OBJECT
 public:
  explicit TForm_rk_rule2(const views::ViewLinks& links, QWidget* parent = nullptr)
      : RuleMapForm(3, "Form_rk_rule2", QStringLiteral("３Ａ版路"), "help_3a.txt", "SpeedButton5", links, parent) {}
};
