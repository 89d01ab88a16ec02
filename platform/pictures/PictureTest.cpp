#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/Picture.h"

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>


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

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
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
    writeFile(path("pic.jpg"), jpeg);
    writeFile(path("PIC.JPEG"), jpeg);
    writeMetafile("emf", path("pic.emf"));
    writeMetafile("wmf", path("pic.Wmf"));
}

void PictureTest::readsEachFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("rightIsGreen");
    QTest::newRow("bmp") << "pic.bmp" << true;
    QTest::newRow("ico") << "pic.ico" << true;
    QTest::newRow("jpg") << "pic.jpg" << true;
    QTest::newRow("JPEG, upper case") << "PIC.JPEG" << true;
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
}

void PictureTest::damagedFileGivesTheDecodersError()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    writeFile(path(name), bytes);
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
    writeFile(path("pic.Gif"), "GIF89a");
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

QTEST_MAIN(PictureTest)
#include "PictureTest.moc"
