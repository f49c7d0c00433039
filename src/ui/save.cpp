#include "ui/save.h"

#include <filesystem>

#include "core/text/textfile.h"
#include "ui/platform.h"
#include "ui/text.h"

namespace ui {

SaveOutcome saveLinesAs(QWidget* parent, const QString& title, const std::vector<std::string>& lines,
                        const QString& ext, const QString& filter) {
  const auto file = platform().saveDialog->getSaveFileName(parent, title, ext, filter);
  if (!file) return SaveOutcome::Cancelled;
  const auto r = tovrin::writeTextLines(std::filesystem::path(ss(*file)), lines);
  if (!r.ok) {
    message(parent, Icon::Error, qs(r.error));
    return SaveOutcome::Failed;
  }
  return SaveOutcome::Saved;
}

}  // namespace ui
