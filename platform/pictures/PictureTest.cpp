#include "platform/files/TestFiles.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/Picture.h"

#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cstdio>
#include <dlfcn.h>
#include <jpeglib.h>
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
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 60;
    info.image_height = 40;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    QByteArray row;
    for (int x = 0; x < 60; ++x)
        row += x < 30 ? QByteArray("\xFF\x00\x00\xFF", 4) : QByteArray("\x00\xA0\x00\xFF", 4);
    while (info.next_scanline < info.image_height) {
        auto *line = reinterpret_cast<JSAMPROW>(row.data());
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
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

// The shared library a symbol of the process's global scope comes from.
QString libraryOf(const char *symbol)
{
    Dl_info where{};
    void *address = dlsym(RTLD_DEFAULT, symbol);
    return address && dladdr(address, &where) ? QString::fromLocal8Bit(where.dli_fname) : QString();
}

// libUEMF and libwmf both export wmf_free, so the metafiles are written by a
// program of their own that links libUEMF alone.
void writeMetafile(const QString &kind, const QString &path)
{
    QProcess writer;
    writer.start(QStringLiteral(METAFILE_WRITER), {kind, path});
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitCode(), 0);
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
    void unknownExtension();
    void missingFile();
    void metafileKeepsItsShapesWhenScaled();
    void metafilePlaysItsBitmaps();
    void libwmfKeepsItsOwnAllocator();

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
    writeMetafile("emf", path("pic.emf"));
    writeMetafile("wmf", path("pic.Wmf"));
    writeMetafile("emf-bitmaps", path("bitmaps.emf"));
    TestFiles::put(path("cmyk.jpg"), cmykHalves());
}

void PictureTest::readsEachFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("rightIsGreen");
    QTest::newRow("bmp") << "pic.bmp" << true;
    QTest::newRow("ico") << "pic.ico" << true;
    QTest::newRow("jpg") << "pic.jpg" << true;
    QTest::newRow("JPEG, upper case") << "PIC.JPEG" << true;
    QTest::newRow("jpg, four channels") << "cmyk.jpg" << true;
    QTest::newRow("emf") << "pic.emf" << true;
    QTest::newRow("Wmf, mixed case") << "pic.Wmf" << false;
}

void PictureTest::readsEachFormat()
{
    QFETCH(QString, name);
    QFETCH(bool, rightIsGreen);
    auto loaded = Picture::load(path(name));
    if (const auto *error = std::get_if<QString>(&loaded))
        QFAIL(qPrintable(*error));
    const Picture picture = std::get<Picture>(loaded);
    QCOMPARE(picture.size(), QSize(60, 40));
    const QImage image = picture.toImage();
    QVERIFY2(near(image.pixelColor(15, 30), Red), qPrintable(image.pixelColor(15, 30).name()));
    if (rightIsGreen)
        QVERIFY2(near(image.pixelColor(45, 8), Green), qPrintable(image.pixelColor(45, 8).name()));
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
    QTest::newRow("emf") << "bad.emf" << junk << "Not an enhanced metafile";
    QTest::newRow("wmf") << "bad.wmf" << junk << QString();
    QTest::newRow("jpg claiming 65000 x 65000 pixels")
        << "huge.jpg" << hugeJpeg() << "Not enough memory for a picture of 65000 x 65000 pixels";
    const QByteArray metafile = TestFiles::contentOf(path("pic.emf"));
    QTest::newRow("emf, polygon counts beyond the record")
        << "overrun.emf" << emfWith(metafile, overrunningPolyPolygon()) << "The enhanced metafile is damaged";
    QTest::newRow("emf, frame wider than any picture")
        << "wide.emf" << withFrame(metafile, -0x7FFFFFFF, 0x7FFFFFFF) << "Not an enhanced metafile";
    QTest::newRow("emf, inverted frame")
        << "inverted.emf" << withFrame(metafile, 1000, 0) << "Not an enhanced metafile";
}

void PictureTest::damagedFileGivesTheDecodersError()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    TestFiles::put(path(name), bytes);
    const auto loaded = Picture::load(path(name));
    QVERIFY(std::holds_alternative<QString>(loaded));
    const QString message = std::get<QString>(loaded);
    QVERIFY(!message.isEmpty());
    QVERIFY(!message.startsWith("Unknown picture file extension"));
    if (!error.isEmpty())
        QCOMPARE(message, error);
}

void PictureTest::unknownExtension()
{
    TestFiles::put(path("pic.Gif"), "GIF89a");
    const auto loaded = Picture::load(path("pic.Gif"));
    QCOMPARE(std::get<QString>(loaded), QStringLiteral("Unknown picture file extension (.Gif)"));
}

void PictureTest::missingFile()
{
    const auto loaded = Picture::load(path("none.jpg"));
    QCOMPARE(std::get<QString>(loaded), QStringLiteral("Cannot open file %1").arg(path("none.jpg")));
}

void PictureTest::metafileKeepsItsShapesWhenScaled()
{
    const Picture picture = std::get<Picture>(Picture::load(path("pic.emf")));
    QImage image(240, 160, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(0, 0, 240, 160));
    painter.end();
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

void PictureTest::metafilePlaysItsBitmaps()
{
    auto loaded = Picture::load(path("bitmaps.emf"));
    if (const auto *error = std::get_if<QString>(&loaded))
        QFAIL(qPrintable(*error));
    const QImage image = std::get<Picture>(loaded).toImage();
    QCOMPARE(image.size(), QSize(60, 40));
    // STRETCHDIBITS: the 2 x 2 bitmap, top row first, over the left half.
    QCOMPARE(image.pixelColor(7, 10), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(22, 10), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(7, 30), QColor(255, 255, 0));
    QCOMPARE(image.pixelColor(22, 30), QColor(0, 255, 255));
    // BITBLT: the green bitmap unscaled on the right half.
    QCOMPARE(image.pixelColor(31, 1), Green);
    QCOMPARE(image.pixelColor(58, 38), Green);
}

// Should libUEMF ever be linked beside libwmf ahead of it, libwmf's calls to
// its own wmf_free would land in libUEMF's.
void PictureTest::libwmfKeepsItsOwnAllocator()
{
    QVERIFY(std::holds_alternative<Picture>(Picture::load(path("pic.emf"))));
    QVERIFY2(libraryOf("wmf_free").contains("libwmflite"), qPrintable(libraryOf("wmf_free")));
    QVERIFY(std::holds_alternative<Picture>(Picture::load(path("pic.Wmf"))));
}

QTEST_MAIN(PictureTest)
#include "PictureTest.moc"
