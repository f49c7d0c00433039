#pragma once
// The help viewer: shows one help text file, read-only.
#include <QDialog>
#include <filesystem>

class QPlainTextEdit;
class QPushButton;

class TForm_rk_help : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_rk_help(QWidget* parent = nullptr);
  // Loads the file into the memo and shows the window modally.
  void showFile(const std::filesystem::path& file);

 private:
  QPlainTextEdit* mm = nullptr;
  QPushButton* closeButton = nullptr;
};
