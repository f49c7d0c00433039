#pragma once
// What the rule map, strange-draw and total windows reach outside themselves:
// the history, the help viewer, the trace window and the pattern-definition
// command. Filled in when the windows are bound to their commands.
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "core/history/draw_table.h"

class QAction;
class QMenu;

namespace views {

class BallMapGrid;

struct ViewLinks {
  tovrin::DrawHistory* history = nullptr;
  std::function<void(const QString& fileName)> showHelp;
  // Copies the grid rows (those under the headings) into the trace table with
  // the limit, then shows the trace window.
  std::function<void(const std::vector<std::vector<std::string>>& rows, const std::string& limit)> openTrace;
  QAction* ruleDefine = nullptr;  // the main window's `rule_define` command
};

// The pop-up menu `PopupMenu1` of a result map: `N1` "版路分析及拖牌結果"
// hands the map to the trace window, `N2` follows the `rule_define` command,
// `N3` "操作說明" has no action.
QMenu* addTracePopup(BallMapGrid* grid, const ViewLinks& links);

}  // namespace views
