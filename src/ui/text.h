#pragma once
// Small conversions between the core's UTF-8 texts and Qt, and the line view
// of a memo (a trailing line break does not make another line).
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace ui {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

QStringList toQt(const std::vector<std::string>& lines);
std::vector<std::string> toStd(const QStringList& lines);

QStringList memoLines(const QPlainTextEdit* memo);
std::vector<std::string> memoStdLines(const QPlainTextEdit* memo);
void setMemoLines(QPlainTextEdit* memo, const QStringList& lines);
void setMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines);

}  // namespace ui
