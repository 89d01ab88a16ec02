#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/test-support/ControlImage.h"

#include <QTest>

using ControlImage::inkBounds;
using ControlImage::render;

namespace {
const QColor Line(Qt::red);
const QColor Band(0xC0, 0xC0, 0xC0);
const QColor White(Qt::white);

bool numberInk(QColor c) { return c.green() > 100 && c.red() < 100 && c.blue() < 100; }
bool nameInk(QColor c) { return c.blue() > 150 && c.red() < 100 && c.green() < 100; }
} // namespace

class TBigKalTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void rowLayout_data();
    void rowLayout();
    void headerBand_data();
    void headerBand();
    void verticalLinesRunToTheBottom();
    void withoutMemoNoText();
    void dayNumbersStartAtTheTopLeftOfTheirCells_data();
    void dayNumbersStartAtTheTopLeftOfTheirCells();
    void weekdayNamesKeepTheirColour();
    void drawsNothingUntilAllowed();

private:
    std::unique_ptr<TBigKal> m_control;
    StringListMemo m_memo;
};

void TBigKalTest::init()
{
    m_control = std::make_unique<TBigKal>();
    m_control->setStartOfWeek(1);
    QVERIFY(m_control->setYear(2002));
    m_control->setMonth(9);
    m_control->setBarvaCary(Colors::clRed);
    m_control->setBarvaCisel(TColor(0x00008000));
    m_control->setMuzuVykreslit(true);
}

void TBigKalTest::rowLayout_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QList<int>>("lines");
    QTest::newRow("September 2002: six rows of 34") << 2002 << 9 << QList<int>{51, 85, 119, 153, 187};
    QTest::newRow("February 2010: five rows of 41") << 2010 << 2 << QList<int>{58, 99, 140, 181};
    QTest::newRow("January 2002: five rows of 41") << 2002 << 1 << QList<int>{58, 99, 140, 181};
}

void TBigKalTest::rowLayout()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QList<int>, lines);
    QVERIFY(m_control->setYear(year));
    m_control->setMonth(month);
    const QImage image = render(*m_control);
    QList<int> drawn;
    for (int y = 18; y < image.height(); ++y)
        if (image.pixelColor(30, y) == Line && image.pixelColor(447, y) == Line)
            drawn << y;
    QCOMPARE(drawn, lines);
    QCOMPARE(m_control->rowCount(), lines.size() + 1);
    // No outer border below the last row.
    QCOMPARE(image.pixelColor(30, 220), White);
}

void TBigKalTest::headerBand_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("color");
    QTest::newRow("top edge") << QPoint(200, 0) << Line;
    QTest::newRow("bottom edge") << QPoint(200, 16) << Line;
    QTest::newRow("left edge") << QPoint(0, 8) << Line;
    QTest::newRow("right edge") << QPoint(447, 8) << Line;
    QTest::newRow("fill") << QPoint(200, 8) << Band;
    QTest::newRow("rounded corner") << QPoint(0, 0) << White;
    QTest::newRow("below band") << QPoint(30, 17) << White;
}

void TBigKalTest::headerBand()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, color);
    QCOMPARE(render(*m_control).pixelColor(point), color);
}

void TBigKalTest::verticalLinesRunToTheBottom()
{
    const QImage image = render(*m_control);
    for (int j = 1; j <= 6; ++j) {
        QCOMPARE(image.pixelColor(64 * j, 17), Line);
        QCOMPARE(image.pixelColor(64 * j, 220), Line);
        QCOMPARE(image.pixelColor(64 * j + 1, 30), White);
    }
    QCOMPARE(image.pixelColor(0, 30), White);
}

void TBigKalTest::withoutMemoNoText()
{
    const QImage image = render(*m_control);
    QCOMPARE(inkBounds(image, image.rect(), [](QColor c) { return numberInk(c) || nameInk(c); }), QRect());
    QCOMPARE(inkBounds(image, QRect(4, 3, 56, 12), [](QColor c) { return c != Band; }), QRect());
}

void TBigKalTest::dayNumbersStartAtTheTopLeftOfTheirCells_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::newRow("30 September 2002 alone in row 6") << 2002 << 9 << 0 << 6;
    QTest::newRow("1 September 2002 in column 6") << 2002 << 9 << 6 << 1;
    QTest::newRow("31 January 2002 in row 5, column 3") << 2002 << 1 << 3 << 5;
    QTest::newRow("1 January 2002 in column 1") << 2002 << 1 << 1 << 1;
}

void TBigKalTest::dayNumbersStartAtTheTopLeftOfTheirCells()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, col);
    QFETCH(int, row);
    QVERIFY(m_control->setYear(year));
    m_control->setMonth(month);
    m_control->setMemo(&m_memo);
    const QImage image = render(*m_control);
    const int h = m_control->rowHeight();
    const QRect cell(64 * col + 1, 17 + (row - 1) * h + 1, 63, h - 1);
    const QRect ink = inkBounds(image, cell, numberInk);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.left() >= 64 * col + 5 && ink.left() <= 64 * col + 9, qPrintable(QString::number(ink.left())));
    QVERIFY2(ink.top() >= (row - 1) * h + 20 && ink.top() <= (row - 1) * h + 30, qPrintable(QString::number(ink.top())));
    // The cell left of an empty neighbour holds nothing.
    if (col > 0 && m_control->grid().DayCellText(col - 1, row).isEmpty())
        QCOMPARE(inkBounds(image, cell.translated(-64, 0), numberInk), QRect());
}

void TBigKalTest::weekdayNamesKeepTheirColour()
{
    m_control->setMemo(&m_memo);
    const QImage image = render(*m_control);
    for (int i = 0; i < 7; ++i) {
        const QRect ink = inkBounds(image, QRect(64 * i + 1, 1, 62, 15), nameInk);
        QVERIFY(!ink.isEmpty());
        QVERIFY(qAbs((ink.left() + ink.right()) / 2 - (64 * i + 32)) <= 3);
    }
    QCOMPARE(inkBounds(image, QRect(0, 0, 448, 17), numberInk), QRect());
}

void TBigKalTest::drawsNothingUntilAllowed()
{
    m_control->setMuzuVykreslit(false);
    const QImage image = render(*m_control);
    QCOMPARE(inkBounds(image, image.rect(), [](QColor c) { return c != ControlImage::Untouched; }), QRect());
}

QTEST_MAIN(TBigKalTest)
#include "TBigKalTest.moc"
