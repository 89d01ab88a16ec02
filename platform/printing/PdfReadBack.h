#pragma once

// Reading printed PDF files back in tests, with poppler's tools, and a
// document to print.

#include <QBuffer>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QStringList>

namespace PdfReadBack {

inline constexpr double DotsPerPoint = 300.0 / 72.0;

struct Word
{
    QString text;
    double left, top, right, bottom; // in dots of 300 dpi
};

inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What pdfinfo reports of the file.
inline QString info(const QString &pdf)
{
    return run(QStringLiteral("pdfinfo"), {pdf});
}

inline int pageCount(const QString &pdf)
{
    const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const auto match = pages.match(info(pdf));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The text of one page as pdftotext finds it.
inline QString text(const QString &pdf, int page)
{
    const QString number = QString::number(page);
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-f"), number, QStringLiteral("-l"), number, pdf, QStringLiteral("-")});
}

// A document to print: `pages` pages, each with its text "Strana n".
inline QByteArray numberedDocument(int pages)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter painter(&writer);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            writer.newPage();
        painter.drawText(QRect(0, 0, writer.width(), writer.height() / 4), Qt::AlignCenter,
                         QStringLiteral("Strana %1").arg(page));
    }
    painter.end();
    return pdf;
}

// The words of one page as pdftotext finds them.
inline QList<Word> words(const QString &pdf, int page)
{
    const QString number = QString::number(page);
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), number,
                                                           QStringLiteral("-l"), number, pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> found;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        found.append({m.captured(5), m.captured(1).toDouble() * DotsPerPoint, m.captured(2).toDouble() * DotsPerPoint,
                      m.captured(3).toDouble() * DotsPerPoint, m.captured(4).toDouble() * DotsPerPoint});
    }
    return found;
}

// The pixel sizes of the pictures in the file, as pdfimages lists them.
inline QList<QSize> imageSizes(const QString &pdf)
{
    QList<QSize> sizes;
    const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(u'\n');
    // Two heading lines, then one line a picture: page, number, type, width, height, ...
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList columns = lines[i].split(u' ', Qt::SkipEmptyParts);
        if (columns.size() >= 5)
            sizes.append(QSize(columns[3].toInt(), columns[4].toInt()));
    }
    return sizes;
}

// One page drawn by pdftoppm at 300 dpi, a pixel a dot, without smoothing;
// `folder` takes the picture file.
inline QImage render(const QString &pdf, int page, const QString &folder)
{
    const QString prefix = QStringLiteral("%1/page%2").arg(folder).arg(page);
    const QString number = QString::number(page);
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-f"), number, QStringLiteral("-l"), number,
         QStringLiteral("-singlefile"), QStringLiteral("-png"), QStringLiteral("-aa"), QStringLiteral("no"),
         QStringLiteral("-aaVector"), QStringLiteral("no"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

} // namespace PdfReadBack
