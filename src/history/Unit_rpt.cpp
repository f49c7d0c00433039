#include "history/Unit_rpt.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include "ui/platform.h"
#include "ui/widgets.h"

Trpt::Trpt(QObject* parent) : QObject(parent) { setObjectName("rpt"); }

void Trpt::preview(QWidget* parent, const QStringList& lines) {
  qr_ = lines;
  ui::platform().printPreview->preview(parent, qr_, [this](QPrinter* p) { paint(p); });
}

int Trpt::paint(QPrinter* printer) const {
  printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 3),
                                     QPageLayout::Millimeter));
  QPainter p;
  if (!p.begin(printer)) return 0;
  const QRect page = printer->pageLayout().paintRectPixels(printer->resolution());
  const int w = page.width(), h = page.height();
  const double mm = printer->resolution() / 25.4;

  QFont small("Noto Sans CJK TC");
  small.setPointSize(9);
  QFont title = small;
  title.setPointSize(18);
  title.setBold(true);
  QFont body("Noto Sans Mono CJK TC");
  body.setStyleHint(QFont::TypeWriter);
  body.setPointSize(10);

  const QString printed = QStringLiteral("列印時間 ") + ui::now().toString("yyyy/MM/dd hh:mm:ss");
  const QPixmap logo = ui::gameLogo(true, static_cast<int>(14 * mm));
  const int headerH = static_cast<int>(24 * mm);
  const int footerH = static_cast<int>(8 * mm);
  const int lineH = QFontMetrics(body, printer).lineSpacing();
  const int perPage = std::max(1, (h - headerH - footerH) / lineH);
  const int pages = std::max<int>(1, (static_cast<int>(qr_.size()) + perPage - 1) / perPage);

  for (int pg = 0; pg < pages; ++pg) {
    if (pg > 0) printer->newPage();
    p.setFont(small);
    p.drawText(QRect(0, 0, w / 2, static_cast<int>(6 * mm)), Qt::AlignLeft | Qt::AlignVCenter, printed);
    p.drawText(QRect(w / 2, 0, w / 2 - logo.width() - static_cast<int>(2 * mm), static_cast<int>(6 * mm)),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("頁次 %1").arg(pg + 1));
    p.drawPixmap(w - logo.width(), 0, logo);
    p.setFont(title);
    p.drawText(QRect(0, static_cast<int>(6 * mm), w, static_cast<int>(12 * mm)), Qt::AlignCenter,
               QStringLiteral("Tovrin 資料列印"));
    p.drawLine(0, headerH - static_cast<int>(2 * mm), w, headerH - static_cast<int>(2 * mm));
    p.setFont(body);
    int y = headerH;
    for (int i = pg * perPage; i < std::min<int>(qr_.size(), (pg + 1) * perPage); ++i, y += lineH)
      p.drawText(QRect(0, y, w, lineH), Qt::AlignLeft | Qt::AlignVCenter, qr_[i]);
    p.setFont(small);
    p.drawLine(0, h - footerH, w, h - footerH);
    p.drawText(QRect(0, h - footerH, w, footerH), Qt::AlignCenter,
               QStringLiteral("Tovrin 樂透立柱分析 ── 僅供參考，請理性投注"));
  }
  p.end();
  return pages;
}
