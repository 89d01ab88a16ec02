#include "platform/pictures/CoverageMask.h"

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QTest>

#include <algorithm>

namespace {

// Whether `p` lies on an edge of the polygon, to well within 1/64 of a pixel.
bool onEdge(const QPolygonF &polygon, const QPointF &p)
{
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QLineF edge(polygon[i], polygon[(i + 1) % polygon.size()]);
        const QPointF d = edge.p2() - edge.p1();
        const double along = QPointF::dotProduct(p - edge.p1(), d) / QPointF::dotProduct(d, d);
        const QPointF nearest = edge.pointAt(std::clamp(along, 0.0, 1.0));
        if (QLineF(nearest, p).length() < 1.0 / 256)
            return true;
    }
    return false;
}

bool covers(const CoverageMask &mask, const QPoint &pixel)
{
    const QRect area = mask.area();
    return area.contains(pixel)
           && mask.bits()[(pixel.y() - area.top()) * area.width() + (pixel.x() - area.left())] != 0;
}

} // namespace

class CoverageMaskTest : public QObject
{
    Q_OBJECT

private slots:
    void coversWhatQtFills_data();
    void coversWhatQtFills();
    void polygonPastTheAreaCoversAllOfIt_data();
    void polygonPastTheAreaCoversAllOfIt();
};

// Qt's own fill without smoothing of the same polygon decides which pixels
// a polygon covers, centres on its edges and corners included. Qt steps
// along an edge by a rounded slope, so where a centre lies exactly on a
// slanted edge the two may differ; only such pixels may.
void CoverageMaskTest::coversWhatQtFills_data()
{
    QTest::addColumn<QPolygonF>("polygon");
    const auto row = [](const char *name, const QPolygonF &polygon) {
        QTest::newRow(name) << polygon;
        QPolygonF reversed(polygon.rbegin(), polygon.rend());
        QTest::newRow(qPrintable(QStringLiteral("%1, the other way round").arg(name))) << reversed;
    };
    row("triangle", {{3.3, 2.1}, {27.8, 9.4}, {11.2, 28.6}});
    row("thin sliver", {{1.2, 1.7}, {30.4, 29.1}, {30.9, 29.3}});
    row("flat sliver", {{0.3, 14.2}, {31.6, 14.9}, {31.4, 15.05}});
    row("axis-aligned quad on pixel edges", {{4, 4}, {20, 4}, {20, 12}, {4, 12}});
    row("axis-aligned quad on pixel centres", {{4.5, 4.5}, {20.5, 4.5}, {20.5, 12.5}, {4.5, 12.5}});
    row("axis-aligned quad between", {{4.3, 4.7}, {20.2, 4.7}, {20.2, 12.1}, {4.3, 12.1}});
    row("diagonal quad", {{10, 2}, {26, 14}, {18, 26}, {2, 10}});
    row("diagonal quad on pixel centres", {{10.5, 2.5}, {26.5, 14.5}, {18.5, 26.5}, {2.5, 10.5}});
    row("diamond through pixel centres", {{16.5, 2.5}, {28.5, 14.5}, {16.5, 26.5}, {4.5, 14.5}});
    row("line three pixels wide", {{2.1, 30.2}, {0.0, 28.4}, {27.3, 0.9}, {29.4, 2.7}});
    row("steep line three pixels wide", {{13.6, 0.2}, {16.6, 0.3}, {17.1, 31.5}, {14.1, 31.4}});
    row("miter of a join", {{14.0, 16.0}, {14.2, 17.4}, {8.0, 30.5}, {19.5, 18.3}, {16.1, 16.2}});
    row("hexagon", {{10, 3}, {21, 3.5}, {28, 15}, {21.5, 27}, {10.5, 27.5}, {4, 15.5}});
    row("past the area", {{-20.7, -3.2}, {50.1, 8.3}, {12.9, 60.4}});
    row("far past the area", {{-3e7, 15.2}, {16.2, 0.6}, {3e7, 16.8}});
}

void CoverageMaskTest::coversWhatQtFills()
{
    QFETCH(QPolygonF, polygon);
    const QSize size(32, 32);
    QImage theirs(size, QImage::Format_RGB32);
    theirs.fill(Qt::white);
    QPainter painter(&theirs);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(polygon);
    painter.end();

    CoverageMask mask(QRect(QPoint(0, 0), size));
    mask.fillConvex(polygon.constData(), int(polygon.size()));
    QString differing;
    int covered = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const bool filled = theirs.pixel(x, y) == qRgb(0, 0, 0);
            covered += filled;
            if (covers(mask, QPoint(x, y)) != filled && !onEdge(polygon, QPointF(x + 0.5, y + 0.5)))
                differing += QStringLiteral(" %1,%2").arg(x).arg(y);
        }
    QVERIFY(covered > 0);
    QVERIFY2(differing.isEmpty(), qPrintable(QStringLiteral("differ at") + differing));
}

// A polygon past the area on every side, near or far, covers all of it.
void CoverageMaskTest::polygonPastTheAreaCoversAllOfIt_data()
{
    QTest::addColumn<double>("reach");
    QTest::newRow("near") << 40.0;
    QTest::newRow("far") << 1e9;
}

void CoverageMaskTest::polygonPastTheAreaCoversAllOfIt()
{
    QFETCH(double, reach);
    CoverageMask mask(QRect(10, 20, 8, 6));
    const QPointF square[] = {{-reach, -reach}, {reach, -reach}, {reach, reach}, {-reach, reach}};
    mask.fillConvex(square, 4);
    QCOMPARE(mask.touched(), mask.area());
    for (int y = 20; y < 26; ++y)
        for (int x = 10; x < 18; ++x)
            QVERIFY(covers(mask, QPoint(x, y)));
}

QTEST_MAIN(CoverageMaskTest)
#include "CoverageMaskTest.moc"
