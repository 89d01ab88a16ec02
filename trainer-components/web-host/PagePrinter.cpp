#include "trainer-components/web-host/PagePrinter.h"

#include "platform/printing/Printing.h"
#include "trainer-components/messages/ComponentMessages.h"

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

#include <array>
#include <exception>
#include <map>
#include <string>
#include <vector>

namespace PagePrinter {

namespace {

// The bands are drawn in dots of this resolution.
constexpr int BandDpi = 1200;
constexpr double BandInsetMillimetres = 6.35;
constexpr double HeaderFontPoints = 9;

double dotsOf(double millimetres) { return millimetres * BandDpi / 25.4; }

// The header's left, centre and right text, then the footer's.
using Texts = std::array<QString, 6>;
using Chosen = std::array<bool, 6>;

Texts textsOf(const Job &job, PrintedPageFacts facts, int page)
{
    facts.page = page;
    const HeaderFooterLine header = expandTemplate(job.header, facts);
    const HeaderFooterLine footer = expandTemplate(job.footer, facts);
    return {header.left, header.centre, header.right, footer.left, footer.centre, footer.right};
}

bool drawsAny(const Texts &texts, const Chosen &chosen)
{
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (chosen[i] && !texts[i].isEmpty())
            return true;
    }
    return false;
}

void drawTexts(QPainter &painter, const QSizeF &paper, const Texts &texts, const Chosen &chosen)
{
    const double margin = dotsOf(MarginMillimetres);
    const double inset = dotsOf(BandInsetMillimetres);
    const double width = paper.width() - 2 * margin;
    const double height = margin - inset;
    const QRectF bands[] = {QRectF(margin, inset, width, height / 2),
                            QRectF(margin, paper.height() - inset - height / 2, width, height / 2)};
    constexpr Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (chosen[i] && !texts[i].isEmpty())
            painter.drawText(bands[i / 3], alignments[i % 3] | Qt::AlignVCenter, texts[i]);
    }
}

QPageSize pageSizeOf(QPDFPageObjectHelper &page)
{
    const QPDFObjectHandle::Rectangle box = page.getMediaBox().getArrayAsRectangle();
    return QPageSize(QSizeF(box.urx - box.llx, box.ury - box.lly), QPageSize::Point);
}

Failure notPrepared(const QString &reason)
{
    return Failure{ComponentMessages::pageNotPrepared(reason)};
}

// The header and footer as PDF pages. The texts that are the same on every
// page stand once on the first band page, which serves every page of the
// first page's size; a page's own texts (its number) stand on a band page of
// its own. Drawn once, a text is stored once.
struct BandPages
{
    QByteArray pdf;
    std::vector<bool> shared; // whether the first band page goes on the page
    std::vector<int> own;     // the band page of the page's own texts, or -1
    int count = 0;
};

Result<BandPages> bandPages(std::vector<QPDFPageObjectHelper> &pages, const Job &job)
{
    PrintedPageFacts facts = job.facts;
    facts.pages = int(pages.size());
    const Texts first = textsOf(job, facts, 1);
    const Texts second = textsOf(job, facts, 2);
    Chosen same{};
    Chosen varying{};
    for (std::size_t i = 0; i < first.size(); ++i) {
        same[i] = first[i] == second[i];
        varying[i] = !same[i];
    }
    const Chosen all{true, true, true, true, true, true};
    const QPageSize firstSize = pageSizeOf(pages.front());

    BandPages bands;
    QBuffer out(&bands.pdf);
    out.open(QIODevice::WriteOnly);
    QPdfWriter writer(&out);
    writer.setResolution(BandDpi);
    writer.setPageLayout(QPageLayout(firstSize, QPageLayout::Portrait, QMarginsF()));
    QPainter painter;
    if (!painter.begin(&writer))
        return notPrepared(ComponentMessages::bandsNotDrawn());
    painter.setFont(QFont(QStringLiteral("Liberation Serif"), HeaderFontPoints));
    const auto paper = [&writer] { return QSizeF(writer.width(), writer.height()); };
    drawTexts(painter, paper(), first, same);
    const bool sharedDrawn = drawsAny(first, same);
    int drawn = 1;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        const QPageSize size = pageSizeOf(pages[page]);
        const bool ofFirstSize = size.isEquivalentTo(firstSize);
        bands.shared.push_back(ofFirstSize && sharedDrawn);
        const Texts texts = textsOf(job, facts, int(page) + 1);
        const Chosen &own = ofFirstSize ? varying : all;
        if (!drawsAny(texts, own)) {
            bands.own.push_back(-1);
            continue;
        }
        writer.setPageSize(size);
        writer.newPage();
        drawTexts(painter, paper(), texts, own);
        bands.own.push_back(drawn++);
    }
    painter.end();
    bands.count = drawn;
    return bands;
}

// Lays the band pages over the pages as forms, each page's own content kept
// apart in its own graphics state. Streams that pages share are stored once.
void layOver(QPDF &document, std::vector<QPDFPageObjectHelper> &pages, std::vector<QPDFPageObjectHelper> &bands,
             const BandPages &plan)
{
    const QPDFObjectHandle shared = document.copyForeignObject(bands.front().getFormXObjectForPage());
    const QPDFObjectHandle opening = QPDFObjectHandle::newStream(&document, "q\n");
    std::map<std::string, QPDFObjectHandle> closings;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        std::vector<QPDFObjectHandle> forms;
        if (plan.shared[i])
            forms.push_back(shared);
        if (plan.own[i] >= 0)
            forms.push_back(document.copyForeignObject(bands[std::size_t(plan.own[i])].getFormXObjectForPage()));
        if (forms.empty())
            continue;
        QPDFPageObjectHelper &page = pages[i];
        QPDFObjectHandle resources = page.getAttribute("/Resources", true);
        resources = resources.isDictionary() ? resources.shallowCopy() : QPDFObjectHandle::newDictionary();
        QPDFObjectHandle xObjects = resources.getKey("/XObject");
        xObjects = xObjects.isDictionary() ? xObjects.shallowCopy() : QPDFObjectHandle::newDictionary();
        resources.replaceKey("/XObject", xObjects);
        std::string closing = "\nQ\n";
        int suffix = 0;
        for (const QPDFObjectHandle &form : forms) {
            const std::string name = resources.getUniqueResourceName("/Fx", suffix);
            xObjects.replaceKey(name, form);
            closing += page.placeFormXObject(form, name, page.getMediaBox().getArrayAsRectangle(), true, true, true)
                + "\n";
        }
        page.getObjectHandle().replaceKey("/Resources", resources);
        auto [stream, added] = closings.try_emplace(closing);
        if (added)
            stream->second = QPDFObjectHandle::newStream(&document, closing);
        page.addPageContents(opening, true);
        page.addPageContents(stream->second, false);
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
            return Failure{ComponentMessages::pageNotPrepared()};
        const Result<BandPages> planned = bandPages(pages, job);
        if (!planned)
            return Failure{planned.error()};
        const BandPages &plan = *planned;
        QPDF bandDocument;
        bandDocument.setSuppressWarnings(true);
        bandDocument.processMemoryFile("bands", plan.pdf.constData(), std::size_t(plan.pdf.size()));
        std::vector<QPDFPageObjectHelper> bands = QPDFPageDocumentHelper(bandDocument).getAllPages();
        if (bands.size() != std::size_t(plan.count))
            return notPrepared(ComponentMessages::bandsNotAllDrawn());
        layOver(document, pages, bands, plan);
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.setObjectStreamMode(qpdf_o_generate);
        writer.write();
        const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char *>(written->getBuffer()), qsizetype(written->getSize()));
    } catch (const std::exception &failure) {
        // The PDF library reports its failures by exceptions.
        return notPrepared(QString::fromUtf8(failure.what()));
    }
}

Result<> print(const Job &job)
{
    const Result<QByteArray> pdf = withHeaderAndFooter(job);
    if (!pdf)
        return Failure{pdf.error()};
    const std::unique_ptr<QPrinter> printer = Printing::makePrinter();
    if (const Result<> printed = Printing::printPdf(*printer, *pdf, job.facts.title); !printed)
        return Failure{ComponentMessages::pageNotPrinted(printed.error())};
    return {};
}

} // namespace PagePrinter
