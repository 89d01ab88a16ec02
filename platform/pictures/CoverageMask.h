#pragma once

#include <QPointF>
#include <QRect>

#include <climits>
#include <cstdint>
#include <vector>

// The pixels of a device area that a set of convex polygons covers, decided
// as Qt's fill without smoothing decides it: a pixel is covered when its
// centre lies inside a polygon, or on its bottom or right edge, with the
// corners taken to 1/64 of a pixel. Each polygon costs one span a row, and
// the area a byte a pixel.
class CoverageMask
{
public:
    // Nothing covered yet; an area reaches no farther than 2^20 pixels from
    // the origin.
    explicit CoverageMask(const QRect &area);

    QRect area() const { return m_area; }
    // A rectangle that holds every covered pixel (empty when none is).
    QRect touched() const;
    // Corners in device pixels, in either order round. A polygon that every
    // row crosses once (a convex one, or one whose sides each run only down
    // from its top) is covered whole; another covers some of its pixels.
    void fillConvex(const QPointF *corners, int count);

    // Where along a line a dashed polygon covers: the pixels whose centre
    // (x, y) lies `a * x + b * y + c` along it within one of the stretches,
    // which come in order of both their ends.
    struct Stretch
    {
        double from;
        double to;
    };
    struct Along
    {
        double a;
        double b;
        double c;
        const Stretch *stretches;
        int count;
    };
    // The pixels of the polygon that lie along `along` within its stretches.
    void fillConvex(const QPointF *corners, int count, const Along &along);
    // Covers what `other`, a mask of the same area, covers too.
    void add(const CoverageMask &other);
    // One byte for each pixel of the area, row by row, 1 where covered.
    const uint8_t *bits() const { return m_bits.data(); }

private:
    template <class Rows>
    void fill(const QPointF *corners, int count, Rows rows);

    QRect m_area;
    int m_touchedLeft = INT_MAX;
    int m_touchedTop = INT_MAX;
    int m_touchedEnd = INT_MIN;
    int m_touchedBottomEnd = INT_MIN;
    std::vector<uint8_t> m_bits;
};
