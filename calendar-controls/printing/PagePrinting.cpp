#include "calendar-controls/printing/PagePrinting.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/picture/TImageKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "platform/paint/Canvas.h"

#include <QPainter>

namespace PagePrinting {

namespace {

constexpr int SixRowHeight = 173;
constexpr int FiveRowHeight = 208;

QString fontFace()
{
    return QStringLiteral("Arial");
}

void setFont(QPainter &painter, int pointSize, bool bold = false)
{
    painter.setFont(Canvas::font(fontFace(), pointSize, bold));
}

int textWidth(const QPainter &painter, const QString &text)
{
    return painter.fontMetrics().horizontalAdvance(text);
}

int textHeight(const QPainter &painter)
{
    return painter.fontMetrics().ascent() + painter.fontMetrics().descent();
}

void setPenAndBrush(QPainter &painter, TColor pen, TColor brush)
{
    painter.setPen(pen.toQColor());
    painter.setBrush(brush.toQColor());
}

QString memoLine(const MonthControl &control, int index)
{
    return control.Memo() ? control.Memo()->line(index) : QString();
}

void textOnWhite(QPainter &painter, int x, int y, const QString &text)
{
    Canvas::textOut(painter, x, y, text, Colors::clWhite.toQColor());
}

} // namespace

int smallCellLeft(int col, int width)
{
    return SmallColumnPitch * col + Canvas::divTrunc(SmallColumnBox - width, 2);
}

int smallRowTop(int row)
{
    return 32 * row + 107;
}

QPoint smallKalOrigin(int month)
{
    const int index = month - 1;
    return QPoint(120 + 760 * (index % 3), 1584 + 430 * (index / 3));
}

int bigRowCount(const TBigKal &grid)
{
    return grid.grid().hasSixRows() ? 6 : 5;
}

int bigRowHeight(const TBigKal &grid)
{
    return grid.grid().hasSixRows() ? SixRowHeight : FiveRowHeight;
}

PageRect pictureRect(QSize picturePixels, QSize box)
{
    // In extended precision, as the layout was computed.
    const auto round = [](long double value) { return Canvas::roundHalfEven(static_cast<double>(value)); };
    const long double width = picturePixels.width() * PictureScale;
    const long double height = picturePixels.height() * PictureScale;
    PageRect rect;
    rect.left = round((box.width() - width) / 2);
    rect.right = rect.left + round(width);
    rect.top = round((box.height() - height) / 2);
    rect.bottom = rect.top + round(height);
    return rect;
}

void PrintSmallKal(QPainter &painter, int x, int y, const TSmallKal &month)
{
    setPenAndBrush(painter, month.BarvaPozadi(), month.BarvaPozadi());
    Canvas::rectangle(painter, x + SmallShadowOffset, y + SmallShadowOffset,
                      x + SmallFrame.width() + SmallShadowOffset, y + SmallFrame.height() + SmallShadowOffset);
    setPenAndBrush(painter, month.BarvaCary(), Colors::clWhite);
    Canvas::rectangle(painter, x, y, x + SmallFrame.width(), y + SmallFrame.height());

    painter.setPen(month.BarvaPisma().toQColor());
    setFont(painter, 14);
    const QString title = memoLine(month, MemoLines::MonthNameLine + month.Month() - 1);
    textOnWhite(painter, x + Canvas::divTrunc(SmallFrame.width() - textWidth(painter, title), 2),
                y + SmallTitleTop, title);
    setFont(painter, 6);
    for (int i = 0; i < MonthGrid::Columns; ++i) {
        const QString letter = memoLine(month, MemoLines::DayLetterLine + i);
        textOnWhite(painter, x + smallCellLeft(i, textWidth(painter, letter)), y + SmallLetterTop, letter);
    }
    for (int row = 1; row <= MonthGrid::Rows; ++row) {
        for (int col = 0; col < MonthGrid::Columns; ++col) {
            const QString day = month.grid().DayCellText(col, row);
            textOnWhite(painter, x + smallCellLeft(col, textWidth(painter, day)), y + smallRowTop(row), day);
        }
    }
}

void PrintBigKal(QPainter &painter, int x, int y, const TBigKal &grid)
{
    const int rows = bigRowCount(grid);
    const int rowHeight = bigRowHeight(grid);
    setPenAndBrush(painter, grid.BarvaCary(), grid.BarvaPozadi());
    // The outline runs through the centres of the band's outer dots, so the
    // band covers [x, x + width) x [y, y + height) like the rectangles.
    painter.drawRoundedRect(QRectF(x + 0.5, y + 0.5, BigWidth - 1, BigBandHeight - 1), BigCorner.width() / 2.0,
                            BigCorner.height() / 2.0, Qt::AbsoluteSize);
    for (int k = 1; k < rows; ++k) {
        const int lineY = y + BigBandHeight + k * rowHeight;
        Canvas::lineTo(painter, x, lineY, x + BigWidth, lineY);
    }
    for (int i = 1; i < MonthGrid::Columns; ++i) {
        const int lineX = x + BigColumnWidth * i;
        Canvas::lineTo(painter, lineX, y + BigBandHeight, lineX, y + BigColumnBottom);
    }

    painter.setPen(grid.BarvaPisma().toQColor());
    setFont(painter, 12, true);
    const QColor band = grid.BarvaPozadi().toQColor();
    for (int i = 0; i < MonthGrid::Columns; ++i) {
        const QString name = memoLine(grid, MemoLines::DayNameLine + i);
        Canvas::textOut(painter, x + BigColumnWidth * i + Canvas::divTrunc(BigColumnWidth - textWidth(painter, name), 2),
                        y + BigNameTop, name, band);
    }

    painter.setBrush(Colors::clWhite.toQColor());
    painter.setPen(grid.BarvaCisel().toQColor());
    setFont(painter, 18);
    for (int row = 1; row <= MonthGrid::Rows; ++row) {
        for (int col = 0; col < MonthGrid::Columns; ++col)
            textOnWhite(painter, x + BigColumnWidth * col + BigNumberLeft,
                        y + (row - 1) * rowHeight + BigNumberTop, grid.grid().DayCellText(col, row));
    }
}

std::optional<PageRect> PrintPicture(QPainter &painter, const TImageKal &picture, QSize box)
{
    if (picture.FileName().isEmpty() || picture.Picture().isNull())
        return std::nullopt;
    const PageRect rect = pictureRect(picture.Picture().size(), box);
    picture.DrawInto(painter, QRectF(rect.left, rect.top, rect.width(), rect.height()));
    return rect;
}

std::optional<PageRect> PrintCoverPage(QPainter &painter, const CoverPage &page)
{
    setFont(painter, 32);
    painter.setPen(page.yearColor.toQColor());
    textOnWhite(painter, Canvas::roundHalfEven((CoverYearBox - textWidth(painter, page.year)) / 2.0),
                CoverYearTop, page.year);
    std::optional<PageRect> pictureRect;
    if (page.picture)
        pictureRect = PrintPicture(painter, *page.picture, CoverPictureBox);
    for (int month = 1; month <= 12; ++month) {
        const QPoint origin = smallKalOrigin(month);
        PrintSmallKal(painter, origin.x(), origin.y(), *page.months[month - 1]);
    }
    return pictureRect;
}

std::optional<PageRect> PrintMonthPage(QPainter &painter, const MonthPage &page, int pageHeight)
{
    std::optional<PageRect> pictureRect;
    if (page.picture)
        pictureRect = PrintPicture(painter, *page.picture, MonthPictureBox);
    setFont(painter, 40);
    painter.setPen(page.textColor.toQColor());
    textOnWhite(painter, MonthNameOrigin.x(), MonthNameOrigin.y(), page.monthName);
    textOnWhite(painter, YearRightEdge - textWidth(painter, page.year), MonthNameOrigin.y(), page.year);
    PrintBigKal(painter, MonthGridOrigin.x(), MonthGridOrigin.y(), *page.grid);
    setFont(painter, 12);
    painter.setPen(page.textColor.toQColor());
    textOnWhite(painter, Canvas::roundHalfEven((BottomTextBox - textWidth(painter, page.text)) / 2.0),
                pageHeight - textHeight(painter), page.text);
    return pictureRect;
}

} // namespace PagePrinting
