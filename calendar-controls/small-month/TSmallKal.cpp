#include "calendar-controls/small-month/TSmallKal.h"

#include "platform/paint/Canvas.h"

#include <QPainter>

namespace {
// The title is centred in a 147-pixel frame whatever the control's width.
constexpr int TitleBoxWidth = 147;
} // namespace

TSmallKal::TSmallKal(QWidget *parent) : MonthControl(parent, QSize(155, 85)) {}

QRect TSmallKal::shadowRect() const
{
    return QRect(QPoint(ShadowOffset, ShadowOffset), QPoint(width() - 1, height() - 1));
}

QRect TSmallKal::frameRect() const
{
    return QRect(QPoint(0, 0), QPoint(width() - ShadowOffset - 1, height() - ShadowOffset - 1));
}

int TSmallKal::titleLeft(int textWidth)
{
    return Canvas::divTrunc(TitleBoxWidth - textWidth, 2) + 2;
}

int TSmallKal::cellLeft(int col, int textWidth)
{
    return CellWidth * col + 2 + Canvas::divTrunc(CellWidth - textWidth, 2);
}

int TSmallKal::rowTop(int row)
{
    return 8 * row + LetterTop;
}

static void box(QPainter &painter, const QRect &rect, TColor pen, TColor brush)
{
    painter.setPen(pen.toQColor());
    painter.setBrush(brush.toQColor());
    Canvas::rectangle(painter, rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1);
}

void TSmallKal::Draw(QPainter &painter) const
{
    if (!MuzuVykreslit())
        return;
    painter.save();
    painter.setClipRect(rect());
    box(painter, shadowRect(), BarvaPozadi(), BarvaPozadi());
    box(painter, frameRect(), BarvaCary(), Colors::clWhite);
    if (Memo()) {
        const QColor white = Colors::clWhite.toQColor();
        painter.setPen(BarvaPisma().toQColor());
        painter.setFont(Canvas::font(fontFace(), 10, true));
        const QString title = memoLine(MemoLines::MonthNameLine + Month() - 1);
        Canvas::textOut(painter, titleLeft(painter.fontMetrics().horizontalAdvance(title)),
                        TitleTop, title, white);
        painter.setFont(Canvas::font(fontFace(), 5));
        for (int i = 0; i < MonthGrid::Columns; ++i) {
            const QString letter = memoLine(MemoLines::DayLetterLine + i);
            Canvas::textOut(painter, cellLeft(i, painter.fontMetrics().horizontalAdvance(letter)),
                            LetterTop, letter, white);
        }
        for (int row = 1; row <= MonthGrid::Rows; ++row) {
            for (int col = 0; col < MonthGrid::Columns; ++col) {
                const QString day = grid().DayCellText(col, row);
                if (!day.isEmpty())
                    Canvas::textOut(painter,
                                    cellLeft(col, painter.fontMetrics().horizontalAdvance(day)),
                                    rowTop(row), day, white);
            }
        }
    }
    painter.restore();
}
