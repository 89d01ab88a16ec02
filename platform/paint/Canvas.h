#pragma once

#include "platform/paint/TColor.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

// Drawing rules every control shares, on any QPainter (screen, printer, image).
namespace Canvas {

// Filled with the brush and outlined with the pen; the right and bottom edges
// (x2, y2) are exclusive, so that rectangles sharing an edge do not overlap.
void rectangle(QPainter &painter, int x1, int y1, int x2, int y2);
// Fills [x1, x2) x [y1, y2) with a colour, no outline.
void fillRect(QPainter &painter, const QRect &rect, const QColor &color);
// A line from (x1, y1) towards (x2, y2), the end point not drawn.
void lineTo(QPainter &painter, int x1, int y1, int x2, int y2);
// Text with its top-left corner at (x, y), drawn opaque on `background`.
void textOut(QPainter &painter, int x, int y, const QString &text, const QColor &background);
// Text with its top-left corner at (x, y), transparent background.
void textOutTransparent(QPainter &painter, int x, int y, const QString &text);

// A font whose size is given in points.
QFont font(const QString &family, int pointSize, bool bold = false, bool italic = false);
// "Arial Black" has no heavy face here: it stands in as bold Liberation Sans.
// Font substitution picks only the family, so the weight is set here; the
// application applies the same to every widget's font.
QFont withSubstitutedWeight(QFont font);

// Integer division truncating toward zero (C++ already does; named for clarity).
constexpr int divTrunc(int numerator, int denominator) { return numerator / denominator; }
// Round half to even: the one rounding of every computed position and size,
// so that halves do not all drift the same way.
int roundHalfEven(double value);

} // namespace Canvas
