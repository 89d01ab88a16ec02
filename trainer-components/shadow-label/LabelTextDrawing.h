#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPaintDevice;
class QPainter;

// The text-drawing flags labels use, and their one translation onto Qt's
// text drawing and measuring.
namespace LabelTextDrawing {

enum Flag : unsigned {
    Left = 0x0000,
    Center = 0x0001,
    Right = 0x0002,
    WordBreak = 0x0010,
    ExpandTabs = 0x0040,
    CalcRect = 0x0400,
    NoPrefix = 0x0800,
};

// The rectangle the text takes when drawn from the top-left of `rect` with
// `flags` (left and top kept; with WordBreak the width of `rect` limits lines).
QRect measure(const QFont &font, QPaintDevice *device, const QRect &rect, const QString &text, unsigned flags);
// Draws the text into `rect` with the painter's font and pen.
void draw(QPainter &painter, const QRect &rect, const QString &text, unsigned flags);

} // namespace LabelTextDrawing
