#include "platform/files/TestFiles.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/JpegFixtures.h"
#include "platform/pictures/MetafileFixtures.h"
#include "platform/pictures/Picture.h"

#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cstring>
#include <jpeglib.h>
#include <sys/stat.h>
#include <uemf.h>

namespace {

const QColor Red(255, 0, 0);
const QColor Green(0, 160, 0);

// A 60 x 40 picture: red left half, green right half.
QImage halves()
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Red);
    for (int y = 0; y < 40; ++y)
        for (int x = 30; x < 60; ++x)
            image.setPixelColor(x, y, Green);
    return image;
}

bool near(QColor a, QColor b, int tolerance = 40)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

// The halves as a four-channel JPEG with the Adobe marker, whose channels
// are stored inverted (255 = no ink).
QByteArray cmykHalves()
{
    return JpegFixtures::compress(
        {60, 40, 4, JCS_CMYK}, [](jpeg_compress_struct &info) { jpeg_set_quality(&info, 95, TRUE); },
        [](int, JSAMPLE *row) {
            for (int x = 0; x < 60; ++x)
                std::memcpy(row + 4 * x, x < 30 ? "\xFF\x00\x00\xFF" : "\x00\xA0\x00\xFF", 4);
        });
}

template <typename Record> QByteArray bytesOf(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), sizeof record);
}

// A metafile's header record followed by `records` and the end record.
QByteArray emfWith(const QByteArray &metafile, const QByteArray &records)
{
    const auto headerSize = qFromLittleEndian<quint32>(metafile.constData() + 4);
    struct
    {
        U_EMREOF head;
        uint32_t nSizeLast;
    } end{};
    end.head.emr.iType = U_EMR_EOF;
    end.head.emr.nSize = sizeof end;
    end.nSizeLast = sizeof end;
    return metafile.left(headerSize) + records + bytesOf(end);
}

// Two polygons whose counts promise far more points than the record holds.
QByteArray overrunningPolyPolygon()
{
    struct
    {
        U_EMRPOLYPOLYGON16 head;
        U_POINT16 point;
    } record{};
    record.head.emr.iType = U_EMR_POLYPOLYGON16;
    record.head.emr.nSize = sizeof record;
    record.head.nPolys = 1;
    record.head.cpts = 1;
    record.head.aPolyCounts[0] = 100000;
    return bytesOf(record);
}

QByteArray withFrame(QByteArray metafile, qint32 left, qint32 right)
{
    const qsizetype frameAt = offsetof(U_EMRHEADER, rclFrame);
    qToLittleEndian<qint32>(left, metafile.data() + frameAt);
    qToLittleEndian<qint32>(right, metafile.data() + frameAt + 8);
    return metafile;
}

// A JPEG whose frame header claims 65000 x 65000 pixels.
QByteArray hugeJpeg()
{
    QByteArray jpeg = JpegCodec::encode(QImage(8, 8, QImage::Format_RGB32));
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    qToBigEndian<quint16>(65000, jpeg.data() + frame + 5);
    qToBigEndian<quint16>(65000, jpeg.data() + frame + 7);
    return jpeg;
}

// One record claiming `count` points of type Point while it holds three.
template <typename Point> QByteArray polyRecord(uint32_t type, uint32_t count)
{
    struct
    {
        U_EMR emr;
        U_RECTL bounds;
        uint32_t count;
        Point points[3];
    } record{};
    record.emr.iType = type;
    record.emr.nSize = sizeof record;
    record.count = count;
    return bytesOf(record);
}

// A rectangle record too short to hold its box.
QByteArray shortRectangle()
{
    U_EMR record{U_EMR_RECTANGLE, sizeof(U_EMR)};
    return bytesOf(record);
}

// A text record whose string lies past the record's end.
QByteArray textOutside()
{
    U_EMREXTTEXTOUTW record{};
    record.emr.iType = U_EMR_EXTTEXTOUTW;
    record.emr.nSize = sizeof record;
    record.emrtext.nChars = 4;
    record.emrtext.offString = 0xFFFFFFF0;
    record.emrtext.fOptions = U_ETO_NO_RECT;
    return bytesOf(record);
}

// A WMF record: its size in words, its function and its parameters.
QByteArray wmfRecord(quint16 function, const QList<quint16> &parameters)
{
    QByteArray record(6 + 2 * parameters.size(), '\0');
    qToLittleEndian<quint32>(quint32(3 + parameters.size()), record.data());
    qToLittleEndian<quint16>(function, record.data() + 4);
    for (qsizetype i = 0; i < parameters.size(); ++i)
        qToLittleEndian<quint16>(parameters[i], record.data() + 6 + 2 * i);
    return record;
}

// A metafile's records up to its end record, then `records` and the end record.
QByteArray wmfWith(const QByteArray &metafile, const QByteArray &records)
{
    return metafile.left(metafile.size() - 6) + records + wmfRecord(0, {});
}

QImage drawn(const Picture &picture, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(QPointF(0, 0), size));
    return image;
}

// The picture, or a null one once the loader's error is reported.
Picture loaded(const QString &path)
{
    Result<Picture> result = Picture::load(path);
    if (!result) {
        QTest::qFail(qPrintable(result.error()), __FILE__, __LINE__);
        return {};
    }
    return *std::move(result);
}

void convert(const QStringList &arguments)
{
    QProcess convert;
    convert.start(QStringLiteral("convert"), arguments);
    QVERIFY2(convert.waitForFinished(60000), "ImageMagick's convert is needed");
    QCOMPARE(convert.exitCode(), 0);
}

} // namespace

class PictureTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsEachFormat_data();
    void readsEachFormat();
    void damagedFileGivesTheDecodersError_data();
    void damagedFileGivesTheDecodersError();
    void pictureCutShortFails_data();
    void pictureCutShortFails();
    void bitmapWithoutTheLastRowsPaddingLoads();
    void unknownExtension();
    void missingFile();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void metafileKeepsItsShapesWhenScaled();
    void windowsMetafileDrawsAtItsFrame_data();
    void windowsMetafileDrawsAtItsFrame();
    void metafileScalesToPrinterDots_data();
    void metafileScalesToPrinterDots();
    void metafilePrintsAsVectors();
    void metafilePlaysItsBitmaps_data();
    void metafilePlaysItsBitmaps();
    void windowsMetafilePlaysTextAndCurves();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void PictureTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(halves().save(path("pic.bmp"), "BMP"));
    QVERIFY(halves().save(path("pic.ico"), "ICO"));
    const QByteArray jpeg = JpegCodec::encode(halves());
    QVERIFY(!jpeg.isEmpty());
    TestFiles::put(path("pic.jpg"), jpeg);
    TestFiles::put(path("PIC.JPEG"), jpeg);
    QVERIFY(MetafileFixtures::writeEmf(qPrintable(path("pic.emf"))));
    QVERIFY(MetafileFixtures::writeWmf(qPrintable(path("pic.Wmf"))));
    QVERIFY(MetafileFixtures::writeBitmapEmf(qPrintable(path("bitmaps.emf"))));
    QVERIFY(MetafileFixtures::writeBitmapWmf(qPrintable(path("bitmaps.wmf"))));
    QVERIFY(MetafileFixtures::writeShapesWmf(qPrintable(path("shapes.wmf")), 96, true));
    QVERIFY(MetafileFixtures::writeShapesWmf(qPrintable(path("twips.wmf")), 1440, true));
    QVERIFY(MetafileFixtures::writeShapesWmf(qPrintable(path("window.wmf")), 96, false));
    QVERIFY(MetafileFixtures::writeTextAndCurvesWmf(qPrintable(path("curves.wmf"))));
    TestFiles::put(path("cmyk.jpg"), cmykHalves());

    // Pictures from an independent writer, in the forms users meet.
    const QString gradient = QStringLiteral("gradient:red-blue");
    convert({"-size", "64x48", gradient, "-define", "bmp:format=bmp3", path("im24.bmp")});
    convert({"-size", "64x48", gradient, "-type", "palette", "-colors", "16", path("im4.bmp")});
    convert({"-size", "64x48", gradient, "-type", "palette", "-colors", "200", "-compress", "RLE",
             "-define", "bmp:format=bmp3", path("imrle.bmp")});
    convert({"-size", "64x48", gradient, "-type", "TrueColorAlpha", path("im32.bmp")});
    convert({"-size", "32x32", gradient, path("im.ico")});
    convert({"-size", "64x64", gradient, "-define", "icon:auto-resize=64,48,32,16", path("immulti.ico")});
    convert({"-size", "256x256", gradient, path("impng.ico")});
    convert({"-size", "64x48", gradient, path("im.jpg")});
    convert({"-size", "64x48", gradient, "-interlace", "JPEG", path("improgressive.jpg")});
}

void PictureTest::readsEachFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("bmp") << "pic.bmp";
    QTest::newRow("ico") << "pic.ico";
    QTest::newRow("jpg") << "pic.jpg";
    QTest::newRow("JPEG, upper case") << "PIC.JPEG";
    QTest::newRow("jpg, four channels") << "cmyk.jpg";
    QTest::newRow("emf") << "pic.emf";
    QTest::newRow("Wmf, mixed case") << "pic.Wmf";
}

void PictureTest::readsEachFormat()
{
    QFETCH(QString, name);
    const Picture picture = loaded(path(name));
    QCOMPARE(picture.size(), QSize(60, 40));
    const QImage image = picture.toImage();
    QVERIFY2(near(image.pixelColor(15, 30), Red), qPrintable(image.pixelColor(15, 30).name()));
    QVERIFY2(near(image.pixelColor(45, 20), Green), qPrintable(image.pixelColor(45, 20).name()));
}

void PictureTest::damagedFileGivesTheDecodersError_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    const QByteArray junk("this is no picture at all, only some text....");
    QTest::newRow("bmp") << "bad.bmp" << junk << QString();
    QTest::newRow("ico") << "bad.ico" << junk << QString();
    QTest::newRow("jpg") << "bad.jpg" << junk << "Not a JPEG file: starts with 0x74 0x68";
    QTest::newRow("emf") << "bad.emf" << junk << "Soubor není rozšířený metasoubor.";
    QTest::newRow("wmf") << "bad.wmf" << junk << "Soubor není metasoubor Windows.";
    QTest::newRow("jpg claiming 65000 x 65000 pixels")
        << "huge.jpg" << hugeJpeg() << "Na obrázek o 65000 × 65000 bodech nestačí paměť.";

    const QString emfDamaged = QStringLiteral("Rozšířený metasoubor je poškozen.");
    const QByteArray metafile = TestFiles::contentOf(path("pic.emf"));
    const auto emfRow = [&](const char *row, const QByteArray &records) {
        QTest::newRow(row) << "overrun.emf" << emfWith(metafile, records) << emfDamaged;
    };
    // Counts times the point size reach 2^32 or more, which wraps in 32 bits.
    emfRow("emf, POLYGON claiming 2^29 points", polyRecord<U_POINTL>(U_EMR_POLYGON, 1U << 29));
    emfRow("emf, POLYLINE claiming 2^29 points", polyRecord<U_POINTL>(U_EMR_POLYLINE, 1U << 29));
    emfRow("emf, POLYGON16 claiming 2^30 points", polyRecord<U_POINT16>(U_EMR_POLYGON16, 1U << 30));
    emfRow("emf, POLYGON16 claiming 2^31 points", polyRecord<U_POINT16>(U_EMR_POLYGON16, 1U << 31));
    emfRow("emf, POLYLINE16 claiming 2^30 points", polyRecord<U_POINT16>(U_EMR_POLYLINE16, 1U << 30));
    emfRow("emf, POLYLINE16 claiming 2^31 points", polyRecord<U_POINT16>(U_EMR_POLYLINE16, 1U << 31));
    emfRow("emf, POLYGON claiming four points", polyRecord<U_POINTL>(U_EMR_POLYGON, 4));
    emfRow("emf, polygon counts beyond the record", overrunningPolyPolygon());
    emfRow("emf, rectangle without its box", shortRectangle());
    emfRow("emf, text outside the record", textOutside());
    QTest::newRow("emf, no end record") << "open.emf" << metafile.left(metafile.size() - 20) << emfDamaged;
    QTest::newRow("emf, frame wider than any picture")
        << "wide.emf" << withFrame(metafile, -0x7FFFFFFF, 0x7FFFFFFF) << "Soubor není rozšířený metasoubor.";
    QTest::newRow("emf, inverted frame")
        << "inverted.emf" << withFrame(metafile, 1000, 0) << "Soubor není rozšířený metasoubor.";

    const QString wmfDamaged = QStringLiteral("Metasoubor Windows je poškozen.");
    const QByteArray wmf = TestFiles::contentOf(path("shapes.wmf"));
    const auto wmfRow = [&](const char *row, const QByteArray &records) {
        QTest::newRow(row) << "overrun.wmf" << wmfWith(wmf, records) << wmfDamaged;
    };
    wmfRow("wmf, POLYGON claiming 65535 points", wmfRecord(0x0324, {65535, 1, 1, 5, 1, 1, 5}));
    wmfRow("wmf, POLYPOLYGON counts beyond the record", wmfRecord(0x0538, {2, 3, 60000, 1, 1, 5, 1, 1, 5}));
    wmfRow("wmf, rectangle without its box", wmfRecord(0x041B, {20, 20}));
    wmfRow("wmf, TEXTOUT longer than the record", wmfRecord(0x0521, {400, 0x4141, 10, 10}));
    QByteArray pastTheEnd = wmfRecord(0x041B, {60, 90, 10, 10});
    qToLittleEndian<quint32>(0x10000, pastTheEnd.data());
    QTest::newRow("wmf, record past the file's end") << "long.wmf" << wmf.left(wmf.size() - 6) + pastTheEnd
                                                     << wmfDamaged;
    QTest::newRow("wmf, no end record") << "open.wmf" << wmf.left(wmf.size() - 6) << wmfDamaged;
    QByteArray noResolution = wmf;
    qToLittleEndian<quint16>(0, noResolution.data() + 14);
    QTest::newRow("wmf, placeable header without resolution") << "inch.wmf" << noResolution << "Soubor není metasoubor Windows.";
    // The window file without its window extent has no size.
    QByteArray windowless = TestFiles::contentOf(path("window.wmf"));
    const QByteArray extent = wmfRecord(0x020C, {120, 200});
    QVERIFY(windowless.contains(extent));
    windowless.replace(extent, wmfRecord(0x0000 | 0x0105, {0, 0}));
    QTest::newRow("wmf, neither placeable header nor window") << "nowindow.wmf" << windowless
                                                              << "Soubor není metasoubor Windows.";
}

void PictureTest::damagedFileGivesTheDecodersError()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    TestFiles::put(path(name), bytes);
    const auto loaded = Picture::load(path(name));
    QVERIFY(!loaded);
    const QString message = loaded.error();
    QVERIFY(!message.isEmpty());
    QVERIFY(!message.startsWith("Unknown picture file extension"));
    if (!error.isEmpty())
        QCOMPARE(message, error);
}

void PictureTest::pictureCutShortFails_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    const QString endsEarly = QStringLiteral("Soubor obrázku předčasně končí.");
    const QString jpegEnds = QStringLiteral("Premature end of JPEG file");
    const QList<std::pair<QString, QString>> pictures = {
        {"pic.bmp", endsEarly},     {"im24.bmp", endsEarly},        {"im4.bmp", endsEarly},
        {"imrle.bmp", endsEarly},   {"im32.bmp", endsEarly},        {"pic.ico", endsEarly},
        {"im.ico", endsEarly},      {"immulti.ico", endsEarly},     {"impng.ico", endsEarly},
        {"pic.jpg", jpegEnds},      {"im.jpg", jpegEnds},           {"improgressive.jpg", jpegEnds},
        {"cmyk.jpg", jpegEnds}};
    for (const auto &[name, error] : pictures) {
        const QByteArray whole = TestFiles::contentOf(path(name));
        // Whole, every one of them loads.
        QVERIFY2(Picture::load(path(name)).ok(), qPrintable(name));
        for (const int percent : {50, 90})
            QTest::addRow("%s cut at %d%%", qPrintable(name), percent)
                << "cut-" + name << whole.left(whole.size() * percent / 100) << error;
    }
    QByteArray pointsOutside = TestFiles::contentOf(path("im24.bmp"));
    qToLittleEndian<quint32>(quint32(pointsOutside.size() + 100), pointsOutside.data() + 10);
    QTest::newRow("bmp whose pixels lie past the end") << "outside.bmp" << pointsOutside << endsEarly;
    QByteArray iconOutside = TestFiles::contentOf(path("immulti.ico"));
    qToLittleEndian<quint32>(quint32(iconOutside.size()), iconOutside.data() + 6 + 16 * 3 + 12);
    QTest::newRow("ico whose last image lies past the end") << "outside.ico" << iconOutside << endsEarly;
}

void PictureTest::pictureCutShortFails()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    TestFiles::put(path(name), bytes);
    const auto loaded = Picture::load(path(name));
    QVERIFY(!loaded);
    QCOMPARE(loaded.error(), error);
}

// Some writers leave out the last row's padding; no pixel is missing.
void PictureTest::bitmapWithoutTheLastRowsPaddingLoads()
{
    QImage image(61, 3, QImage::Format_RGB32);
    image.fill(Red);
    QVERIFY(image.save(path("odd.bmp"), "BMP"));
    // 61 pixels of three bytes leave one byte of padding a row.
    const QByteArray bytes = TestFiles::contentOf(path("odd.bmp"));
    QCOMPARE(bytes.size(), 54 + 3 * 184);
    TestFiles::put(path("unpadded.bmp"), bytes.left(bytes.size() - 1));
    const Picture picture = loaded(path("unpadded.bmp"));
    QCOMPARE(picture.size(), QSize(61, 3));
    QCOMPARE(picture.toImage().pixelColor(60, 2), Red);
}

void PictureTest::unknownExtension()
{
    TestFiles::put(path("pic.Gif"), "GIF89a");
    const auto loaded = Picture::load(path("pic.Gif"));
    QVERIFY(!loaded);
    QCOMPARE(loaded.error(), QStringLiteral("Unknown picture file extension (.Gif)"));
}

void PictureTest::missingFile()
{
    const auto loaded = Picture::load(path("none.jpg"));
    QVERIFY(!loaded);
    QCOMPARE(loaded.error(), QStringLiteral("Cannot open file %1").arg(path("none.jpg")));
}

void PictureTest::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("named pipe") << "pipe.jpg";
    QTest::newRow("link to /dev/zero") << "zero.bmp";
}

// Neither blocks nor grows without end.
void PictureTest::onlyRegularFilesAreRead()
{
    QFETCH(QString, name);
    if (name.startsWith(u"pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(path(name)).constData(), 0644), 0);
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path(name)));
    const auto loaded = Picture::load(path(name));
    QVERIFY(!loaded);
    QCOMPARE(loaded.error(), QStringLiteral("Cannot open file %1").arg(path(name)));
}

void PictureTest::metafileKeepsItsShapesWhenScaled()
{
    const Picture picture = loaded(path("pic.emf"));
    const QImage image = drawn(picture, QSize(240, 160));
    QVERIFY(near(image.pixelColor(60, 120), Red, 0));
    QVERIFY(near(image.pixelColor(180, 30), Green, 0));
    QVERIFY(near(image.pixelColor(12, 12), QColor(0, 0, 255), 0));
    // The ellipse leaves its box's corners free.
    QVERIFY(near(image.pixelColor(237, 3), Qt::white, 0));
    // The text is drawn in the pen colour right of its reference point.
    bool ink = false;
    for (int y = 96; y < 160 && !ink; ++y)
        for (int x = 128; x < 240 && !ink; ++x)
            ink = near(image.pixelColor(x, y), Qt::black, 60);
    QVERIFY(ink);
}

void PictureTest::windowsMetafileDrawsAtItsFrame_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("placeable, 96 units per inch") << "shapes.wmf";
    QTest::newRow("placeable, 1440 units per inch") << "twips.wmf";
    QTest::newRow("no placeable header: the window") << "window.wmf";
}

void PictureTest::windowsMetafileDrawsAtItsFrame()
{
    QFETCH(QString, name);
    const Picture picture = loaded(path(name));
    QCOMPARE(picture.size(), QSize(200, 120));
    const QImage image = picture.toImage();
    const QColor blue(0, 0, 255);
    // The rectangle 10,10-90,60 covers 10..89 and 10..59 and nothing more.
    for (const QPoint inside : {QPoint(10, 10), QPoint(89, 10), QPoint(10, 59), QPoint(89, 59), QPoint(50, 35)})
        QVERIFY2(image.pixelColor(inside) == blue, qPrintable(QString("%1,%2").arg(inside.x()).arg(inside.y())));
    for (const QPoint outside : {QPoint(9, 30), QPoint(90, 30), QPoint(50, 9), QPoint(50, 60), QPoint(0, 0)})
        QVERIFY2(image.pixelColor(outside) == QColor(Qt::white),
                 qPrintable(QString("%1,%2").arg(outside.x()).arg(outside.y())));
    // The ellipse 110,10-190,110 is filled, its box's corners are not.
    QCOMPARE(image.pixelColor(150, 60), Green);
    QCOMPARE(image.pixelColor(130, 90), Green);
    QCOMPARE(image.pixelColor(112, 12), QColor(Qt::white));
    QCOMPARE(image.pixelColor(199, 119), QColor(Qt::white));
}

void PictureTest::metafileScalesToPrinterDots_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRectF>("shape");
    QTest::addColumn<QColor>("color");
    QTest::newRow("wmf rectangle") << "shapes.wmf" << QRectF(10, 10, 80, 50) << QColor(0, 0, 255);
    QTest::newRow("emf rectangle") << "pic.emf" << QRectF(0, 0, 30, 40) << Red;
}

// Printing draws a picture at 4.45 dots per pixel: the shapes' edges land
// where the scale puts them, not a pixel's worth of dots off.
void PictureTest::metafileScalesToPrinterDots()
{
    QFETCH(QString, name);
    QFETCH(QRectF, shape);
    QFETCH(QColor, color);
    const Picture picture = loaded(path(name));
    constexpr double Dots = 4.45;
    const QImage image = drawn(picture, (QSizeF(picture.size()) * Dots).toSize());
    const QRectF dots(shape.topLeft() * Dots, shape.size() * Dots);
    const int middleY = int(dots.center().y());
    const int middleX = int(dots.center().x());
    for (const QPoint inside : {QPoint(int(dots.left()) + 2, middleY), QPoint(int(dots.right()) - 2, middleY),
                                QPoint(middleX, int(dots.top()) + 2), QPoint(middleX, int(dots.bottom()) - 2)})
        QVERIFY2(image.pixelColor(inside) == color, qPrintable(QString("%1,%2").arg(inside.x()).arg(inside.y())));
    for (const QPoint outside : {QPoint(int(dots.left()) - 2, middleY), QPoint(int(dots.right()) + 2, middleY),
                                 QPoint(middleX, int(dots.top()) - 2), QPoint(middleX, int(dots.bottom()) + 2)})
        if (image.rect().contains(outside))
            QVERIFY2(image.pixelColor(outside) != color,
                     qPrintable(QString("%1,%2").arg(outside.x()).arg(outside.y())));
}

// On a printer (here a PDF file) a metafile stays vectors: no bitmap in the
// page, by poppler's independent reading.
void PictureTest::metafilePrintsAsVectors()
{
    const QString pdf = path("printed.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setResolution(427);
        QPainter painter(&writer);
        for (const char *name : {"shapes.wmf", "pic.emf"}) {
            const Picture picture = loaded(path(name));
            picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(picture.size()) * 4.45));
            painter.translate(0, 1000);
        }
    }
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {"-list", pdf});
    QVERIFY(images.waitForFinished(30000));
    QCOMPARE(images.exitCode(), 0);
    const QStringList lines = QString::fromLocal8Bit(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2); // the heading and its rule, no image
}

void PictureTest::metafilePlaysItsBitmaps_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("emf: STRETCHDIBITS and BITBLT") << "bitmaps.emf";
    QTest::newRow("wmf: STRETCHDIB and DIBBITBLT") << "bitmaps.wmf";
}

void PictureTest::metafilePlaysItsBitmaps()
{
    QFETCH(QString, name);
    const QImage image = loaded(path(name)).toImage();
    QCOMPARE(image.size(), QSize(60, 40));
    // The 2 x 2 bitmap, top row first, stretched over the left half.
    QCOMPARE(image.pixelColor(7, 10), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(22, 10), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(7, 30), QColor(255, 255, 0));
    QCOMPARE(image.pixelColor(22, 30), QColor(0, 255, 255));
    // The green bitmap unscaled on the right half.
    QCOMPARE(image.pixelColor(31, 1), Green);
    QCOMPARE(image.pixelColor(58, 38), Green);
}

void PictureTest::windowsMetafilePlaysTextAndCurves()
{
    const QImage image = loaded(path("curves.wmf")).toImage();
    const auto inkIn = [&image](const QRect &box) {
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                if (image.pixelColor(x, y).lightness() < 100)
                    return true;
        return false;
    };
    QVERIFY(inkIn(QRect(4, 4, 26, 20)));
    QVERIFY(inkIn(QRect(4, 24, 26, 14)));
    QVERIFY(!inkIn(QRect(30, 0, 28, 38)));
    const QColor blue(0, 0, 255);
    QCOMPARE(image.pixelColor(100, 20), blue);
    QCOMPARE(image.pixelColor(100, 40), QColor(Qt::white));
    QCOMPARE(image.pixelColor(5, 75), blue);
    QCOMPARE(image.pixelColor(20, 60), QColor(Qt::white));
    QCOMPARE(image.pixelColor(55, 45), QColor(255, 0, 0));
}

QTEST_MAIN(PictureTest)
#include "PictureTest.moc"
