#include "trainer-components/pdf-viewer/PdfPagePrinting.h"

#include <QPainter>
#include <QPdfDocument>

#include <stdexcept>

namespace {

constexpr qreal PointsPerInch = 72.0;

// The page at the job's resolution, shrunk to the printable area where it is
// larger, centred there.
QRect pageTarget(QSizeF pagePoints, const Printing::PrintJob &job)
{
    const QRect area(0, 0, job.pageWidth(), job.pageHeight());
    QSizeF size = pagePoints * (job.resolution() / PointsPerInch);
    if (size.width() > area.width() || size.height() > area.height())
        size.scale(area.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(), size.toSize());
    target.moveCenter(area.center());
    return target;
}

} // namespace

void drawAllPages(QPdfDocument &document, Printing::PrintJob &job)
{
    for (int page = 0; page < document.pageCount(); ++page) {
        if (page > 0)
            job.newPage();
        const QRect target = pageTarget(document.pagePointSize(page), job);
        const QImage image = document.render(page, target.size());
        if (image.isNull())
            throw std::runtime_error("A page of the document cannot be rendered");
        job.painter().drawImage(target, image);
    }
}
