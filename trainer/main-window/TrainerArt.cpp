#include "trainer/main-window/TrainerArt.h"

#include <QImage>
#include <QLinearGradient>
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

} // namespace

void paintBackground(QPainter &painter)
{
    const int w = BackgroundSize.width();
    const int h = BackgroundSize.height();
    QLinearGradient field(0, 0, 0, BandTop);
    field.setColorAt(0.0, Qt::white);
    field.setColorAt(1.0, QColor(0xEC, 0xE6, 0xD6));
    painter.fillRect(0, 0, w, BandTop, field);
    paintTarget(painter, TargetCentre, 150, 6);
    QLinearGradient band(0, BandTop, 0, h);
    band.setColorAt(0.0, QColor(0x3C, 0x46, 0x58));
    band.setColorAt(1.0, QColor(0x1E, 0x24, 0x30));
    painter.fillRect(0, BandTop, w, h - BandTop, band);
    painter.fillRect(0, BandTop, w, 2, QColor(0xB0, 0x3A, 0x2E));
}

QImage background()
{
    QImage image(BackgroundSize, QImage::Format_RGB32);
    QPainter painter(&image);
    paintBackground(painter);
    return image;
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
