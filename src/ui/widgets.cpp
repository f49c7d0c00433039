#include "ui/widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

namespace ui {

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
  QLabel::mouseReleaseEvent(e);
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}

QPixmap gameLogo(bool bigLotto, int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor base = bigLotto ? QColor(200, 30, 40) : QColor(20, 110, 190);
  QRadialGradient g(QPointF(size * 0.35, size * 0.3), size * 0.7);
  g.setColorAt(0, base.lighter(170));
  g.setColorAt(1, base);
  p.setBrush(g);
  p.setPen(QPen(base.darker(150), 2));
  p.drawEllipse(QRectF(2, 2, size - 4, size - 4));
  p.setBrush(Qt::white);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(size * 0.22, size * 0.14, size * 0.56, size * 0.42));
  p.setPen(base.darker(130));
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(size / 5);
  p.setFont(f);
  p.drawText(QRectF(size * 0.22, size * 0.14, size * 0.56, size * 0.42), Qt::AlignCenter,
             bigLotto ? QStringLiteral("49") : QStringLiteral("M6"));
  p.setPen(Qt::white);
  f.setPixelSize(size / 6);
  p.setFont(f);
  p.drawText(QRectF(0, size * 0.58, size, size * 0.3), Qt::AlignCenter,
             bigLotto ? QStringLiteral("大樂透") : QStringLiteral("六合彩"));
  return pm;
}

}  // namespace ui
