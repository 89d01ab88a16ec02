#pragma once

// A rectangle on the printer page in dots, by its four edges; right and bottom
// are exclusive.
struct PageRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const PageRect &, const PageRect &) = default;
};
