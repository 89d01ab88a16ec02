#pragma once

#include <QRect>
#include <QSize>

#include <vector>

// Where the parts of a message box stand, from the measures of its font.
// Plain arithmetic so that it can be checked without a window.
struct MessageFormLayout
{
    struct Input
    {
        QSize baseUnit;             // average character width, character height
        QSize textSize;             // the wrapped message text
        bool hasIcon = false;
        std::vector<int> captionWidths; // one per button, in row order
    };

    static constexpr int IconSize = 32;

    QSize clientSize;
    QRect iconRect;
    QRect textRect;
    std::vector<QRect> buttonRects;

    static MessageFormLayout compute(const Input &input);

    // a * b / c rounded to the nearest integer, halves away from zero.
    static int mulDiv(int a, int b, int c);
};
