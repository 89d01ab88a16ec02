#pragma once

#include "calendar-controls/month-control/MonthControl.h"

#include <QRect>

// A miniature of one month: title, weekday letters and day numbers in a
// white frame with a coloured shadow. 155 x 85 by default.
class TSmallKal : public MonthControl
{
    Q_OBJECT

public:
    explicit TSmallKal(QWidget *parent = nullptr);

    void Draw(QPainter &painter) const override;

    // Geometry shared by drawing and tests.
    QRect shadowRect() const;
    QRect frameRect() const;
    static int titleLeft(int textWidth);
    static int cellLeft(int col, int textWidth);
    static int rowTop(int row);

    static constexpr int TitleTop = 1;
    static constexpr int LetterTop = 17;
    static constexpr int ShadowOffset = 8;
    static constexpr int CellWidth = 20;
};
