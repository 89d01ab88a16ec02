#include "platform/paint/Canvas.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <functional>

namespace {

const QRgb kPaper = qRgb(255, 255, 255);
const QRgb kPen = qRgb(0, 0, 255);
const QRgb kBrush = qRgb(0, 255, 0);

QImage blankImage(int width = 40, int height = 30)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kPaper);
    return image;
}

// Every pixel of the image must have the colour `expected` gives it.
void comparePixels(const QImage &image, const std::function<QRgb(int, int)> &expected)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != expected(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, expected %4")
                                     .arg(x).arg(y)
                                     .arg(image.pixel(x, y), 8, 16, QLatin1Char('0'))
                                     .arg(expected(x, y), 8, 16, QLatin1Char('0'))));
        }
    }
}

// An image painted by `draw` with the pen colour set and antialiasing asked
// for, which the canvas rules must override.
QImage drawn(const std::function<void(QPainter &)> &draw)
{
    QImage image = blankImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(kPen));
    draw(painter);
    painter.end();
    return image;
}

} // namespace

class CanvasTest : public QObject
{
    Q_OBJECT

private slots:
    void rectangleCoversExactlyItsCells_data()
    {
        QTest::addColumn<QRect>("corners"); // x1, y1, x2, y2 as left, top, right, bottom
        QTest::addColumn<bool>("filled");
        QTest::newRow("filled") << QRect(QPoint(5, 4), QPoint(20, 12)) << true;
        QTest::newRow("outline only") << QRect(QPoint(5, 4), QPoint(20, 12)) << false;
        QTest::newRow("corners swapped") << QRect(QPoint(20, 12), QPoint(5, 4)) << true;
        QTest::newRow("one pixel") << QRect(QPoint(3, 3), QPoint(4, 4)) << true;
        QTest::newRow("two by two") << QRect(QPoint(3, 3), QPoint(5, 5)) << true;
        QTest::newRow("at the image edge") << QRect(QPoint(0, 0), QPoint(40, 30)) << true;
    }
    void rectangleCoversExactlyItsCells()
    {
        QFETCH(QRect, corners);
        QFETCH(bool, filled);
        const QImage image = drawn([&](QPainter &painter) {
            painter.setBrush(filled ? QBrush(QColor(kBrush)) : QBrush(Qt::NoBrush));
            Canvas::rectangle(painter, corners.left(), corners.top(), corners.right(), corners.bottom());
        });
        const int left = std::min(corners.left(), corners.right());
        const int right = std::max(corners.left(), corners.right());
        const int top = std::min(corners.top(), corners.bottom());
        const int bottom = std::max(corners.top(), corners.bottom());
        comparePixels(image, [&](int x, int y) {
            if (x < left || x >= right || y < top || y >= bottom)
                return kPaper;
            if (x == left || x == right - 1 || y == top || y == bottom - 1)
                return kPen;
            return filled ? kBrush : kPaper;
        });
    }

    void emptyRectangleDrawsNothing()
    {
        const QImage image = drawn([](QPainter &painter) {
            Canvas::rectangle(painter, 5, 5, 5, 20);
            Canvas::rectangle(painter, 5, 5, 20, 5);
        });
        comparePixels(image, [](int, int) { return kPaper; });
    }

    void rectangleLeavesThePainterAsItWas()
    {
        QImage image = blankImage();
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QColor(kPen));
        Canvas::rectangle(painter, 1, 1, 5, 5);
        QVERIFY(painter.testRenderHint(QPainter::Antialiasing));
        QCOMPARE(painter.pen().color(), QColor(kPen));
    }

    void lineLeavesOutItsEndPoint_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("right") << QPoint(2, 5) << QPoint(12, 5);
        QTest::newRow("left") << QPoint(12, 5) << QPoint(2, 5);
        QTest::newRow("down") << QPoint(7, 1) << QPoint(7, 20);
        QTest::newRow("up") << QPoint(7, 20) << QPoint(7, 1);
        QTest::newRow("diagonal") << QPoint(1, 1) << QPoint(9, 9);
        QTest::newRow("diagonal back") << QPoint(9, 9) << QPoint(1, 1);
        QTest::newRow("shallow") << QPoint(0, 0) << QPoint(30, 7);
        QTest::newRow("steep") << QPoint(3, 25) << QPoint(9, 2);
        QTest::newRow("one step") << QPoint(4, 4) << QPoint(5, 4);
    }
    void lineLeavesOutItsEndPoint()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        const QImage image = drawn(
            [&](QPainter &painter) { Canvas::lineTo(painter, from.x(), from.y(), to.x(), to.y()); });
        const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                QVERIFY(pixel == kPaper || pixel == kPen);
                inked += pixel == kPen;
            }
        }
        QCOMPARE(inked, steps);
        QCOMPARE(image.pixel(from), kPen);
        QCOMPARE(image.pixel(to), kPaper);
    }

    void degenerateLineDrawsNothing()
    {
        const QImage image = drawn([](QPainter &painter) { Canvas::lineTo(painter, 6, 6, 6, 6); });
        comparePixels(image, [](int, int) { return kPaper; });
    }

    void opaqueTextFillsItsCellOnly()
    {
        QImage image = blankImage(120, 60);
        QRect cell;
        {
            QPainter painter(&image);
            painter.setFont(Canvas::font("Arial", 12));
            painter.setPen(QColor(Qt::black));
            const QFontMetrics metrics = painter.fontMetrics();
            cell = QRect(10, 8, metrics.horizontalAdvance("Hg 12"), metrics.ascent() + metrics.descent());
            Canvas::textOut(painter, 10, 8, "Hg 12", QColor(kBrush));
        }
        int ink = 0;
        int background = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (!cell.contains(x, y)) {
                    QCOMPARE(pixel, kPaper);
                    continue;
                }
                QVERIFY(pixel != kPaper);
                (pixel == kBrush ? background : ink) += 1;
            }
        }
        QVERIFY(ink > 20);
        QVERIFY(background > ink);
        QCOMPARE(image.pixel(cell.topLeft()), kBrush);
    }

    void transparentTextKeepsTheBackground()
    {
        QImage image = blankImage(120, 60);
        {
            QPainter painter(&image);
            painter.setFont(Canvas::font("Arial", 12));
            painter.setPen(QColor(Qt::black));
            Canvas::textOutTransparent(painter, 10, 8, "Hg");
        }
        QCOMPARE(image.pixel(10, 8), kPaper);
        QVERIFY(image != blankImage(120, 60));
    }

    void fontSizeIsInPoints()
    {
        const auto cellHeight = [](int dotsPerInch) {
            QImage image(10, 10, QImage::Format_RGB32);
            image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
            image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
            QPainter painter(&image);
            painter.setFont(Canvas::font("Arial", 12));
            return painter.fontMetrics().ascent() + painter.fontMetrics().descent();
        };
        const int screen = cellHeight(96);
        const int printer = cellHeight(300);
        QVERIFY2(qAbs(printer * 96.0 / 300.0 - screen) <= 1.5,
                 qPrintable(QStringLiteral("%1 at 96 dpi, %2 at 300 dpi").arg(screen).arg(printer)));
    }

    void arialBlackStandsInAsBold_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Arial Black") << "Arial Black" << true;
        QTest::newRow("any case") << "arial black" << true;
        QTest::newRow("Arial") << "Arial" << false;
    }
    void arialBlackStandsInAsBold()
    {
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QCOMPARE(Canvas::font(family, 12).bold(), bold);
        QCOMPARE(Canvas::withSubstitutedWeight(QFont(family, 8)).bold(), bold);
        QVERIFY(Canvas::font(family, 12, true, true).italic());
    }

    void divisionTruncatesTowardZero_data()
    {
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<int>("quotient");
        QTest::newRow("exact") << 12 << 4 << 3;
        QTest::newRow("positive") << 7 << 2 << 3;
        QTest::newRow("negative numerator") << -7 << 2 << -3;
        QTest::newRow("negative denominator") << 7 << -2 << -3;
        QTest::newRow("both negative") << -7 << -2 << 3;
        QTest::newRow("centring a wider text") << 20 - 35 << 2 << -7;
    }
    void divisionTruncatesTowardZero()
    {
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        QFETCH(int, quotient);
        QCOMPARE(Canvas::divTrunc(numerator, denominator), quotient);
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("3.5") << 3.5 << 4;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("just below half") << 2.4999999 << 2;
        QTest::newRow("just above half") << 2.5000001 << 3;
        QTest::newRow("negative fraction") << -2.6 << -3;
        QTest::newRow("whole") << 7.0 << 7;
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(Canvas::roundHalfEven(value), rounded);
    }
};

QTEST_MAIN(CanvasTest)
#include "CanvasTest.moc"
