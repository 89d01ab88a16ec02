#include "trainer/main-window/TrainerArt.h"

#include <QPainter>
#include <QPixmap>

namespace TrainerArt {
namespace {

constexpr int BandTop = 439;
constexpr QPoint TargetCentre{590, 230};

void paintTarget(QPainter &painter, QPoint centre, int outerRadius, int rings)
{
    painter.setPen(Qt::NoPen);
    for (int ring = 0; ring < rings; ++ring) {
        const int radius = outerRadius - ring * outerRadius / rings;
        painter.setBrush(ring % 2 == 0 ? QColor(0xE4, 0xDE, 0xD0) : QColor(0xF4, 0xF1, 0xEA));
        painter.drawEllipse(centre, radius, radius);
    }
    painter.setBrush(QColor(0xB0, 0x3A, 0x2E));
    painter.drawEllipse(centre, outerRadius / rings / 2, outerRadius / rings / 2);
}

// A vertical gradient drawn as solid rows: the raster engine's gradient
// fill was a large part of the main window's start-up.
void fillVertically(QPainter &painter, const QRect &area, QColor top, QColor bottom)
{
    const int rows = area.height();
    for (int row = 0; row < rows; ++row) {
        const double t = rows > 1 ? double(row) / (rows - 1) : 0;
        const auto mix = [t](int a, int b) { return qRound(a + (b - a) * t); };
        painter.fillRect(area.left(), area.top() + row, area.width(), 1,
                         QColor(mix(top.red(), bottom.red()), mix(top.green(), bottom.green()),
                                mix(top.blue(), bottom.blue())));
    }
}

} // namespace

void paintBackground(QPainter &painter)
{
    const int w = BackgroundSize.width();
    const int h = BackgroundSize.height();
    fillVertically(painter, QRect(0, 0, w, BandTop), Qt::white, QColor(0xEC, 0xE6, 0xD6));
    paintTarget(painter, TargetCentre, 150, 6);
    fillVertically(painter, QRect(0, BandTop, w, h - BandTop), QColor(0x3C, 0x46, 0x58), QColor(0x1E, 0x24, 0x30));
    painter.fillRect(0, BandTop, w, 2, QColor(0xB0, 0x3A, 0x2E));
}

QIcon programIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintTarget(painter, {16, 16}, 15, 3);
    return QIcon(pixmap);
}

} // namespace TrainerArt
