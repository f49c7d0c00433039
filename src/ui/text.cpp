#include "ui/text.h"

namespace ui {

QStringList toQt(const std::vector<std::string>& lines) {
  QStringList out;
  out.reserve(static_cast<int>(lines.size()));
  for (const auto& l : lines) out << QString::fromStdString(l);
  return out;
}

std::vector<std::string> toStd(const QStringList& lines) {
  std::vector<std::string> out;
  out.reserve(lines.size());
  for (const auto& l : lines) out.push_back(l.toStdString());
  return out;
}

QStringList memoLines(const QPlainTextEdit* memo) {
  QString text = memo->toPlainText();
  if (text.isEmpty()) return {};
  QStringList lines = text.split('\n');
  if (lines.last().isEmpty()) lines.removeLast();
  return lines;
}

std::vector<std::string> memoStdLines(const QPlainTextEdit* memo) { return toStd(memoLines(memo)); }

// Every line ends with a line break, as a memo's text does, so that an empty
// last line survives the round trip through memoLines.
void setMemoLines(QPlainTextEdit* memo, const QStringList& lines) {
  QString text;
  for (const auto& l : lines) text += l + '\n';
  memo->setPlainText(text);
}

void setMemoLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) { setMemoLines(memo, toQt(lines)); }

}  // namespace ui
