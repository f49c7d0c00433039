#pragma once
// The one path every window uses to save lines as a text or comma-separated
// file the user names: the save dialog, then an atomic CP950 / CR LF write.
#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace ui {

enum class SaveOutcome { Saved, Cancelled, Failed };

// Asks for a file name (`title`, default extension `ext`, filter in the
// "description|pattern" form) and writes the lines. A failed write shows an
// error with the reason and leaves any old file as it was.
SaveOutcome saveLinesAs(QWidget* parent, const QString& title, const std::vector<std::string>& lines,
                        const QString& ext, const QString& filter);

// The two filters the save buttons offer.
inline QString textFilter() { return QStringLiteral("文字檔案(*.txt)|*.txt"); }
inline QString csvFilter() { return QStringLiteral("Execel檔案(*.csv)|*.csv"); }

}  // namespace ui
