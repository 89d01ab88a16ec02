#include "trainer-components/shadow-label/LabelTextDrawing.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

int qtFlags(unsigned flags)
{
    int qt = Qt::AlignTop | Qt::TextExpandTabs;
    if (flags & LabelTextDrawing::WordBreak)
        qt |= Qt::TextWordWrap;
    if (flags & LabelTextDrawing::Right)
        qt |= Qt::AlignRight;
    else if (flags & LabelTextDrawing::Center)
        qt |= Qt::AlignHCenter;
    else
        qt |= Qt::AlignLeft;
    // Without the flag Qt draws "&" as it is, as a label without prefixes does.
    if (!(flags & LabelTextDrawing::NoPrefix))
        qt |= Qt::TextShowMnemonic;
    return qt;
}

} // namespace

QRect LabelTextDrawing::measure(const QFont &font, QPaintDevice *device, const QRect &rect, const QString &text,
                                unsigned flags)
{
    const QFontMetrics metrics = device ? QFontMetrics(font, device) : QFontMetrics(font);
    // Lines break only at the given width; otherwise the text takes what it needs.
    const QRect bounds(rect.topLeft(), flags & WordBreak ? QSize(rect.width(), 0x7FFFFF) : QSize(0x7FFFFF, 0x7FFFFF));
    const QRect measured = metrics.boundingRect(bounds, qtFlags(flags & ~(Right | Center)), text);
    return QRect(rect.topLeft(), measured.size());
}

void LabelTextDrawing::draw(QPainter &painter, const QRect &rect, const QString &text, unsigned flags)
{
    painter.drawText(rect, qtFlags(flags), text);
}
