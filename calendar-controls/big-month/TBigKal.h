#pragma once

#include "calendar-controls/month-control/MonthControl.h"

// One month as a large week grid: a rounded header band with the weekday
// names and five or six week rows with the day numbers at the top left of
// their cells. 448 x 221 by default.
class TBigKal : public MonthControl
{
    Q_OBJECT

public:
    explicit TBigKal(QWidget *parent = nullptr);

    TColor BarvaCisel() const { return m_barvaCisel; }
    void setBarvaCisel(TColor color);

    void Draw(QPainter &painter) const override;

    // Geometry shared by drawing and tests.
    int rowCount() const;
    int rowHeight() const;
    int lineY(int i) const;          // horizontal line i, 1..rowCount()-1
    static int columnX(int j) { return ColumnWidth * j; }
    static int nameLeft(int col, int textWidth);
    static int numberLeft(int col) { return ColumnWidth * col + 5; }
    int numberTop(int row) const { return (row - 1) * rowHeight() + 20; }

    static constexpr int HeaderHeight = 17;
    static constexpr int ColumnWidth = 64;
    static constexpr int CornerWidth = 8;
    static constexpr int CornerHeight = 12;

private:
    TColor m_barvaCisel;
};
