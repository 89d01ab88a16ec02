#include "calendar-controls/picture/TImageKal.h"
#include "calendar-controls/test-support/ControlImage.h"
#include "platform/files/TestFiles.h"
#include "platform/pictures/JpegCodec.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TImageKalTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sameNameLoadsAgainButNotifiesOnce();
    void caseChangeNotifies();
    void failedLoadKeepsTheOldPicture_data();
    void failedLoadKeepsTheOldPicture();
    void emptyNameClears();
    void clearWithoutNameNotifiesNobody();
    void showsThePictureCentredAndUnscaled_data();
    void showsThePictureCentredAndUnscaled();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TImageKalTest::initTestCase()
{
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(path("a.bmp"), "BMP"));
    QVERIFY(image.scaled(10, 10).save(path("b.bmp"), "BMP"));
    TestFiles::put(path("broken.jpg"), "not a jpeg");
    // Cut short: only the first half of the file is there.
    const QByteArray bitmap = TestFiles::contentOf(path("a.bmp"));
    TestFiles::put(path("cut.bmp"), bitmap.left(bitmap.size() / 2));
    const QByteArray jpeg = JpegCodec::encode(image);
    TestFiles::put(path("cut.jpg"), jpeg.left(jpeg.size() / 2));
}

void TImageKalTest::sameNameLoadsAgainButNotifiesOnce()
{
    TImageKal control;
    QSignalSpy spy(&control, &TImageKal::OnModify);
    QVERIFY(control.setFileName(path("a.bmp")));
    QCOMPARE(control.Picture().size(), QSize(30, 20));
    // The file changes on disk: setting the same name reads it again.
    QFile::remove(path("a2.bmp"));
    QVERIFY(QFile::copy(path("a.bmp"), path("a2.bmp")));
    QVERIFY(control.setFileName(path("a2.bmp")));
    QFile::remove(path("a2.bmp"));
    QVERIFY(QFile::copy(path("b.bmp"), path("a2.bmp")));
    QVERIFY(control.setFileName(path("a2.bmp")));
    QCOMPARE(control.Picture().size(), QSize(10, 10));
    QCOMPARE(spy.size(), 2);
}

void TImageKalTest::caseChangeNotifies()
{
    TImageKal control;
    QVERIFY(control.setFileName(path("a.bmp")));
    QSignalSpy spy(&control, &TImageKal::OnModify);
    // The old name is still stored while the owner is told.
    QStringList seen;
    connect(&control, &TImageKal::OnModify, this, [&] { seen << control.FileName(); });
    // Only the notification matters here, not whether that spelling loads.
    (void)control.setFileName(path("A.bmp"));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(seen, QStringList{path("a.bmp")});
    QCOMPARE(control.FileName(), path("A.bmp"));
}

void TImageKalTest::failedLoadKeepsTheOldPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown extension") << "a.png" << "Unknown picture file extension (.png)";
    QTest::newRow("missing file") << "none.bmp" << "Cannot open file %1";
    QTest::newRow("damaged file") << "broken.jpg" << "Not a JPEG file: starts with 0x6e 0x6f";
    QTest::newRow("bmp cut short") << "cut.bmp" << "Soubor obrázku předčasně končí.";
    QTest::newRow("jpg cut short") << "cut.jpg" << "Premature end of JPEG file";
}

void TImageKalTest::failedLoadKeepsTheOldPicture()
{
    QFETCH(QString, name);
    QFETCH(QString, error);
    TImageKal control;
    QVERIFY(control.setFileName(path("a.bmp")));
    QSignalSpy spy(&control, &TImageKal::OnModify);
    const Result<> loaded = control.setFileName(path(name));
    QVERIFY2(!loaded, "the load did not fail");
    QCOMPARE(loaded.error(), error.contains("%1") ? error.arg(path(name)) : error);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(control.FileName(), path(name));
    QCOMPARE(control.Picture().size(), QSize(30, 20));
}

void TImageKalTest::emptyNameClears()
{
    TImageKal control;
    QVERIFY(control.setFileName(path("a.bmp")));
    QSignalSpy spy(&control, &TImageKal::OnModify);
    control.Clear();
    QCOMPARE(spy.size(), 1);
    QVERIFY(control.Picture().isNull());
    QVERIFY(control.FileName().isEmpty());
}

void TImageKalTest::clearWithoutNameNotifiesNobody()
{
    TImageKal control;
    QSignalSpy spy(&control, &TImageKal::OnModify);
    control.Clear();
    QCOMPARE(spy.size(), 0);
    QVERIFY(control.Picture().isNull());
}

void TImageKalTest::showsThePictureCentredAndUnscaled_data()
{
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QRect>("shown");
    // The 30 x 20 picture of a.bmp; odd leftovers put the spare pixel right and below.
    QTest::newRow("larger box") << QSize(101, 61) << QRect(35, 20, 30, 20);
    QTest::newRow("exact box") << QSize(30, 20) << QRect(0, 0, 30, 20);
    // (10 - 30) / 2 truncates to -10: the picture overhangs both sides.
    QTest::newRow("narrower box") << QSize(10, 9) << QRect(-10, -5, 30, 20);
}

void TImageKalTest::showsThePictureCentredAndUnscaled()
{
    QFETCH(QSize, box);
    QFETCH(QRect, shown);
    TImageKal control;
    control.resize(box);
    QVERIFY(control.setFileName(path("a.bmp")));
    const QImage image = ControlImage::render(control);
    const QRect red = ControlImage::inkBounds(image, image.rect(), [](QColor c) { return c == QColor(Qt::red); });
    QCOMPARE(red, shown & image.rect());
    QCOMPARE(ControlImage::inkBounds(image, image.rect(), [](QColor c) { return c != QColor(Qt::red); }).isEmpty(),
             shown.contains(image.rect()));
}

QTEST_MAIN(TImageKalTest)
#include "TImageKalTest.moc"
