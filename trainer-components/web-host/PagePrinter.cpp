#include "trainer-components/web-host/PagePrinter.h"

#include "platform/printing/DefaultPrinter.h"

#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QTemporaryFile>

namespace PagePrinter {

namespace {

// Pictures of the pages at this resolution: sharp on paper, and a long list
// still prints in seconds.
constexpr int PictureDpi = 200;
constexpr double BandInsetMillimetres = 6.35;
constexpr double HeaderFontPoints = 9;

double dotsOf(double millimetres, int dpi) { return millimetres * dpi / 25.4; }

void drawLine(QPainter &painter, const QRectF &band, const HeaderFooterLine &line)
{
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, line.left);
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, line.centre);
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, line.right);
}

void drawBands(QPainter &painter, const QRectF &paper, int dpi, const Job &job,
               const PrintedPageFacts &facts)
{
    const double margin = dotsOf(MarginMillimetres, dpi);
    const double inset = dotsOf(BandInsetMillimetres, dpi);
    const double width = paper.width() - 2 * margin;
    const double height = margin - inset;
    drawLine(painter, QRectF(margin, inset, width, height / 2), expandTemplate(job.header, facts));
    drawLine(painter, QRectF(margin, paper.height() - inset - height / 2, width, height / 2),
             expandTemplate(job.footer, facts));
}

} // namespace

Result print(const Job &job)
{
    QTemporaryFile pdfFile;
    if (!pdfFile.open() || pdfFile.write(job.pdf) != job.pdf.size() || !pdfFile.flush())
        return {0, QStringLiteral("Tiskový výstup stránky nelze uložit do dočasné složky.")};
    QPdfDocument document;
    if (document.load(pdfFile.fileName()) != QPdfDocument::Error::None || document.pageCount() == 0)
        return {0, QStringLiteral("Prohlížeč stránku pro tisk nepřipravil.")};

    DefaultPrinter::Opened opened = DefaultPrinter::open(job.facts.title);
    if (!opened.printer)
        return {0, opened.error};
    QPrinter &printer = *opened.printer;
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&printer))
        return {0, QStringLiteral("Tiskárna %1 tiskovou úlohu nepřijala.").arg(printer.printerName())};
    painter.setFont(QFont(QStringLiteral("Liberation Serif"), HeaderFontPoints));
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const int dpi = printer.resolution();
    PrintedPageFacts facts = job.facts;
    facts.pages = document.pageCount();
    for (int page = 0; page < facts.pages; ++page) {
        if (page > 0 && !printer.newPage())
            return {page, QStringLiteral("Tiskárna %1 nepřijala další stránku.").arg(printer.printerName())};
        const QSizeF points = document.pagePointSize(page);
        const QImage picture = document.render(
            page, QSize(qRound(points.width() * PictureDpi / 72), qRound(points.height() * PictureDpi / 72)));
        painter.drawImage(paper, picture);
        facts.page = page + 1;
        drawBands(painter, paper, dpi, job, facts);
    }
    if (!painter.end())
        return {facts.pages, QStringLiteral("Tisk na tiskárně %1 se nezdařil.").arg(printer.printerName())};
    return {facts.pages, {}};
}

} // namespace PagePrinter
