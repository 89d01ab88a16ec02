#include "calendar-controls/printing/PagePrinting.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/small-month/TSmallKal.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace PagePrinting;

Q_DECLARE_METATYPE(PageRect)

namespace {

constexpr int DotsPerMetre = 11811; // 300 dpi

// A sheet of printer dots, white, at the printer's resolution.
QImage sheet(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMetre);
    image.setDotsPerMeterY(DotsPerMetre);
    image.fill(Qt::white);
    return image;
}

QColor at(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

} // namespace

class PagePrintingTest : public QObject
{
    Q_OBJECT

private slots:
    void pictureRectangle_data();
    void pictureRectangle();
    void bigGridRows_data();
    void bigGridRows();
    void smallMonthFrameAndShadow();

private:
    StringListMemo m_memo;
};

void PagePrintingTest::pictureRectangle_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<PageRect>("expected");
    QTest::newRow("502 x 400 on a month page") << QSize(502, 400) << MonthPictureBox << PageRect{95, 38, 2329, 1818};
    QTest::newRow("502 x 250 on the cover") << QSize(502, 250) << CoverPictureBox << PageRect{89, 397, 2323, 1509};
    QTest::newRow("half dot rounds to even") << QSize(20, 60) << MonthPictureBox << PageRect{1168, 794, 1257, 1061};
    QTest::newRow("larger than the box") << QSize(640, 480) << MonthPictureBox
                                         << PageRect{-212, -140, 2636, 1996};
}

void PagePrintingTest::pictureRectangle()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, box);
    QFETCH(PageRect, expected);
    const PageRect rect = pictureRect(picture, box);
    QCOMPARE(rect.left, expected.left);
    QCOMPARE(rect.top, expected.top);
    QCOMPARE(rect.right, expected.right);
    QCOMPARE(rect.bottom, expected.bottom);
}

void PagePrintingTest::bigGridRows_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("rowHeight");
    QTest::newRow("September 2002") << 2002 << 9 << 6 << 173;
    QTest::newRow("February 2010") << 2010 << 2 << 5 << 208;
    QTest::newRow("January 2002") << 2002 << 1 << 5 << 208;
}

// Band, row lines and column lines of the large grid at (56, 2090).
void PagePrintingTest::bigGridRows()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, rows);
    QFETCH(int, rowHeight);
    TBigKal grid;
    grid.setMemo(&m_memo);
    grid.setStartOfWeek(1);
    QVERIFY(grid.setYear(year));
    grid.setMonth(month);
    grid.setBarvaCary(Colors::clRed);
    grid.setBarvaPozadi(Colors::clSilver);
    QCOMPARE(bigRowCount(grid), rows);
    QCOMPARE(bigRowHeight(grid), rowHeight);

    const int x = 56;
    const int y = 2090;
    QImage image = sheet(QSize(2480, 3508));
    {
        QPainter painter(&image);
        PrintBigKal(painter, x, y, grid);
    }
    const QColor line = Colors::clRed.toQColor();
    const QColor band = Colors::clSilver.toQColor();
    // The band: outlined, filled, 2305 x 83 with rounded corners.
    QCOMPARE(at(image, x + 1000, y), line);
    QCOMPARE(at(image, x + 1000, y + 82), line);
    QCOMPARE(at(image, x + 1000, y + 40), band);
    QCOMPARE(at(image, x + 2304, y + 40), line);
    QCOMPARE(at(image, x + 2305, y + 40), QColor(Qt::white));
    QCOMPARE(at(image, x, y), QColor(Qt::white)); // the corner is rounded off
    // Row lines: rows - 1 of them, 2305 dots long.
    const int clearOfNumbers = x + 300;
    for (int k = 1; k <= 6; ++k) {
        const int lineY = y + 83 + k * rowHeight;
        QCOMPARE(at(image, clearOfNumbers, lineY) == line, k < rows);
    }
    QCOMPARE(at(image, x + 2304, y + 83 + rowHeight), line);
    QCOMPARE(at(image, x + 2305, y + 83 + rowHeight), QColor(Qt::white));
    // Column lines from the band down to y + 1123, whatever the rows.
    for (int i = 1; i <= 6; ++i) {
        QCOMPARE(at(image, x + 330 * i, y + 83), line);
        QCOMPARE(at(image, x + 330 * i, y + 1122), line);
        QCOMPARE(at(image, x + 330 * i, y + 1123), QColor(Qt::white));
    }
    QCOMPARE(at(image, x + 330 * 7, y + 500), QColor(Qt::white));
}

void PagePrintingTest::smallMonthFrameAndShadow()
{
    TSmallKal month;
    month.setMemo(&m_memo);
    month.setBarvaCary(Colors::clRed);
    month.setBarvaPozadi(Colors::clOlive);
    QImage image = sheet(QSize(1000, 600));
    {
        QPainter painter(&image);
        PrintSmallKal(painter, 100, 50, month);
    }
    const QColor frame = Colors::clRed.toQColor();
    const QColor shadow = Colors::clOlive.toQColor();
    QCOMPARE(at(image, 100, 200), frame);
    QCOMPARE(at(image, 743, 200), frame);
    QCOMPARE(at(image, 400, 401), frame);
    QCOMPARE(at(image, 400, 50), frame);
    QCOMPARE(at(image, 744, 200), shadow);
    QCOMPARE(at(image, 773, 431), shadow);
    QCOMPARE(at(image, 774, 200), QColor(Qt::white));
    QCOMPARE(at(image, 400, 432), QColor(Qt::white));
    QCOMPARE(at(image, 129, 420), QColor(Qt::white)); // left of the shadow
    QCOMPARE(at(image, 130, 420), shadow);
    QCOMPARE(at(image, 101, 300), QColor(Qt::white)); // inside the frame
}

QTEST_MAIN(PagePrintingTest)
#include "PagePrintingTest.moc"
