#pragma once
// The memo report: one A4 portrait layout that prints the lines of a memo,
// with a preview from which the user prints.
#include <QObject>
#include <QStringList>

class QPrinter;
class QWidget;

class Trpt : public QObject {
  Q_OBJECT
 public:
  explicit Trpt(QObject* parent = nullptr);

  // Copies the lines into the report and opens its preview.
  void preview(QWidget* parent, const QStringList& lines);
  // Draws the report onto a printer (pages as needed); returns the page count.
  int paint(QPrinter* printer) const;

  const QStringList& qr() const { return qr_; }

 private:
  QStringList qr_;
};
