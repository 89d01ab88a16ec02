#include "calendar-controls/big-month/TBigKal.h"

#include "platform/paint/Canvas.h"

#include <QPainter>

namespace {
constexpr int SixRowHeight = 34;
constexpr int FiveRowHeight = 41;
} // namespace

TBigKal::TBigKal(QWidget *parent) : MonthControl(parent, QSize(448, 221))
{
    setBarvaCisel(Colors::clBlue);
}

void TBigKal::setBarvaCisel(TColor color)
{
    setColor(m_barvaCisel, color);
}

int TBigKal::rowCount() const
{
    return grid().hasSixRows() ? 6 : 5;
}

int TBigKal::rowHeight() const
{
    return grid().hasSixRows() ? SixRowHeight : FiveRowHeight;
}

int TBigKal::lineY(int i) const
{
    return HeaderHeight + i * rowHeight();
}

int TBigKal::nameLeft(int col, int textWidth)
{
    return ColumnWidth * col + Canvas::divTrunc(ColumnWidth - textWidth, 2);
}

void TBigKal::Draw(QPainter &painter) const
{
    if (!MuzuVykreslit())
        return;
    painter.save();
    painter.setClipRect(rect());
    const QColor white = Colors::clWhite.toQColor();
    painter.setPen(white);
    painter.setBrush(white);
    Canvas::rectangle(painter, 0, 0, width(), height());

    painter.setPen(BarvaCary().toQColor());
    painter.setBrush(BarvaPozadi().toQColor());
    // The outline runs through the centres of the band's outer pixels, so the
    // band covers [0, width) x [0, HeaderHeight) like the other rectangles.
    painter.drawRoundedRect(QRectF(0.5, 0.5, width() - 1, HeaderHeight - 1), CornerWidth / 2.0,
                            CornerHeight / 2.0, Qt::AbsoluteSize);

    for (int i = 1; i < rowCount(); ++i)
        Canvas::lineTo(painter, 0, lineY(i), width(), lineY(i));
    for (int j = 1; j < MonthGrid::Columns; ++j)
        Canvas::lineTo(painter, columnX(j), HeaderHeight, columnX(j), height());

    if (Memo()) {
        painter.setPen(BarvaPisma().toQColor());
        painter.setFont(Canvas::font(fontFace(), 8, true));
        for (int i = 0; i < MonthGrid::Columns; ++i) {
            const QString name = memoLine(MemoLines::DayNameLine + i);
            Canvas::textOut(painter, nameLeft(i, painter.fontMetrics().horizontalAdvance(name)), 2,
                            name, BarvaPozadi().toQColor());
        }
        painter.setPen(BarvaCisel().toQColor());
        painter.setFont(Canvas::font(fontFace(), 18));
        for (int row = 1; row <= MonthGrid::Rows; ++row) {
            for (int col = 0; col < MonthGrid::Columns; ++col) {
                const QString day = grid().DayCellText(col, row);
                if (!day.isEmpty())
                    Canvas::textOut(painter, numberLeft(col), numberTop(row), day, white);
            }
        }
    }
    painter.restore();
}
