#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar-controls/test-support/ControlImage.h"

#include <QTest>

using ControlImage::inkBounds;
using ControlImage::notWhite;
using ControlImage::render;
using ControlImage::Untouched;

class TSmallKalTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void drawsNothingUntilAllowed();
    void withoutMemoOnlyShadowAndFrame();
    void shadowAndFramePixels_data();
    void shadowAndFramePixels();
    void dayNumbersSitInTheirCells();
    void titleAndLettersSitInTheirBands();
    void wideTitleIsClippedOnTheLeft();

private:
    std::unique_ptr<TSmallKal> m_control;
    StringListMemo m_memo;
};

void TSmallKalTest::init()
{
    m_control = std::make_unique<TSmallKal>();
    QVERIFY(m_control->setYear(2002));
    m_control->setMonth(1);
    m_control->setStartOfWeek(1);
    m_control->setBarvaCary(Colors::clRed);
    m_control->setMuzuVykreslit(true);
}

void TSmallKalTest::drawsNothingUntilAllowed()
{
    m_control->setMemo(&m_memo);
    m_control->setMuzuVykreslit(false);
    const QImage image = render(*m_control);
    QCOMPARE(inkBounds(image, image.rect(), [](QColor c) { return c != Untouched; }), QRect());
}

void TSmallKalTest::withoutMemoOnlyShadowAndFrame()
{
    const QImage image = render(*m_control);
    // Inside the frame everything stays white: no title, letters or numbers.
    QCOMPARE(inkBounds(image, QRect(1, 1, 145, 75), notWhite), QRect());
}

void TSmallKalTest::shadowAndFramePixels_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("color");
    const QColor red(Qt::red);
    const QColor silver(0xC0, 0xC0, 0xC0);
    QTest::newRow("frame top-left") << QPoint(0, 0) << red;
    QTest::newRow("frame top-right") << QPoint(146, 0) << red;
    QTest::newRow("frame bottom-left") << QPoint(0, 76) << red;
    QTest::newRow("frame bottom-right") << QPoint(146, 76) << red;
    QTest::newRow("frame inside") << QPoint(145, 75) << QColor(Qt::white);
    QTest::newRow("shadow right of frame") << QPoint(147, 8) << silver;
    QTest::newRow("shadow below frame") << QPoint(8, 77) << silver;
    QTest::newRow("shadow last pixel") << QPoint(154, 84) << silver;
    QTest::newRow("above shadow") << QPoint(150, 7) << Untouched;
    QTest::newRow("left of shadow") << QPoint(7, 80) << Untouched;
}

void TSmallKalTest::shadowAndFramePixels()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, color);
    QCOMPARE(render(*m_control).pixelColor(point), color);
}

void TSmallKalTest::dayNumbersSitInTheirCells()
{
    m_control->setMemo(&m_memo);
    const QImage image = render(*m_control);
    const auto cell = [](int col, int row) { return QRect(20 * col + 2, TSmallKal::rowTop(row), 20, 8); };
    // January 2002, Monday first: the 1st in column 1, the 31st in row 5 column 3.
    QCOMPARE(inkBounds(image, cell(0, 1), notWhite), QRect());
    QVERIFY(!inkBounds(image, cell(1, 1), notWhite).isEmpty());
    QVERIFY(!inkBounds(image, cell(3, 5), notWhite).isEmpty());
    QCOMPARE(inkBounds(image, cell(4, 5), notWhite), QRect());
    QCOMPARE(inkBounds(image, QRect(1, TSmallKal::rowTop(6), 145, 11), notWhite), QRect());
    // A centred one-digit number starts right of its cell's left edge and
    // ends left of its right edge.
    const QRect one = inkBounds(image, cell(1, 1), notWhite);
    QVERIFY(one.left() > 22 + 3);
    QVERIFY(one.right() < 42 - 3);
    // Blue text antialiased on white: every ink pixel is a tint of pure blue.
    const QRect off = inkBounds(image, cell(1, 1), [](QColor c) {
        return c != QColor(Qt::white) && (c.blue() != 255 || c.red() != c.green());
    });
    QCOMPARE(off, QRect());
}

void TSmallKalTest::titleAndLettersSitInTheirBands()
{
    m_control->setMemo(&m_memo);
    const QImage image = render(*m_control);
    // Accents of the letter row reach above their cells: look for the bold title's full blue.
    const QRect title = inkBounds(image, QRect(1, 1, 145, 16), [](QColor c) { return c == QColor(Qt::blue); });
    QVERIFY(!title.isEmpty());
    // "Leden" centred in the 147-pixel title box.
    QVERIFY(qAbs((title.left() + title.right()) / 2 - 75) <= 3);
    for (int col = 0; col < 7; ++col)
        QVERIFY(!inkBounds(image, QRect(20 * col + 2, TSmallKal::LetterTop, 20, 8), notWhite).isEmpty());
}

void TSmallKalTest::wideTitleIsClippedOnTheLeft()
{
    QStringList lines = StringListMemo::builtInCzechCalendarLines();
    lines[0] = QString(40, QLatin1Char('W'));
    const StringListMemo memo(lines);
    m_control->setMemo(&memo);
    QVERIFY(TSmallKal::titleLeft(300) < 0);
    const QImage image = render(*m_control);
    QVERIFY(!inkBounds(image, QRect(0, 1, 4, 14), [](QColor c) { return c.blue() > 128 && c.red() < 128; })
                 .isEmpty());
}

QTEST_MAIN(TSmallKalTest)
#include "TSmallKalTest.moc"
