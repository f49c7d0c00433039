#pragma once
// The 2A rule map: a pattern of 2 picks on the ball map.
#include "views/rule_map_form.h"

class TForm_rk_rule1 : public RuleMapForm {
  Q_OBJECT
 public:
  explicit TForm_rk_rule1(const views::ViewLinks& links, QWidget* parent = nullptr)
      : RuleMapForm(2, "Form_rk_rule1", QStringLiteral("２Ａ版路"), "help_2a.txt", "SpeedButton5", links, parent) {}
};
