#include "trainer-components/web-host/PagePrinter.h"

#include "platform/printing/Printing.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <stdexcept>
#include <vector>

namespace PagePrinter {

namespace {

// The bands are drawn in dots of this resolution.
constexpr int BandDpi = 1200;
constexpr double BandInsetMillimetres = 6.35;
constexpr double HeaderFontPoints = 9;

double dotsOf(double millimetres) { return millimetres * BandDpi / 25.4; }

void drawLine(QPainter &painter, const QRectF &band, const HeaderFooterLine &line)
{
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, line.left);
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, line.centre);
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, line.right);
}

void drawBands(QPainter &painter, const QSizeF &paper, const Job &job, const PrintedPageFacts &facts)
{
    const double margin = dotsOf(MarginMillimetres);
    const double inset = dotsOf(BandInsetMillimetres);
    const double width = paper.width() - 2 * margin;
    const double height = margin - inset;
    drawLine(painter, QRectF(margin, inset, width, height / 2), expandTemplate(job.header, facts));
    drawLine(painter, QRectF(margin, paper.height() - inset - height / 2, width, height / 2),
             expandTemplate(job.footer, facts));
}

QPageSize pageSizeOf(QPDFPageObjectHelper &page)
{
    const QPDFObjectHandle::Rectangle box = page.getMediaBox().getArrayAsRectangle();
    return QPageSize(QSizeF(box.urx - box.llx, box.ury - box.lly), QPageSize::Point);
}

// One page of header and footer for each of the engine's pages, of its size.
QByteArray bandPages(std::vector<QPDFPageObjectHelper> &pages, const Job &job)
{
    QByteArray pdf;
    QBuffer out(&pdf);
    out.open(QIODevice::WriteOnly);
    QPdfWriter writer(&out);
    writer.setResolution(BandDpi);
    writer.setPageLayout(QPageLayout(pageSizeOf(pages.front()), QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer))
        throw std::runtime_error("the header and footer cannot be drawn");
    painter.setFont(QFont(QStringLiteral("Liberation Serif"), HeaderFontPoints));
    PrintedPageFacts facts = job.facts;
    facts.pages = int(pages.size());
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) {
            writer.setPageSize(pageSizeOf(pages[page]));
            writer.newPage();
        }
        facts.page = int(page) + 1;
        drawBands(painter, QSizeF(writer.width(), writer.height()), job, facts);
    }
    painter.end();
    return pdf;
}

// Lays each band page over its page as a form, the page's own content kept
// apart in its own graphics state.
void layOver(QPDF &document, std::vector<QPDFPageObjectHelper> &pages, std::vector<QPDFPageObjectHelper> &bands)
{
    for (std::size_t i = 0; i < pages.size(); ++i) {
        QPDFPageObjectHelper &page = pages[i];
        QPDFObjectHandle form = document.copyForeignObject(bands[i].getFormXObjectForPage());
        QPDFObjectHandle resources = page.getAttribute("/Resources", true);
        resources = resources.isDictionary() ? resources.shallowCopy() : QPDFObjectHandle::newDictionary();
        QPDFObjectHandle forms = resources.getKey("/XObject");
        forms = forms.isDictionary() ? forms.shallowCopy() : QPDFObjectHandle::newDictionary();
        int suffix = 0;
        const std::string name = resources.getUniqueResourceName("/Fx", suffix);
        forms.replaceKey(name, form);
        resources.replaceKey("/XObject", forms);
        page.getObjectHandle().replaceKey("/Resources", resources);
        const std::string placed =
            page.placeFormXObject(form, name, page.getMediaBox().getArrayAsRectangle(), true, true, true);
        page.addPageContents(QPDFObjectHandle::newStream(&document, "q\n"), true);
        page.addPageContents(QPDFObjectHandle::newStream(&document, "\nQ\n" + placed + "\n"), false);
    }
}

} // namespace

Result<QByteArray> withHeaderAndFooter(const Job &job)
{
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("page", job.pdf.constData(), std::size_t(job.pdf.size()));
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
        if (pages.empty())
            return Failure{QStringLiteral("Prohlížeč stránku pro tisk nepřipravil.")};
        const QByteArray bandPdf = bandPages(pages, job);
        QPDF bandDocument;
        bandDocument.setSuppressWarnings(true);
        bandDocument.processMemoryFile("bands", bandPdf.constData(), std::size_t(bandPdf.size()));
        std::vector<QPDFPageObjectHelper> bands = QPDFPageDocumentHelper(bandDocument).getAllPages();
        if (bands.size() != pages.size())
            throw std::runtime_error("the header and footer pages do not match the page");
        layOver(document, pages, bands);
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.setObjectStreamMode(qpdf_o_generate);
        writer.write();
        const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char *>(written->getBuffer()), qsizetype(written->getSize()));
    } catch (const std::exception &failure) {
        return Failure{QStringLiteral("Prohlížeč stránku pro tisk nepřipravil: ") + QString::fromUtf8(failure.what())};
    }
}

Result<> print(const Job &job)
{
    const Result<QByteArray> pdf = withHeaderAndFooter(job);
    if (!pdf)
        return Failure{pdf.error()};
    const std::unique_ptr<QPrinter> printer = Printing::makePrinter();
    if (const Result<> printed = Printing::printPdf(*printer, *pdf, job.facts.title); !printed)
        return Failure{QStringLiteral("Stránku nelze vytisknout: ") + printed.error()};
    return {};
}

} // namespace PagePrinter
