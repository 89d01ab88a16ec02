#include "platform/paint/Canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

// The canvas rules are pixel rules: nothing may bleed into neighbours.
class AliasedScope
{
public:
    explicit AliasedScope(QPainter &painter) : m_painter(painter)
    {
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing, false);
    }
    ~AliasedScope() { m_painter.restore(); }
    AliasedScope(const AliasedScope &) = delete;
    AliasedScope &operator=(const AliasedScope &) = delete;

private:
    QPainter &m_painter;
};

bool hasPen(const QPainter &painter) { return painter.pen().style() != Qt::NoPen; }

QColor penColor(const QPainter &painter) { return painter.pen().color(); }

// The text cell: advance width by ascent plus descent, as the system measured it.
QRect textCell(const QPainter &painter, int x, int y, const QString &text)
{
    const QFontMetrics metrics = painter.fontMetrics();
    return QRect(x, y, metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent());
}

void drawTextAt(QPainter &painter, int x, int y, const QString &text)
{
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

} // namespace

namespace Canvas {

void rectangle(QPainter &painter, int x1, int y1, int x2, int y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x1 == x2 || y1 == y2)
        return;
    AliasedScope scope(painter);
    const QRect cell(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    if (painter.brush().style() != Qt::NoBrush)
        painter.fillRect(cell, painter.brush());
    if (!hasPen(painter))
        return;
    const QColor pen = penColor(painter);
    painter.fillRect(QRect(x1, y1, cell.width(), 1), pen);
    painter.fillRect(QRect(x1, y2 - 1, cell.width(), 1), pen);
    painter.fillRect(QRect(x1, y1, 1, cell.height()), pen);
    painter.fillRect(QRect(x2 - 1, y1, 1, cell.height()), pen);
}

void fillRect(QPainter &painter, const QRect &rect, const QColor &color)
{
    AliasedScope scope(painter);
    painter.fillRect(rect, color);
}

void lineTo(QPainter &painter, int x1, int y1, int x2, int y2)
{
    if (!hasPen(painter) || (x1 == x2 && y1 == y2))
        return;
    AliasedScope scope(painter);
    const QColor pen = penColor(painter);
    if (x1 == x2 || y1 == y2) {
        // Grid lines are straight: one span, the end point left out.
        const int lastX = x2 - (x2 > x1) + (x2 < x1);
        const int lastY = y2 - (y2 > y1) + (y2 < y1);
        painter.fillRect(QRect(QPoint(std::min(x1, lastX), std::min(y1, lastY)),
                               QPoint(std::max(x1, lastX), std::max(y1, lastY))),
                         pen);
        return;
    }
    // Bresenham from the start point; the loop stops before the end point.
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        painter.fillRect(QRect(x, y, 1, 1), pen);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void textOut(QPainter &painter, int x, int y, const QString &text, const QColor &background)
{
    if (text.isEmpty())
        return;
    fillRect(painter, textCell(painter, x, y, text), background);
    drawTextAt(painter, x, y, text);
}

void textOutTransparent(QPainter &painter, int x, int y, const QString &text)
{
    drawTextAt(painter, x, y, text);
}

QFont font(const QString &family, int pointSize, bool bold, bool italic)
{
    QFont result(family, pointSize, bold ? QFont::Bold : QFont::Normal, italic);
    return withSubstitutedWeight(result);
}

QFont withSubstitutedWeight(QFont font)
{
    if (font.family().compare(QLatin1String("Arial Black"), Qt::CaseInsensitive) == 0
        && font.weight() < QFont::Bold)
        font.setWeight(QFont::Bold);
    return font;
}

int roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        rounded = floor + 1.0;
    return static_cast<int>(rounded);
}

} // namespace Canvas
