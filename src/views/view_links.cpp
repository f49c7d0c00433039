#include "views/view_links.h"

#include <QAction>
#include <QMenu>

#include "views/ball_map.h"

namespace views {

QMenu* addTracePopup(BallMapGrid* grid, const ViewLinks& links) {
  auto* menu = new QMenu(grid);
  menu->setObjectName("PopupMenu1");
  auto* n1 = menu->addAction(QStringLiteral("版路分析及拖牌結果"));
  n1->setObjectName("N1");
  QObject::connect(n1, &QAction::triggered, grid, [grid, open = links.openTrace] {
    if (open) open(grid->rowTexts(), "999999");
  });

  // N2 shows the command's caption and state and runs it when it can.
  auto* n2 = menu->addAction(QStringLiteral("版路定義"));
  n2->setObjectName("N2");
  n2->setEnabled(false);
  if (QAction* cmd = links.ruleDefine) {
    auto follow = [n2, cmd] {
      n2->setText(cmd->text());
      n2->setEnabled(cmd->isEnabled());
    };
    follow();
    QObject::connect(cmd, &QAction::changed, n2, follow);
    QObject::connect(n2, &QAction::triggered, cmd, &QAction::trigger);
  }

  auto* n3 = menu->addAction(QStringLiteral("操作說明"));
  n3->setObjectName("N3");

  grid->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(grid, &QWidget::customContextMenuRequested, menu,
                   [grid, menu](const QPoint& p) { menu->popup(grid->viewport()->mapToGlobal(p)); });
  return menu;
}

}  // namespace views
