#pragma once
// Small widgets the windows share.
#include <QLabel>
#include <QPixmap>

namespace ui {

// A label that reports clicks (the file-name and manual-input labels).
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;
};

// The game's logo, drawn here: a coloured ball with the game's name.
QPixmap gameLogo(bool bigLotto, int size = 96);

}  // namespace ui
