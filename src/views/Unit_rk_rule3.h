#pragma once
// The 4A rule map: a pattern of 4 picks on the ball map.
#include "views/rule_map_form.h"

class TForm_rk_rule3 : public RuleMapForm {
  Q_OBJECT
 public:
  explicit TForm_rk_rule3(const views::ViewLinks& links, QWidget* parent = nullptr)
      : RuleMapForm(4, "Form_rk_rule3", QStringLiteral("４Ａ版路"), "help_4a.txt", "SpeedButton6", links, parent) {}
};
