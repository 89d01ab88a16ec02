#include "platform/pictures/CoverageMask.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// Qt's fixed point: 1/64 of a pixel; a centre lies half a pixel in.
constexpr int64_t One = 64;
constexpr int64_t Half = One / 2;
// Corners farther out than this (in pixels) are cut to the area first, and
// the area lies within it, so that the sums below stay exact in 64 bits.
constexpr double Farthest = 1 << 20;

struct Fixed
{
    int64_t x;
    int64_t y;
};

// The whole part of n / d for a positive `d`, and the rest, from a near
// guess of the quotient (doubles divide faster than 64-bit integers).
struct Quotient
{
    int64_t whole;
    int64_t rest;
};

// Inlined: a polygon of a few rows sets up each of its sides this way.
[[gnu::always_inline]] inline Quotient divided(int64_t n, int64_t d, double guess)
{
    auto whole = int64_t(guess);
    int64_t rest = n - whole * d;
    while (rest < 0) {
        --whole;
        rest += d;
    }
    while (rest >= d) {
        ++whole;
        rest -= d;
    }
    return {whole, rest};
}

// The first pixel, row or column, whose centre lies past `v`.
int64_t pixelPast(int64_t v)
{
    return ((v - Half) >> 6) + 1;
}

// The polygon's part inside `box` (one side of it at a time).
QVarLengthArray<QPointF, 64> cut(const QPointF *corners, int count, const QRectF &box)
{
    QVarLengthArray<QPointF, 64> polygon(corners, corners + count);
    const auto side = [&polygon](auto inside, auto meet) {
        QVarLengthArray<QPointF, 64> kept;
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            const QPointF a = polygon[i];
            const QPointF b = polygon[(i + 1) % polygon.size()];
            if (inside(a))
                kept.append(a);
            if (inside(a) != inside(b))
                kept.append(meet(a, b));
        }
        polygon = kept;
    };
    const auto atX = [](double x) {
        return [x](const QPointF &a, const QPointF &b) {
            return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()));
        };
    };
    const auto atY = [](double y) {
        return [y](const QPointF &a, const QPointF &b) {
            return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y);
        };
    };
    side([&box](const QPointF &p) { return p.x() >= box.left(); }, atX(box.left()));
    side([&box](const QPointF &p) { return p.x() <= box.right(); }, atX(box.right()));
    side([&box](const QPointF &p) { return p.y() >= box.top(); }, atY(box.top()));
    side([&box](const QPointF &p) { return p.y() <= box.bottom(); }, atY(box.bottom()));
    return polygon;
}

// Qt's fixed point of a coordinate: the nearest 1/64.
int64_t fixedOf(double v)
{
    // Adding 1.5 * 2^52 leaves the nearest whole number in the low bits.
    const double shifted = v * One + 6755399441055744.0;
    int64_t bits;
    std::memcpy(&bits, &shifted, sizeof bits);
    return bits - 0x4338000000000000;
}

// Spans of up to eight covered pixels, as the bytes they set.
constexpr uint8_t ShortSpans[9][8] = {{0, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0}, {1, 1, 0, 0, 0, 0, 0, 0},
                                      {1, 1, 1, 0, 0, 0, 0, 0}, {1, 1, 1, 1, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 0, 0, 0},
                                      {1, 1, 1, 1, 1, 1, 0, 0}, {1, 1, 1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 1, 1, 1}};
// Bytes the mask keeps past its last row, so that a short span is set as one
// word of eight bytes without a branch on its length.
constexpr size_t Slack = 8;

// Sets `length` bytes from `at` (none when it is not positive); a line's
// spans are a few pixels long, and whether one is 3 or 4 as good as random.
void cover(uint8_t *at, int64_t length)
{
    if (length > 8) {
        std::memset(at, 1, size_t(length));
        return;
    }
    uint64_t word;
    uint64_t span;
    std::memcpy(&word, at, 8);
    std::memcpy(&span, ShortSpans[std::max<int64_t>(length, 0)], 8);
    word |= span;
    std::memcpy(at, &word, 8);
}

// Walks one side of a polygon (`count` edges between its corners from the
// top down) down the rows: on the row of centre `c`, `first` is the first
// pixel whose centre lies right of the side, floor((x(c) - Half) / One) + 1,
// worked out exactly from row to row.
struct Side
{
    const Fixed *corners;
    int count;
    int at = -1;
    int64_t d = 1;
    int64_t first = 0;
    int64_t rest = 0;
    int64_t stepFirst = 0;
    int64_t stepRest = 0;

    // The lowest centre the edge in use reaches.
    int64_t end() const { return corners[at + 1].y; }
    // Moves to the edge that the row of centre `c` crosses (rows only go
    // down), unless the walk is on it already.
    [[gnu::always_inline]] void reach(int64_t c)
    {
        if (at >= 0 && c <= end())
            return;
        at = std::max(at, 0);
        while (at + 1 < count && c > corners[at + 1].y)
            ++at;
        const Fixed a = corners[at];
        const Fixed b = corners[at + 1];
        const int64_t dy = std::max<int64_t>(b.y - a.y, 1);
        const int64_t dx = b.x - a.x;
        d = One * dy;
        const double slope = double(dx) / double(dy);
        const Quotient start = divided((a.x - Half) * dy + (c - a.y) * dx, d,
                                       (double(a.x - Half) + double(c - a.y) * slope) / One);
        first = start.whole + 1;
        rest = start.rest;
        const Quotient step = divided(dx, dy, slope);
        stepFirst = step.whole;
        stepRest = step.rest * One;
    }
};

// Covers a row from the pixel `from` up to `to` (counted from the area's
// left; none when `to` is not past `from`).
struct PlainRows
{
    void start(int64_t, int64_t) {}
    [[gnu::always_inline]] void operator()(uint8_t *row, int64_t from, int64_t to) { cover(row + from, to - from); }
};

// Covers the pixels of a row that lie along a line within its stretches,
// row after row from the first. Going down, the distance along the line
// grows, so the stretch that a row begins in moves on with the rows.
struct DashedRows
{
    // The distance of a pixel's centre (x, y): a * x + b * y + c, with b not below 0.
    double a;
    double b;
    double c;
    double inverse;
    const CoverageMask::Stretch *stretches;
    int count;
    double rowAlong = 0;
    // The stretch that the row before began in, and the gap before it;
    // none to start with.
    int at = 0;
    double gapFrom = 0;
    double stretchFrom = 0;
    double stretchTo = -1;

    void start(int64_t firstRow, int64_t areaLeft)
    {
        rowAlong = a * (double(areaLeft) + 0.5) + b * (double(firstRow) + 0.5) + c;
    }
    // Most rows lie all within the stretch or the gap before it of the
    // row before; those cost a few sums.
    [[gnu::always_inline]] void operator()(uint8_t *row, int64_t from, int64_t to)
    {
        const double here = rowAlong;
        rowAlong += b;
        const double first = here + a * double(from);
        const double last = here + a * double(to - 1);
        const double low = std::min(first, last);
        const double high = std::max(first, last);
        if (low >= stretchFrom && high <= stretchTo)
            cover(row + from, to - from);
        else if (low > gapFrom && high < stretchFrom)
            return;
        else if (to > from)
            crossing(row, from, to, here, low, high);
    }

    // A row that lies past the stretch and gap of the row before, or
    // crosses an end of a stretch (so the distance changes along it).
    [[gnu::noinline]] void crossing(uint8_t *row, int64_t from, int64_t to, double here, double low, double high)
    {
        const CoverageMask::Stretch *s = stretches;
        const int n = count;
        while (at < n && s[at].to < low)
            ++at;
        while (at > 0 && s[at - 1].to >= low)
            --at;
        constexpr double Infinite = std::numeric_limits<double>::infinity();
        gapFrom = at > 0 ? s[at - 1].to : -Infinite;
        stretchFrom = at < n ? s[at].from : Infinite;
        stretchTo = at < n ? s[at].to : Infinite;
        for (int i = at; i < n && s[i].from <= high; ++i) {
            double begin = (s[i].from - here) * inverse;
            double end = (s[i].to - here) * inverse;
            if (a < 0)
                std::swap(begin, end);
            const auto firstPixel = int64_t(std::ceil(std::clamp(begin, double(from), double(to))));
            const auto endPixel = int64_t(std::floor(std::clamp(end, double(from) - 1, double(to) - 1))) + 1;
            if (endPixel > firstPixel)
                cover(row + firstPixel, endPixel - firstPixel);
        }
    }
};

// Covers `rows` rows from `row` between the two sides, and takes the sides
// on as far. A polygon's sides stay within its leftmost and rightmost
// corners, so only one that reaches past the area needs its spans cut to
// `low` and `high` (counted, like `row`, from the area's left).
// Kept out of line so that the loop has the registers to itself.
template <bool Cut, class Rows>
[[gnu::noinline]] void spans(uint8_t *row, size_t width, int64_t rows, Side &left, Side &right, int64_t areaLeft,
                             int64_t low, int64_t high, Rows &covered)
{
    // Each rest is kept less its divisor, so that its sign tells whether it
    // carries: a shift, without a comparison or a branch (whether it carries
    // is as good as random).
    int64_t from = left.first - areaLeft;
    int64_t fromRest = left.rest - left.d;
    const int64_t fromStep = left.stepFirst + 1;
    const int64_t fromStepRest = left.stepRest;
    const int64_t fromD = left.d;
    int64_t to = right.first - areaLeft;
    int64_t toRest = right.rest - right.d;
    const int64_t toStep = right.stepFirst + 1;
    const int64_t toStepRest = right.stepRest;
    const int64_t toD = right.d;
    for (int64_t i = rows; i > 0; --i, row += width) {
        if constexpr (Cut) {
            // Inside the row even where the span is empty: the word is set all the same.
            const int64_t a = std::min(std::max(from, low), high);
            covered(row, a, std::min(to, high));
        } else {
            covered(row, from, to);
        }
        fromRest += fromStepRest;
        const int64_t fromKept = fromRest >> 63;
        from += fromStep + fromKept;
        fromRest -= fromD & ~fromKept;
        toRest += toStepRest;
        const int64_t toKept = toRest >> 63;
        to += toStep + toKept;
        toRest -= toD & ~toKept;
    }
    fromRest += fromD;
    toRest += toD;
    left.first = from + areaLeft;
    left.rest = fromRest;
    right.first = to + areaLeft;
    right.rest = toRest;
}

} // namespace

CoverageMask::CoverageMask(const QRect &area)
    : m_area(area & QRect(-int(Farthest), -int(Farthest), 2 * int(Farthest), 2 * int(Farthest))),
      m_bits(size_t(m_area.width()) * size_t(m_area.height()) + Slack)
{
}

QRect CoverageMask::touched() const
{
    if (m_touchedLeft >= m_touchedEnd || m_touchedTop >= m_touchedBottomEnd)
        return {};
    return QRect(m_touchedLeft, m_touchedTop, m_touchedEnd - m_touchedLeft, m_touchedBottomEnd - m_touchedTop);
}

void CoverageMask::add(const CoverageMask &other)
{
    const QRect touched = other.touched();
    if (touched.isEmpty())
        return;
    const size_t width = size_t(m_area.width());
    const size_t offset = size_t(touched.top() - m_area.top()) * width + size_t(touched.left() - m_area.left());
    for (int y = 0; y < touched.height(); ++y) {
        uint8_t *row = m_bits.data() + offset + size_t(y) * width;
        const uint8_t *from = other.m_bits.data() + offset + size_t(y) * width;
        for (int x = 0; x < touched.width(); ++x)
            row[x] |= from[x];
    }
    m_touchedLeft = std::min(m_touchedLeft, touched.left());
    m_touchedTop = std::min(m_touchedTop, touched.top());
    m_touchedEnd = std::max(m_touchedEnd, touched.right() + 1);
    m_touchedBottomEnd = std::max(m_touchedBottomEnd, touched.bottom() + 1);
}

void CoverageMask::fillConvex(const QPointF *corners, int count)
{
    fill(corners, count, PlainRows());
}

void CoverageMask::fillConvex(const QPointF *corners, int count, const Along &along)
{
    if (along.count <= 0)
        return;
    // Distances that fall going down are taken the other way.
    const double sign = along.b < 0 ? -1 : 1;
    QVarLengthArray<Stretch, 16> stretches(along.count);
    for (int i = 0; i < along.count; ++i) {
        const Stretch s = along.stretches[sign > 0 ? i : along.count - 1 - i];
        stretches[i] = sign > 0 ? s : Stretch{-s.to, -s.from};
    }
    const double a = along.a * sign;
    fill(corners, count,
         DashedRows{a, along.b * sign, along.c * sign, a != 0 ? 1 / a : 0, stretches.constData(), along.count});
}

template <class Rows>
void CoverageMask::fill(const QPointF *corners, int count, Rows rows)
{
    if (count < 3 || m_area.isEmpty())
        return;
    const bool far = std::any_of(corners, corners + count, [](const QPointF &p) {
        return !(std::abs(p.x()) <= Farthest && std::abs(p.y()) <= Farthest);
    });
    QVarLengthArray<QPointF, 64> near;
    if (far) {
        if (std::any_of(corners, corners + count, [](const QPointF &p) {
                return !std::isfinite(p.x()) || !std::isfinite(p.y());
            }))
            return;
        near = cut(corners, count, QRectF(m_area).adjusted(-2, -2, 2, 2));
        if (near.size() < 3)
            return;
    }
    const QPointF *points = far ? near.constData() : corners;
    const int n = far ? int(near.size()) : count;
    // Twice the area, positive when the corners run clockwise on the screen.
    // (Plain pointers and values kept at hand: a line's pieces come by the
    // million, each with its own few corners.)
    QVarLengthArray<Fixed, 64> fixedCorners(n);
    Fixed *fixed = fixedCorners.data();
    for (int i = 0; i < n; ++i)
        fixed[i] = {fixedOf(points[i].x()), fixedOf(points[i].y())};
    int64_t area = 0;
    int top = 0;
    int bottom = 0;
    int64_t topY = fixed[0].y;
    int64_t bottomY = fixed[0].y;
    int64_t leftmost = fixed[0].x;
    int64_t rightmost = fixed[0].x;
    for (int i = 0; i < n; ++i) {
        const Fixed a = fixed[i];
        const Fixed b = fixed[i + 1 < n ? i + 1 : 0];
        area += a.x * b.y - b.x * a.y;
        top = a.y < topY ? i : top;
        topY = std::min(topY, a.y);
        bottom = a.y > bottomY ? i : bottom;
        bottomY = std::max(bottomY, a.y);
        leftmost = std::min(leftmost, a.x);
        rightmost = std::max(rightmost, a.x);
    }
    if (area == 0)
        return;
    const int64_t rowFirst = std::max<int64_t>(pixelPast(topY), m_area.top());
    const int64_t rowEnd = std::min<int64_t>(pixelPast(bottomY), int64_t(m_area.bottom()) + 1);
    const int64_t areaLeft = m_area.left();
    const int64_t areaEnd = int64_t(m_area.right()) + 1;
    const int64_t columnFirst = std::max(pixelPast(leftmost), areaLeft);
    const int64_t columnEnd = std::min(pixelPast(rightmost), areaEnd);
    if (rowFirst >= rowEnd || columnFirst >= columnEnd)
        return;
    // Each side as its corners from the top down: going clockwise, the
    // edges that run down are the right side.
    QVarLengthArray<Fixed, 128> sideCorners(2 * n);
    Fixed *sides[2] = {sideCorners.data(), sideCorners.data() + n};
    int sideCount[2] = {0, 0};
    const int direction[2] = {area > 0 ? n - 1 : 1, area > 0 ? 1 : n - 1};
    for (int s = 0; s < 2; ++s)
        for (int i = top;;) {
            sides[s][sideCount[s]++] = fixed[i];
            if (i == bottom)
                break;
            i += direction[s];
            i -= i >= n ? n : 0;
        }
    Side left{sides[0], sideCount[0] - 1};
    Side right{sides[1], sideCount[1] - 1};
    const size_t width = size_t(m_area.width());
    uint8_t *row = m_bits.data() + size_t(rowFirst - m_area.top()) * width;
    const bool inside = leftmost >= (areaLeft << 6) && rightmost <= (areaEnd << 6);
    rows.start(rowFirst, areaLeft);
    for (int64_t y = rowFirst; y < rowEnd;) {
        const int64_t c = y * One + Half;
        left.reach(c);
        right.reach(c);
        // The rows down to where either side turns onto its next edge.
        const int64_t stop = std::min(pixelPast(std::min(left.end(), right.end())), rowEnd);
        if (inside)
            spans<false>(row, width, stop - y, left, right, areaLeft, 0, 0, rows);
        else
            spans<true>(row, width, stop - y, left, right, areaLeft, columnFirst - areaLeft, columnEnd - areaLeft,
                        rows);
        row += size_t(stop - y) * width;
        y = stop;
    }
    m_touchedLeft = std::min(m_touchedLeft, int(columnFirst));
    m_touchedTop = std::min(m_touchedTop, int(rowFirst));
    m_touchedEnd = std::max(m_touchedEnd, int(columnEnd));
    m_touchedBottomEnd = std::max(m_touchedBottomEnd, int(rowEnd));
}
