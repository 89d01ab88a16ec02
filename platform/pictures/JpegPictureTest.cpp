#include "platform/messages/PlatformMessages.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/JpegFixtures.h"
#include "platform/pictures/PhotoFixtures.h"
#include "platform/pictures/Picture.h"

#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <vector>

#include <jpeglib.h>

namespace {

bool near(QColor a, QColor b, int tolerance = 40)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

// A grey 64 x 64 JPEG with a diagonal edge, written with the scans given.
QByteArray grayJpeg(const std::vector<jpeg_scan_info> &scans)
{
    return JpegFixtures::compress(
        {64, 64, 1, JCS_GRAYSCALE},
        [&scans](jpeg_compress_struct &info) {
            info.scan_info = scans.data();
            info.num_scans = int(scans.size());
        },
        [](int y, JSAMPLE *row) {
            for (int x = 0; x < 64; ++x)
                row[x] = x > y ? 230 : 20;
        });
}

// Every AC coefficient in a scan of its own, first at `refinements` bits
// below full precision and then refined a bit a scan: 1 + 63 * (1 +
// refinements) scans, each part of the picture sent once.
std::vector<jpeg_scan_info> coefficientByCoefficient(int refinements)
{
    std::vector<jpeg_scan_info> scans{{1, {0}, 0, 0, 0, 0}};
    for (int k = 1; k < 64; ++k) {
        scans.push_back({1, {0}, k, k, 0, refinements});
        for (int bit = refinements; bit > 0; --bit)
            scans.push_back({1, {0}, k, k, bit, bit - 1});
    }
    return scans;
}

// Where each scan (its SOS header and its data) lies in the JPEG.
std::vector<std::pair<qsizetype, qsizetype>> scansOf(const QByteArray &jpeg)
{
    std::vector<std::pair<qsizetype, qsizetype>> scans;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && uchar(jpeg[at]) == 0xFF) {
        const uchar marker = uchar(jpeg[at + 1]);
        if (marker == 0xD9)
            break;
        qsizetype end = at + 2 + qFromBigEndian<quint16>(jpeg.constData() + at + 2);
        if (marker == 0xDA) {
            while (end + 1 < jpeg.size()
                   && !(uchar(jpeg[end]) == 0xFF && uchar(jpeg[end + 1]) != 0
                        && (uchar(jpeg[end + 1]) < 0xD0 || uchar(jpeg[end + 1]) > 0xD7)))
                ++end;
            scans.emplace_back(at, end);
        }
        at = end;
    }
    return scans;
}

// A progressive JPEG whose last scan comes `times` times in all.
QByteArray repeatingLastScan(int times)
{
    const QByteArray jpeg = JpegFixtures::compress(
        {64, 48, 3, JCS_RGB}, [](jpeg_compress_struct &info) { jpeg_simple_progression(&info); },
        [](int, JSAMPLE *row) {
            for (int x = 0; x < 64; ++x) {
                row[3 * x] = 200;
                row[3 * x + 1] = 40;
                row[3 * x + 2] = 40;
            }
        });
    const auto [start, end] = scansOf(jpeg).back();
    return jpeg.left(end) + jpeg.mid(start, end - start).repeated(times - 1) + jpeg.mid(end);
}

} // namespace

class JpegPictureTest : public QObject
{
    Q_OBJECT

private slots:
    void photoLoadsAtItsOwnSize_data();
    void photoLoadsAtItsOwnSize();
    void scansBeyondAnyEncodersAreDamage_data();
    void scansBeyondAnyEncodersAreDamage();
    void repeatedScanIsDamage();
    void progressiveTooLargeToHoldIsRefused();
    void printsWhatFallsOnThePage();
};

void JpegPictureTest::photoLoadsAtItsOwnSize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("8000 x 6000") << QSize(8000, 6000);
    QTest::newRow("odd sides, 8193 x 5465") << QSize(8193, 5465);
    QTest::newRow("12000 x 8000") << QSize(12000, 8000);
}

// Photos of today's cameras, red at the top and blue at the bottom.
void JpegPictureTest::photoLoadsAtItsOwnSize()
{
    QFETCH(QSize, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    QVERIFY2(PhotoFixtures::writePhoto(path, size), "libjpeg's cjpeg is needed");

    const Result<Picture> loaded = Picture::load(path);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error()));
    QCOMPARE(loaded->size(), size);
    // Drawn at its natural size, as the picture box shows it: a corner of
    // each end where it lies in the file.
    QImage shown(64, 64, QImage::Format_RGB32);
    QPainter painter(&shown);
    painter.setClipRect(0, 0, 64, 32);
    loaded->draw(painter, QRectF(QPointF(0, 0), size));
    painter.setClipRect(0, 32, 64, 32);
    loaded->draw(painter, QRectF(QPointF(0, 64 - size.height()), size));
    painter.end();
    QVERIFY(near(shown.pixelColor(8, 4), Qt::red, 60));
    QVERIFY(near(shown.pixelColor(8, 60), Qt::blue, 60));
}

void JpegPictureTest::scansBeyondAnyEncodersAreDamage_data()
{
    QTest::addColumn<int>("refinements");
    QTest::addColumn<QString>("error");
    QTest::newRow("253 scans") << 3 << QString();
    QTest::newRow("316 scans") << 4 << PlatformMessages::jpegTooManyScans(300);
}

void JpegPictureTest::scansBeyondAnyEncodersAreDamage()
{
    QFETCH(int, refinements);
    QFETCH(QString, error);
    const Result<Picture> decoded = Picture::decode(grayJpeg(coefficientByCoefficient(refinements)),
                                                    Picture::Format::Jpeg);
    if (!error.isEmpty()) {
        QVERIFY(!decoded);
        QCOMPARE(decoded.error(), error);
        return;
    }
    QVERIFY2(decoded.ok(), qPrintable(decoded.error()));
    const QImage image = decoded->toImage();
    QVERIFY(near(image.pixelColor(50, 5), QColor(230, 230, 230), 30));
    QVERIFY(near(image.pixelColor(5, 50), QColor(20, 20, 20), 30));
}

// Each repetition costs a pass over the whole picture and changes nothing.
void JpegPictureTest::repeatedScanIsDamage()
{
    QVERIFY(Picture::decode(repeatingLastScan(1), Picture::Format::Jpeg).ok());
    const Result<Picture> decoded = Picture::decode(repeatingLastScan(1000), Picture::Format::Jpeg);
    QVERIFY(!decoded);
    QVERIFY2(decoded.error().startsWith(u"Inconsistent progression sequence"), qPrintable(decoded.error()));
}

// A progressive picture keeps every coefficient at its full size, whatever
// size it is decoded at; a header that claims 40000 x 40000 pixels is refused
// before libjpeg takes gigabytes.
void JpegPictureTest::progressiveTooLargeToHoldIsRefused()
{
    QByteArray jpeg = grayJpeg(coefficientByCoefficient(0));
    const qsizetype frame = jpeg.indexOf("\xFF\xC2");
    QVERIFY(frame > 0);
    qToBigEndian<quint16>(40000, jpeg.data() + frame + 5);
    qToBigEndian<quint16>(40000, jpeg.data() + frame + 7);
    const Result<Picture> decoded = Picture::decode(jpeg, Picture::Format::Jpeg);
    QVERIFY(!decoded);
    QCOMPARE(decoded.error(), QStringLiteral("Na obrázek o 40000 × 40000 bodech nestačí paměť."));
}

// Printing draws a picture at 4.45 dots per pixel centred on its box, so a
// photo reaches far past the page: the page holds only the part it shows, as
// poppler reads it back.
void JpegPictureTest::printsWhatFallsOnThePage()
{
    QTemporaryDir dir;
    const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
    const QSize size(8000, 6000);
    QVERIFY(PhotoFixtures::writePhoto(photo, size));
    const Result<Picture> loaded = Picture::load(photo);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error()));
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF());
        writer.setResolution(300);
        QPainter painter(&writer);
        const QSizeF dots = QSizeF(size) * 4.45;
        loaded->draw(painter, QRectF(QPointF((2424 - dots.width()) / 2, (1856 - dots.height()) / 2), dots));
    }
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    QVERIFY(images.waitForFinished(30000));
    const QStringList lines = QString::fromLocal8Bit(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    const QStringList columns = lines.at(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QVERIFY2(columns.value(3).toInt() <= 2480 / 4.45 + 2, qPrintable(lines.at(2)));
    QVERIFY2(columns.value(4).toInt() <= 3508 / 4.45 + 2, qPrintable(lines.at(2)));
    // The middle of the photo (half red, half blue, a quarter green) in the
    // middle of the box.
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"),
                                              QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    QVERIFY(render.waitForFinished(30000));
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    QVERIFY(!page.isNull());
    QVERIFY(near(page.pixelColor(121, 93), QColor(128, 64, 128), 30));
}

QTEST_GUILESS_MAIN(JpegPictureTest)
#include "JpegPictureTest.moc"
