#include "calendar-controls/month-control/ControlError.h"
#include "calendar-controls/picture/TImageKal.h"

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
    QFile broken(path("broken.jpg"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a jpeg");
}

void TImageKalTest::sameNameLoadsAgainButNotifiesOnce()
{
    TImageKal control;
    QSignalSpy spy(&control, &TImageKal::OnModify);
    control.setFileName(path("a.bmp"));
    QCOMPARE(control.Picture().size(), QSize(30, 20));
    // The file changes on disk: setting the same name reads it again.
    QFile::remove(path("a2.bmp"));
    QVERIFY(QFile::copy(path("a.bmp"), path("a2.bmp")));
    control.setFileName(path("a2.bmp"));
    QFile::remove(path("a2.bmp"));
    QVERIFY(QFile::copy(path("b.bmp"), path("a2.bmp")));
    control.setFileName(path("a2.bmp"));
    QCOMPARE(control.Picture().size(), QSize(10, 10));
    QCOMPARE(spy.size(), 2);
}

void TImageKalTest::caseChangeNotifies()
{
    TImageKal control;
    control.setFileName(path("a.bmp"));
    QSignalSpy spy(&control, &TImageKal::OnModify);
    try {
        control.setFileName(path("A.bmp"));
    } catch (const ControlError &) {
    }
    QCOMPARE(spy.size(), 1);
    QCOMPARE(control.FileName(), path("A.bmp"));
}

void TImageKalTest::failedLoadKeepsTheOldPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown extension") << "a.png" << "Unknown picture file extension (.png)";
    QTest::newRow("missing file") << "none.bmp" << "Cannot open file %1";
    QTest::newRow("damaged file") << "broken.jpg" << "Not a JPEG file: starts with 0x6e 0x6f";
}

void TImageKalTest::failedLoadKeepsTheOldPicture()
{
    QFETCH(QString, name);
    QFETCH(QString, error);
    TImageKal control;
    control.setFileName(path("a.bmp"));
    QSignalSpy spy(&control, &TImageKal::OnModify);
    try {
        control.setFileName(path(name));
        QFAIL("the load did not fail");
    } catch (const ControlError &raised) {
        QCOMPARE(raised.message(), error.contains("%1") ? error.arg(path(name)) : error);
    }
    QCOMPARE(spy.size(), 1);
    QCOMPARE(control.FileName(), path(name));
    QCOMPARE(control.Picture().size(), QSize(30, 20));
}

void TImageKalTest::emptyNameClears()
{
    TImageKal control;
    control.setFileName(path("a.bmp"));
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

QTEST_MAIN(TImageKalTest)
#include "TImageKalTest.moc"
