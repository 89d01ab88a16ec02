#include "trainer-components/web-host/PagePrinter.h"

#include "platform/printing/Printing.h"

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

void drawPages(Printing::PrintJob &out, QPdfDocument &document, const Job &job, PrintedPageFacts &facts)
{
    QPainter &painter = out.painter();
    painter.setFont(QFont(QStringLiteral("Liberation Serif"), HeaderFontPoints));
    const QRectF paper(0, 0, out.pageWidth(), out.pageHeight());
    for (int page = 0; page < facts.pages; ++page) {
        if (page > 0)
            out.newPage();
        const QSizeF points = document.pagePointSize(page);
        const QImage picture = document.render(
            page, QSize(qRound(points.width() * PictureDpi / 72), qRound(points.height() * PictureDpi / 72)));
        painter.drawImage(paper, picture);
        facts.page = page + 1;
        drawBands(painter, paper, out.resolution(), job, facts);
    }
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

    const std::unique_ptr<QPrinter> printer = Printing::makePrinter(Printing::Resolution::PrinterOwn);
    printer->setFullPage(true);
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    PrintedPageFacts facts = job.facts;
    facts.pages = document.pageCount();
    const std::optional<QString> error = Printing::print(*printer, job.facts.title, [&](Printing::PrintJob &out) {
        drawPages(out, document, job, facts);
    });
    if (error)
        return {0, QStringLiteral("Stránku nelze vytisknout: ") + *error};
    return {facts.pages, {}};
}

} // namespace PagePrinter
