#include "calendar/main-window/LazyStandardIcon.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

class LazyStandardIconTest : public QObject
{
    Q_OBJECT

private slots:
    void drawsAsTheStylesPicture_data();
    void drawsAsTheStylesPicture();
};

void LazyStandardIconTest::drawsAsTheStylesPicture_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<int>("size");
    QTest::newRow("file, menu size") << int(QStyle::SP_FileIcon) << 16;
    QTest::newRow("open, menu size") << int(QStyle::SP_DialogOpenButton) << 16;
    QTest::newRow("cancel, button size") << int(QStyle::SP_DialogCancelButton) << 20;
    QTest::newRow("ok, large") << int(QStyle::SP_DialogOkButton) << 48;
}

void LazyStandardIconTest::drawsAsTheStylesPicture()
{
    QFETCH(int, picture);
    QFETCH(int, size);
    const auto standard = QStyle::StandardPixmap(picture);
    const QIcon expected = QApplication::style()->standardIcon(standard);
    const QIcon lazy = lazyStandardIcon(standard);
    QVERIFY(!lazy.isNull());
    QCOMPARE(lazy.availableSizes(), expected.availableSizes());
    QCOMPARE(lazy.actualSize(QSize(size, size)), expected.actualSize(QSize(size, size)));
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active})
        QCOMPARE(lazy.pixmap(size, mode).toImage(), expected.pixmap(size, mode).toImage());

    QImage painted(size, size, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    QImage reference = painted;
    QPainter onPainted(&painted);
    lazy.paint(&onPainted, painted.rect());
    onPainted.end();
    QPainter onReference(&reference);
    expected.paint(&onReference, reference.rect());
    onReference.end();
    QCOMPARE(painted, reference);
}

QTEST_MAIN(LazyStandardIconTest)
#include "LazyStandardIconTest.moc"
