#include "calendar/dialogs/MessageFormLayout.h"

#include <algorithm>
#include <cstdlib>

int MessageFormLayout::mulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long quotient = (std::llabs(product) + half) / std::llabs(c);
    return static_cast<int>(negative ? -quotient : quotient);
}

MessageFormLayout MessageFormLayout::compute(const Input &input)
{
    const int w = input.baseUnit.width();
    const int h = input.baseUnit.height();
    const int horzMargin = mulDiv(8, w, 4);
    const int vertMargin = mulDiv(8, h, 8);
    const int horzSpacing = mulDiv(10, w, 4);
    const int vertSpacing = mulDiv(10, h, 8);
    const int buttonSpacing = mulDiv(4, w, 4);
    const int buttonHeight = mulDiv(14, h, 8);
    int buttonWidth = mulDiv(50, w, 4);
    for (int captionWidth : input.captionWidths)
        buttonWidth = std::max(buttonWidth, captionWidth + 8);

    int iconTextWidth = input.textSize.width();
    int iconTextHeight = input.textSize.height();
    if (input.hasIcon) {
        iconTextWidth += IconSize + horzSpacing;
        iconTextHeight = std::max(iconTextHeight, IconSize);
    }

    const int count = static_cast<int>(input.captionWidths.size());
    const int groupWidth = count > 0 ? buttonWidth * count + buttonSpacing * (count - 1) : 0;

    MessageFormLayout layout;
    layout.clientSize = QSize(std::max(iconTextWidth, groupWidth) + 2 * horzMargin,
                              iconTextHeight + buttonHeight + vertSpacing + 2 * vertMargin);
    if (input.hasIcon)
        layout.iconRect = QRect(horzMargin, vertMargin, IconSize, IconSize);
    layout.textRect = QRect(QPoint(iconTextWidth - input.textSize.width() + horzMargin, vertMargin),
                            input.textSize);

    int x = (layout.clientSize.width() - groupWidth) / 2;
    const int y = iconTextHeight + vertMargin + vertSpacing;
    for (int i = 0; i < count; ++i) {
        layout.buttonRects.emplace_back(x, y, buttonWidth, buttonHeight);
        x += buttonWidth + buttonSpacing;
    }
    return layout;
}
