// Writes the demo program folder's documents: six short PDF files under the
// law texts' names and a drawn blank form for every scan of the forms tree.
// All of it is made-up demo text, no law text and no official form.

#include "platform/pictures/JpegCodec.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

namespace {

struct DemoDocument
{
    const char *baseName;
    const char16_t *title;
};

const DemoDocument Documents[] = {
    {"Zakon288", u"Zákon 288/1995 Sb."},      {"Vyhlaska1", u"Vyhláška MV č. 50/1996 Sb."},
    {"Vyhlaska2", u"Vyhláška ČBÚ č. 51/1996 Sb."}, {"Vyhlaska3", u"Vyhláška MZ č. 127/1996 Sb."},
    {"Zakon119", u"Zákon 119/2002 Sb."},      {"Priloha119", u"Příloha k zákonu 119/2002 Sb."},
};

constexpr int DocumentPages = 3;
constexpr int FormScans = 21;
const QSize ScanSize{620, 877};

const QString DemoNotice = QStringLiteral("UKÁZKA – smyšlený text pro vyzkoušení programu, není to znění předpisu.");

void drawDocumentPage(QPainter &painter, const QRect &area, const QString &title, int page)
{
    QFont heading(QStringLiteral("Liberation Sans"), 18, QFont::Bold);
    QFont body(QStringLiteral("Liberation Serif"), 12);
    painter.setFont(heading);
    QRect line = area;
    line.setHeight(area.height() / 12);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setFont(body);
    line.translate(0, line.height());
    painter.setPen(Qt::red);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, DemoNotice);
    painter.setPen(Qt::black);
    QRect text = area.adjusted(0, 3 * line.height(), 0, -line.height());
    QString paragraphs;
    for (int n = 1; n <= 6; ++n) {
        paragraphs += QStringLiteral("§ %1  Ukázkový odstavec %2 na straně %3. Tento odstavec jen zaplňuje stránku, "
                                     "aby bylo v prohlížeči co číst, posouvat a tisknout. Nemá žádný právní "
                                     "obsah.\n\n")
                          .arg((page - 1) * 6 + n)
                          .arg(n)
                          .arg(page);
    }
    painter.drawText(text, Qt::TextWordWrap, paragraphs);
    painter.drawText(area, Qt::AlignBottom | Qt::AlignHCenter,
                     QStringLiteral("Strana %1 z %2").arg(page).arg(DocumentPages));
}

bool writeDocument(const QString &path, const QString &title)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(150);
    writer.setTitle(title + QStringLiteral(" (ukázka)"));
    QPainter painter(&writer);
    const QRect area(0, 0, writer.width(), writer.height());
    for (int page = 1; page <= DocumentPages; ++page) {
        if (page > 1)
            writer.newPage();
        drawDocumentPage(painter, area, title, page);
    }
    return painter.end();
}

// A blank form: a heading with its number, empty fields and a signature line.
QImage drawForm(const QString &heading)
{
    QImage image(ScanSize, QImage::Format_RGB32);
    image.fill(QColor(0xFA, 0xF8, 0xF0));
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(image.rect().adjusted(20, 20, -21, -21));
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 16, QFont::Bold));
    painter.drawText(QRect(20, 40, ScanSize.width() - 40, 40), Qt::AlignCenter, heading);
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    painter.setPen(Qt::red);
    painter.drawText(QRect(20, 80, ScanSize.width() - 40, 24), Qt::AlignCenter,
                     QStringLiteral("UKÁZKA – prázdný smyšlený formulář, není to úřední tiskopis"));
    painter.setPen(QPen(Qt::gray, 1));
    for (int field = 0; field < 14; ++field) {
        const int top = 140 + field * 45;
        painter.drawText(QRect(50, top, 200, 20), Qt::AlignLeft, QStringLiteral("Položka %1:").arg(field + 1));
        painter.drawRect(50, top + 20, ScanSize.width() - 100, 18);
    }
    painter.drawLine(ScanSize.width() - 250, ScanSize.height() - 70, ScanSize.width() - 50, ScanSize.height() - 70);
    painter.drawText(QRect(ScanSize.width() - 250, ScanSize.height() - 65, 200, 20), Qt::AlignCenter,
                     QStringLiteral("podpis"));
    return image;
}

bool writeJpeg(const QString &path, const QImage &image)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(JpegCodec::encode(image)) >= 0 && file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: demo-documents <program folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/PRILOHY"));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    bool written = true;
    for (const DemoDocument &document : Documents) {
        written &= writeDocument(folder.filePath(QString::fromLatin1(document.baseName) + QStringLiteral(".kvf")),
                                 QString::fromUtf16(document.title));
    }
    for (int scan = 0; scan < FormScans; ++scan) {
        written &= writeJpeg(folder.filePath(QStringLiteral("_%1.jpg").arg(scan, 3, 10, QLatin1Char('0'))),
                             drawForm(QStringLiteral("Formulář č. %1").arg(scan)));
    }
    written &= writeJpeg(folder.filePath(QStringLiteral("nofile.jpg")),
                         drawForm(QStringLiteral("Zkušební řád – bez formuláře")));
    if (!written)
        std::fprintf(stderr, "cannot write every demo document in %s\n", qPrintable(folder.path()));
    return written ? 0 : 1;
}
