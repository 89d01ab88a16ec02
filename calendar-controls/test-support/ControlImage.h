#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <functional>

namespace ControlImage {

// Drawn over this colour, a pixel the control leaves alone stays recognisable.
inline const QColor Untouched(0x12, 0x34, 0x56);

template <typename Control> QImage render(const Control &control)
{
    QImage image(control.size(), QImage::Format_RGB32);
    image.fill(Untouched);
    QPainter painter(&image);
    control.Draw(painter);
    return image;
}

// Pixels inside `area` that satisfy `ink`, as their bounding box.
inline QRect inkBounds(const QImage &image, const QRect &area,
                       const std::function<bool(QColor)> &ink)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (ink(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

inline bool notWhite(QColor color)
{
    return color != QColor(Qt::white);
}

} // namespace ControlImage
