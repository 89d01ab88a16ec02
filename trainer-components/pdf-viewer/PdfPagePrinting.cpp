#include "trainer-components/pdf-viewer/PdfPagePrinting.h"

#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>

namespace {

constexpr qreal PointsPerInch = 72.0;

// The page at the printer's resolution, shrunk to the printable area where it
// is larger, centred there.
QRect pageTarget(QSizeF pagePoints, const QPrinter &printer)
{
    const QRect area(0, 0, printer.width(), printer.height());
    QSizeF size = pagePoints * (printer.resolution() / PointsPerInch);
    if (size.width() > area.width() || size.height() > area.height())
        size.scale(area.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(), size.toSize());
    target.moveCenter(area.center());
    return target;
}

} // namespace

bool printAllPages(QPdfDocument &document, QPrinter &printer)
{
    if (document.pageCount() <= 0)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int page = 0; page < document.pageCount(); ++page) {
        if (page > 0 && !printer.newPage())
            return false;
        const QRect target = pageTarget(document.pagePointSize(page), printer);
        const QImage image = document.render(page, target.size());
        if (image.isNull())
            return false;
        painter.drawImage(target, image);
    }
    return painter.end();
}
