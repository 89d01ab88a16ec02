#include "platform/pictures/MetafileCanvas.h"

#include "platform/pictures/CoverageMask.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <QPainterPathStroker>
#include <QPaintEngine>
#include <QLineF>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <atomic>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>

#include <uemf.h>

namespace {

// Qt takes no wider pen; a larger font than this has no use in a picture and
// only makes the drawing slow.
constexpr double LargestPen = (1 << 15) - 1;
constexpr int64_t LargestFont = 1 << 14;
// Qt's glyph cache fails on glyphs this many device pixels high and more;
// those are drawn as outlines.
constexpr double LargestCachedGlyph = 1024;
// What drawing programs stay far below: deeper saves, more live objects or
// longer paths mark a file damaged. Path and clip elements held in all the
// saved states together are bounded too, since each save may keep a copy.
constexpr size_t LargestSavedStates = 1 << 16;
constexpr size_t LargestObjects = 1 << 16;
constexpr uint64_t LargestPathElements = 1 << 18;
constexpr uint64_t LargestHeldElements = 1 << 22;
// Combining clip areas costs more than linear time in their elements.
constexpr uint64_t LargestClipElements = 1 << 14;
// Stands for "no clip" where an area is taken away from it.
constexpr double Everywhere = 1e7;

QPainterPath rectPath(const QRectF &box)
{
    QPainterPath path;
    path.addRect(box);
    return path;
}

// Every figure closed, as a fill closes them.
QPainterPath closedFigures(const QPainterPath &path)
{
    QPainterPath closed;
    closed.setFillRule(path.fillRule());
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            closed.closeSubpath();
            closed.moveTo(e);
        } else if (e.isLineTo()) {
            closed.lineTo(e);
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            closed.cubicTo(e, path.elementAt(i + 1), path.elementAt(i + 2));
            i += 2;
        }
    }
    closed.closeSubpath();
    return closed;
}

// The figure a shape that starts at the current position continues.
void appendContinuing(QPainterPath &path, const QPainterPath &shape)
{
    if (shape.elementCount() == 0)
        return;
    const QPointF start = shape.elementAt(0);
    if (path.elementCount() == 0 || path.currentPosition() != start)
        path.moveTo(start);
    for (int i = 1; i < shape.elementCount(); ++i) {
        const QPainterPath::Element e = shape.elementAt(i);
        if (e.isLineTo()) {
            path.lineTo(e);
        } else if (e.isCurveTo() && i + 2 < shape.elementCount()) {
            path.cubicTo(e, shape.elementAt(i + 1), shape.elementAt(i + 2));
            i += 2;
        } else if (e.isMoveTo()) {
            path.moveTo(e);
        }
    }
}


// Qt fills a wide pen's stroke as one outline, whose cost grows with how
// often its edges share rows: a long line that crosses itself takes seconds.
// On a raster without smoothing a long line is drawn instead as its straight
// pieces with flat ends, which Qt draws as fast as hairlines, its joins as
// the polygons Qt's stroker would add there, filled together, and its two
// ends as they would be: the union covers the same pixels as the one stroke.
// A dashed line is drawn so dash by dash. Printing keeps the one stroke.
constexpr qsizetype LongLine = 64;

bool strokesInParts(const QPainter &painter, qsizetype points)
{
    const QPen pen = painter.pen();
    return points > LongLine && pen.style() != Qt::NoPen && !pen.isCosmetic() && pen.widthF() > 0
           && pen.capStyle() != Qt::RoundCap && pen.joinStyle() == Qt::MiterJoin
           && !painter.testRenderHint(QPainter::Antialiasing)
           && painter.worldTransform().type() <= QTransform::TxScale && painter.paintEngine()
           && painter.paintEngine()->type() == QPaintEngine::Raster;
}

// A convex polygon of at most six corners.
struct JoinArea
{
    std::array<QPointF, 6> corners;
    int count = 0;

    void add(const QPointF &corner) { corners[size_t(count++)] = corner; }
};

double cross(const QPointF &a, const QPointF &b)
{
    return a.x() * b.y() - a.y() * b.x();
}

// The area a miter join of the pen adds on the outer side of the bend at
// `at`, coming in along the unit `in` and going out along `out`; the inner
// side is covered by the pieces. It reaches `reach` back into both pieces,
// so no pixel on the seam with a piece is lost. Qt cuts a miter longer than
// the miter limit (in pen widths) off at that length along both pieces.
JoinArea joinArea(const QPointF &at, const QPointF &in, const QPointF &out, double reach, const QPen &pen)
{
    const double turn = cross(in, out);
    const double along = QPointF::dotProduct(in, out);
    if (turn == 0 && along > 0)
        return {};
    // The normals on the outer side: away from where the line turns to.
    const double side = turn > 0 ? 1 : -1;
    const QPointF inNormal = QPointF(in.y(), -in.x()) * side;
    const QPointF outNormal = QPointF(out.y(), -out.x()) * side;
    const double half = pen.widthF() / 2;
    const QPointF inCorner = at + inNormal * half;
    const QPointF outCorner = at + outNormal * half;
    // The corners themselves lie on the edges from the pieces to the miter.
    JoinArea area;
    area.add(at - in * reach);
    area.add(inCorner - in * reach);
    const double limit = pen.miterLimit() * pen.widthF();
    // How far past the corners the outer edges meet (infinite on a U-turn).
    const double miter = turn == 0 ? limit + 1 : half * (1 - along) / std::abs(turn);
    if (miter > limit) {
        area.add(inCorner + in * limit);
        area.add(outCorner - out * limit);
    } else {
        area.add(inCorner + in * miter);
    }
    area.add(outCorner + out * reach);
    area.add(at + out * reach);
    // All areas one way round, so that filled together by winding none
    // cancels another where they overlap.
    if (side < 0)
        std::reverse(area.corners.begin(), area.corners.begin() + area.count);
    return area;
}

// Whether the parts of a line may be gathered in a coverage mask and put on
// the device at once: that covers the same pixels as drawing each part on
// its own only when the pen is one opaque colour that covers what is under
// it, and the painter's transform leads straight to the device's pixels.
bool masked(const QPainter &painter)
{
    const QBrush brush = painter.pen().brush();
    const QPainter::CompositionMode mode = painter.compositionMode();
    return brush.style() == Qt::SolidPattern && brush.isOpaque() && painter.opacity() == 1
           && (mode == QPainter::CompositionMode_SourceOver || mode == QPainter::CompositionMode_Source)
           && painter.device() && painter.device()->devicePixelRatio() == 1
           && painter.deviceTransform() == painter.worldTransform();
}

// A byte a pixel: a line over more of the device than this is drawn piece
// by piece.
constexpr qint64 LargestMask = qint64(1) << 26;

// The device pixels that lines within `bounds` (in the painter's logical
// units) may cover with the painter's pen, within the device and its clip.
QRect maskArea(const QPainter &painter, const QRectF &bounds)
{
    const QPen pen = painter.pen();
    // Square ends, joins and their cut miters reach no farther than this.
    const double margin = pen.widthF() * (std::max(pen.miterLimit(), 1.0) + 1);
    const QTransform &toDevice = painter.worldTransform();
    QRectF area = QRectF(QPointF(0, 0), QSizeF(painter.device()->width(), painter.device()->height()));
    if (painter.hasClipping())
        area &= toDevice.mapRect(painter.clipBoundingRect());
    area &= toDevice.mapRect(bounds.adjusted(-margin, -margin, margin, margin)).adjusted(-1, -1, 1, 1);
    return area.isValid() ? area.toAlignedRect() : QRect();
}

// A piece of a figure, with its direction and length, worked out once for
// it and its joins.
struct Piece
{
    QPointF from;
    QPointF to;
    QPointF along;
    double length;

    // The piece from the `i`th point.
    static Piece of(const QPolygonF &points, qsizetype i)
    {
        const QPointF from = points[i];
        const QPointF to = points[i + 1];
        const QPointF d = to - from;
        const double length = std::sqrt(QPointF::dotProduct(d, d));
        return Piece{from, to, d / length, length};
    }
};

// The pieces and joins of a wide line. A line drawn again over itself in the
// same opaque pen changes no pixel, so on the painter they are drawn a batch
// at a time, each distinct one of a batch once. With a mask each is gathered
// there as it comes, unless it was one of the last few (a line that runs
// back and forth over the same points); the mask's owner puts it on the
// device, and the parts never touch the painter.
class LineParts
{
public:
    LineParts(QPainter &painter, CoverageMask *mask)
        : m_painter(painter), m_pen(painter.pen()), m_flat(m_pen), m_mask(mask),
          m_toDevice(painter.worldTransform()), m_half(m_pen.widthF() / 2)
    {
        m_flat.setCapStyle(Qt::FlatCap);
        m_flat.setStyle(Qt::SolidLine);
        if (m_mask) {
            m_recent.resize(Recent);
            m_recentDashes.resize(Recent);
            return;
        }
        m_lines.reserve(Batch);
        m_bends.reserve(Batch);
        m_pieces.reserve(Batch);
    }
    ~LineParts()
    {
        if (!m_mask)
            flush();
    }
    LineParts(const LineParts &) = delete;
    LineParts &operator=(const LineParts &) = delete;

    // The piece from `from` to `to`, along the unit `along`.
    void line(const QPointF &from, const QPointF &to, const QPointF &along)
    {
        const Points points{from.x(), from.y(), to.x(), to.y(), 0, 0};
        if (!m_mask)
            add(m_lines, points);
        else if (!seen(m_recent, points))
            maskLine(from, to, along);
    }
    // The dashes along `piece`, as stretches of their distance from its
    // start, in order.
    void dashes(const Piece &piece, const std::vector<CoverageMask::Stretch> &stretches)
    {
        const QPointF along = piece.along;
        if (stretches.empty())
            return;
        if (!m_mask) {
            for (const CoverageMask::Stretch &s : stretches) {
                const QPointF from = piece.from + along * s.from;
                const QPointF to = piece.from + along * s.to;
                add(m_lines, {from.x(), from.y(), to.x(), to.y(), 0, 0});
            }
            return;
        }
        // The piece's quad from the first dash to the last, and each pixel's
        // distance along it, back from the device through the transform
        // (which scales and moves only).
        const QPointF normal = QPointF(-along.y(), along.x()) * m_half;
        const QPointF from = piece.from + along * stretches.front().from;
        const QPointF to = piece.from + along * stretches.back().to;
        const QPointF quad[] = {device(from + normal), device(to + normal), device(to - normal), device(from - normal)};
        const double a = along.x() / m_toDevice.m11();
        const double b = along.y() / m_toDevice.m22();
        const double c = -a * m_toDevice.dx() - b * m_toDevice.dy() - QPointF::dotProduct(along, piece.from);
        m_mask->fillConvex(quad, 4, {a, b, c, stretches.data(), int(stretches.size())});
    }
    // A polygon of the line that runs one way up or down, gathered in the mask.
    void strip(QPointF *corners, int count)
    {
        for (int i = 0; i < count; ++i)
            corners[i] = device(corners[i]);
        m_mask->fillConvex(corners, count);
    }
    // Whether the dashes along `piece`, when the dash pattern stands at its
    // `at`th length with `left` of it to go at the piece's start, were
    // gathered among the last few; they are remembered now. (Without a mask
    // each dash is told apart on its own.)
    bool seenDashes(const Piece &piece, size_t at, double left)
    {
        return m_mask
               && seen(m_recentDashes, {piece.from.x(), piece.from.y(), piece.to.x(), piece.to.y(), double(at), left});
    }
    // The join at `at` of the pieces that come in along the unit `in` and go
    // out along the unit `out`, reaching `reach` into each.
    void bend(const QPointF &at, const QPointF &in, const QPointF &out, double reach)
    {
        const Points points{at.x(), at.y(), in.x() * reach, in.y() * reach, out.x() * reach, out.y() * reach};
        if (!m_mask) {
            add(m_bends, points);
            return;
        }
        if (seen(m_recent, points))
            return;
        JoinArea area = joinArea(at, in, out, reach, m_pen);
        for (int i = 0; i < area.count; ++i)
            area.corners[size_t(i)] = device(area.corners[size_t(i)]);
        m_mask->fillConvex(area.corners.data(), area.count);
    }

private:
    using Points = std::array<double, 6>;
    static constexpr size_t Batch = 4096;
    // Parts remembered, by a hash of their points, to be gathered once.
    static constexpr size_t Recent = 1024;

    // Whether the part was among those remembered; it is remembered now.
    // (No part has all its points 0: a piece has a length, a join a reach.)
    static bool seen(std::vector<Points> &recent, const Points &points)
    {
        // The first four points tell parts apart well enough; all six are compared.
        std::array<uint64_t, 4> bits;
        std::memcpy(bits.data(), points.data(), sizeof bits);
        const uint64_t hash = (bits[0] * 0x9E3779B97F4A7C15) ^ (bits[1] * 0xC2B2AE3D27D4EB4F)
                              ^ (bits[2] * 0x165667B19E3779F9) ^ (bits[3] * 0xD6E8FEB86659FD93);
        Points &slot = recent[size_t(hash >> 54)];
        if (slot == points)
            return true;
        slot = points;
        return false;
    }

    // The transform scales and moves only.
    QPointF device(const QPointF &p) const
    {
        return QPointF(p.x() * m_toDevice.m11() + m_toDevice.dx(), p.y() * m_toDevice.m22() + m_toDevice.dy());
    }
    void maskLine(const QPointF &from, const QPointF &to, const QPointF &along)
    {
        const QPointF normal = QPointF(-along.y(), along.x()) * m_half;
        const QPointF quad[] = {device(from + normal), device(to + normal), device(to - normal), device(from - normal)};
        m_mask->fillConvex(quad, 4);
    }
    void add(std::vector<Points> &parts, const Points &points)
    {
        parts.push_back(points);
        if (parts.size() == Batch)
            flush();
    }
    void flush()
    {
        for (std::vector<Points> *parts : {&m_lines, &m_bends}) {
            std::sort(parts->begin(), parts->end());
            parts->erase(std::unique(parts->begin(), parts->end()), parts->end());
        }
        QPainterPath joins;
        joins.setFillRule(Qt::WindingFill);
        for (const Points &b : m_bends) {
            const QPointF in(b[2], b[3]);
            const QPointF out(b[4], b[5]);
            const double reach = std::sqrt(b[2] * b[2] + b[3] * b[3]);
            const JoinArea area = joinArea(QPointF(b[0], b[1]), in / reach, out / reach, reach, m_pen);
            if (area.count > 0)
                joins.addPolygon(QPolygonF(QList<QPointF>(area.corners.begin(), area.corners.begin() + area.count)));
        }
        m_painter.fillPath(joins, m_pen.brush());
        m_pieces.clear();
        for (const Points &l : m_lines)
            m_pieces.emplace_back(l[0], l[1], l[2], l[3]);
        m_painter.setPen(m_flat);
        m_painter.drawLines(m_pieces.data(), int(m_pieces.size()));
        m_painter.setPen(m_pen);
        m_lines.clear();
        m_bends.clear();
    }
    QPainter &m_painter;
    QPen m_pen;
    QPen m_flat;
    CoverageMask *m_mask;
    QTransform m_toDevice;
    double m_half;
    std::vector<Points> m_lines;
    std::vector<Points> m_bends;
    std::vector<QLineF> m_pieces;
    std::vector<Points> m_recent;
    std::vector<Points> m_recentDashes;
};

// A figure to stroke: a polyline, or a polygon's outline with its first
// point again at its end, of distinct successive points; its pieces are
// stroked a range [first, end) at a time, each range with the join at the
// end of its last piece.

// The pieces of a figure in one solid line.
void strokeFigure(LineParts &parts, const QPolygonF &points, bool closed, const QPen &pen, qsizetype first,
                  qsizetype end)
{
    const double half = pen.widthF() / 2;
    const qsizetype pieces = points.size() - 1;
    // Square ends as the end pieces drawn on by half the pen's width.
    const double reach = !closed && pen.capStyle() == Qt::SquareCap ? half : 0;
    Piece in = Piece::of(points, first);
    for (qsizetype i = first; i < end; ++i) {
        parts.line(in.from - in.along * (i == 0 ? reach : 0), in.to + in.along * (i == pieces - 1 ? reach : 0),
                   in.along);
        // The join onto the next piece, or from a polygon's last piece onto its first.
        if (!closed && i + 1 == pieces)
            break;
        const Piece out = Piece::of(points, i + 1 < pieces ? i + 1 : 0);
        parts.bend(in.to, in.along, out.along, std::min({in.length / 2, out.length / 2, half / 4}));
        in = out;
    }
}

// A figure flattened from curves, whose pieces bend little one to the next,
// gathered in the mask: each run of pieces that all go down, or all up, and
// bend within the miter limit and by less than a right angle is one polygon
// whose sides pass through the points where its pieces' edges meet, as a
// miter join meets them. That covers what the pieces and their joins cover,
// but for a centre that rounding puts on the other side of an edge. Between
// runs the figure bends with a join as strokeFigure's pieces do.
void strokeSmoothFigure(LineParts &parts, const QPolygonF &points, bool closed, const QPen &pen, qsizetype first,
                        qsizetype end)
{
    const double half = pen.widthF() / 2;
    const double limit = pen.miterLimit() * pen.widthF();
    const qsizetype pieces = points.size() - 1;
    const double reach = !closed && pen.capStyle() == Qt::SquareCap ? half : 0;
    // At most this many pieces in one polygon, so that its corners stay on the stack.
    constexpr int LongestRun = 31;
    QVarLengthArray<QPointF, 2 * (LongestRun + 1)> left;
    QVarLengthArray<QPointF, LongestRun + 1> right;
    double runDown = 0;
    const auto normal = [half](const Piece &p) { return QPointF(-p.along.y(), p.along.x()) * half; };
    const auto startRun = [&](const QPointF &at, const Piece &p) {
        left = {at + normal(p)};
        right = {at - normal(p)};
        runDown = p.along.y();
    };
    const auto endRun = [&](const QPointF &at, const Piece &p) {
        left.append(at + normal(p));
        right.append(at - normal(p));
        for (qsizetype i = right.size() - 1; i >= 0; --i)
            left.append(right[i]);
        parts.strip(left.data(), int(left.size()));
    };
    const auto bend = [&](const Piece &in, const Piece &out) {
        parts.bend(in.to, in.along, out.along, std::min({in.length / 2, out.length / 2, half / 4}));
    };
    Piece in = Piece::of(points, first);
    startRun(in.from - in.along * (first == 0 ? reach : 0), in);
    for (qsizetype i = first; i + 1 < end; ++i) {
        const Piece out = Piece::of(points, i + 1);
        const double turn = cross(in.along, out.along);
        const double along = QPointF::dotProduct(in.along, out.along);
        // How far the meeting points lie along the pieces from the point.
        const double back = half * std::abs(turn) / (1 + along);
        const bool smoothly = along > 0 && half * (1 - along) <= limit * std::abs(turn)
                              && back <= std::min(in.length, out.length) / 2 && runDown * out.along.y() >= 0
                              && right.size() < LongestRun;
        if (smoothly) {
            const QPointF meet = (normal(in) + normal(out)) / (1 + along);
            left.append(in.to + meet);
            right.append(in.to - meet);
            runDown = runDown != 0 ? runDown : out.along.y();
        } else {
            endRun(in.to, in);
            bend(in, out);
            startRun(in.to, out);
        }
        in = out;
    }
    endRun(in.to + in.along * (end == pieces ? reach : 0), in);
    if (end < pieces)
        bend(in, Piece::of(points, end));
    else if (closed)
        bend(in, Piece::of(points, 0));
}

// Where a dash pattern stands at the start of a piece: at its `at`th
// length (even ones dashes, odd ones gaps) with `left` of it to go, and
// how far the dash under way, if one is, ran along the piece before.
struct DashPhase
{
    size_t at = 0;
    double left = 0;
    double ranBefore = 0;
};

// Walks the pattern (lengths in the figure's units) along a piece of
// `length`, calling dash(start, end, startsHere, endsHere) for each dash
// along it, and returns where the pattern stands at its end. A dash starts
// here unless it runs on from the piece before, and ends here unless it
// runs on over the piece's end (`last`: the figure's); one that ends on the
// piece's end ends along it, one that starts there starts along the next.
template <class Dash>
DashPhase walkPattern(const std::vector<double> &pattern, DashPhase phase, double length, bool first, bool last,
                      Dash dash)
{
    size_t at = phase.at;
    double left = phase.left;
    double start = 0;
    bool startsHere = first;
    double done = 0;
    while (length - done > left || (at % 2 == 0 && length - done == left)) {
        done += left;
        if (at % 2 == 0) {
            dash(start, done, startsHere, true);
        } else {
            start = done;
            startsHere = true;
        }
        at = at + 1 < pattern.size() ? at + 1 : 0;
        left = pattern[at];
    }
    left -= length - done;
    if (at % 2 != 0)
        return {at, left, 0};
    dash(start, length, startsHere, last);
    return {at, left, length - start};
}

// The dashes of a figure, each stroked as a polyline of its own, as Qt
// dashes a line: the pattern (in pen widths) starts afresh on each figure
// (a metafile's pens have no dash offset), and a dash that runs over a
// point bends there with a join. Each piece of the figure is drawn as the
// stretches of the dashes along it, flat where a dash runs on over a point
// and with the pen's ends where one starts or ends; they are the same
// whenever the piece comes again with the pattern where it stood.
void dashFigure(LineParts &parts, const QPolygonF &points, const QPen &pen, const std::vector<double> &pattern,
                qsizetype first, qsizetype end, DashPhase phase)
{
    const double width = pen.widthF();
    const double reach = pen.capStyle() == Qt::SquareCap ? width / 2 : 0;
    const qsizetype pieces = points.size() - 1;
    std::vector<CoverageMask::Stretch> stretches;
    // The direction of the piece before.
    QPointF before = first > 0 ? Piece::of(points, first - 1).along : QPointF();
    for (qsizetype i = first; i < end; ++i) {
        // Measured as the chunks' walk measures it, so both find the pattern alike.
        const Piece piece = Piece::of(points, i);
        // (A figure's first and last pieces have the pen's ends where others may not.)
        const bool again = i > 0 && i + 1 < pieces && parts.seenDashes(piece, phase.at, phase.left);
        stretches.clear();
        const double ranBefore = phase.ranBefore;
        phase = walkPattern(pattern, phase, piece.length, i == 0, i + 1 == pieces,
                            [&](double start, double stop, bool startsHere, bool endsHere) {
                                if (!startsHere)
                                    parts.bend(piece.from, before, piece.along,
                                               std::min({ranBefore / 2, (stop - start) / 2, width / 8}));
                                if (stop > start || !startsHere || !endsHere)
                                    stretches.push_back({start - (startsHere ? reach : 0),
                                                         stop + (endsHere ? reach : 0)});
                            });
        before = piece.along;
        if (!again)
            parts.dashes(piece, stretches);
    }
}

// The covered pixels in the pen's colour, the rest left as it is, under the
// painter's clip.
void put(QPainter &painter, const CoverageMask &mask, const QColor &colour)
{
    const QRect touched = mask.touched();
    if (touched.isEmpty())
        return;
    const QRect area = mask.area();
    const uint8_t *first =
        mask.bits() + qsizetype(touched.top() - area.top()) * area.width() + (touched.left() - area.left());
    QImage covered(first, touched.width(), touched.height(), area.width(), QImage::Format_Indexed8);
    covered.setColorTable({qRgba(0, 0, 0, 0), colour.rgba()});
    painter.save();
    painter.setWorldTransform(QTransform());
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(touched.topLeft(), covered);
    painter.restore();
}

// Strokes the figures of one drawing call with the painter's pen in parts,
// when it ends. Where the painter lets them be gathered in a mask, a long
// line's pieces are gathered a chunk at a time on as many threads as it
// keeps busy, each in a mask of its own; those are added together and put
// on the device at once. (The chunks are the same on any machine, and so
// is what they cover.)
class LineStroke
{
public:
    LineStroke(QPainter &painter, const QRectF &bounds) : m_painter(painter), m_pen(painter.pen())
    {
        if (m_pen.style() != Qt::SolidLine)
            for (const qreal dash : m_pen.dashPattern())
                m_pattern.push_back(dash * m_pen.widthF());
        if (!masked(painter))
            return;
        const QRect area = maskArea(painter, bounds);
        if (qint64(area.width()) * area.height() <= LargestMask)
            m_mask.emplace(area);
    }
    ~LineStroke()
    {
        if (!m_mask) {
            LineParts parts(m_painter, nullptr);
            for (const Figure &figure : m_figures)
                strokeChunk(parts, {&figure, 0, figure.points.size() - 1, {0, m_pattern.empty() ? 0 : m_pattern[0], 0}});
            return;
        }
        gather();
        put(m_painter, *m_mask, m_pen.color());
    }
    LineStroke(const LineStroke &) = delete;
    LineStroke &operator=(const LineStroke &) = delete;

    // A polyline, or a polygon's outline; a `smooth` one was flattened from curves.
    void add(QPolygonF points, bool closed, bool smooth)
    {
        // Repeated points make no piece; Qt's stroke skips them too.
        if (std::adjacent_find(points.cbegin(), points.cend()) != points.cend())
            points.erase(std::unique(points.begin(), points.end()), points.end());
        if (closed && points.size() > 1 && points.first() == points.last())
            points.removeLast();
        if (points.size() < 2) {
            m_painter.drawPolyline(points);
            return;
        }
        if (closed)
            points.append(points.first());
        m_figures.push_back({std::move(points), closed, smooth});
    }

private:
    struct Figure
    {
        QPolygonF points;
        bool closed;
        bool smooth;
    };
    // Pieces [first, end) of a figure, with where the dash pattern stands at the first.
    struct Chunk
    {
        const Figure *figure;
        qsizetype first;
        qsizetype end;
        DashPhase phase;
    };
    static constexpr qsizetype ChunkPieces = 1 << 13;
    // No more threads than this help.
    static constexpr unsigned MostThreads = 8;

    void strokeChunk(LineParts &parts, const Chunk &chunk) const
    {
        const Figure &f = *chunk.figure;
        if (!m_pattern.empty())
            dashFigure(parts, f.points, m_pen, m_pattern, chunk.first, chunk.end, chunk.phase);
        else if (f.smooth && m_mask)
            strokeSmoothFigure(parts, f.points, f.closed, m_pen, chunk.first, chunk.end);
        else
            strokeFigure(parts, f.points, f.closed, m_pen, chunk.first, chunk.end);
    }
    std::vector<Chunk> chunks() const
    {
        std::vector<Chunk> chunks;
        for (const Figure &figure : m_figures) {
            const qsizetype pieces = figure.points.size() - 1;
            DashPhase phase{0, m_pattern.empty() ? 0 : m_pattern[0], 0};
            for (qsizetype first = 0; first < pieces; first += ChunkPieces) {
                const qsizetype end = std::min(first + ChunkPieces, pieces);
                chunks.push_back({&figure, first, end, phase});
                if (m_pattern.empty())
                    continue;
                for (qsizetype i = first; i < end; ++i)
                    phase = walkPattern(m_pattern, phase, Piece::of(figure.points, i).length, i == 0,
                                        i + 1 == pieces, [](double, double, bool, bool) {});
            }
        }
        return chunks;
    }
    // This thread and the helpers each take the next chunk not yet taken
    // until none is left; where the system starts fewer helpers, fewer help.
    void gather()
    {
        const std::vector<Chunk> work = chunks();
        const qint64 area = std::max<qint64>(qint64(m_mask->area().width()) * m_mask->area().height(), 1);
        const size_t threads = std::min<size_t>({std::max(1u, std::thread::hardware_concurrency()), MostThreads,
                                                 std::max<size_t>(work.size(), 1),
                                                 size_t(std::max<qint64>(1, LargestMask / area))});
        std::vector<CoverageMask> masks(threads - 1, CoverageMask(m_mask->area()));
        std::vector<std::unique_ptr<LineParts>> parts;
        parts.push_back(std::make_unique<LineParts>(m_painter, &*m_mask));
        for (CoverageMask &mask : masks)
            parts.push_back(std::make_unique<LineParts>(m_painter, &mask));
        std::atomic<size_t> next{0};
        const auto take = [&](size_t t) {
            for (size_t c = next++; c < work.size(); c = next++)
                strokeChunk(*parts[t], work[c]);
        };
        std::vector<std::thread> helpers;
        try {
            for (size_t t = 1; t < threads; ++t)
                helpers.emplace_back(take, t);
        } catch (const std::system_error &) {
        }
        take(0);
        for (std::thread &helper : helpers)
            helper.join();
        for (const CoverageMask &mask : masks)
            m_mask->add(mask);
    }

    QPainter &m_painter;
    QPen m_pen;
    std::vector<double> m_pattern;
    std::optional<CoverageMask> m_mask;
    std::vector<Figure> m_figures;
};

// Strokes polylines, or polygons' outlines, with the painter's pen, as the
// one stroke of them all would.
void strokeInParts(QPainter &painter, const QPolygonF *figures, size_t figureCount, bool closed)
{
    QRectF bounds;
    for (size_t f = 0; f < figureCount; ++f)
        bounds |= figures[f].boundingRect();
    LineStroke stroke(painter, bounds);
    for (size_t f = 0; f < figureCount; ++f)
        stroke.add(figures[f], closed, false);
}

// How near a flattened curve keeps to the curve, in device pixels.
constexpr double Flatness = 0.5;
// No curve is cut into more pieces than this, however large.
constexpr int MostCurvePieces = 1 << 12;

// How many straight pieces keep the cubic bezier from `p0` through `p1` and
// `p2` to `p3` (in the painter's logical units) within Flatness of the curve
// on the device (`scale` being the transform's): a curve's second
// differences bound how far it strays.
int curvePieces(const QPointF &p0, const QPointF &p1, const QPointF &p2, const QPointF &p3, const QPointF &scale)
{
    const auto onDevice = [&scale](const QPointF &p) {
        const double x = p.x() * scale.x();
        const double y = p.y() * scale.y();
        return x * x + y * y;
    };
    const double bend = std::sqrt(std::max(onDevice(p0 - 2 * p1 + p2), onDevice(p1 - 2 * p2 + p3)));
    const double wanted = std::ceil(std::sqrt(0.75 * bend / Flatness));
    return std::isfinite(wanted) ? int(std::clamp(wanted, 1.0, double(MostCurvePieces))) : 1;
}

// Appends that curve's `pieces` pieces' ends to `points`.
void flattenCurve(QPolygonF &points, const QPointF &p0, const QPointF &p1, const QPointF &p2, const QPointF &p3,
                  int pieces)
{
    for (int i = 1; i <= pieces; ++i) {
        const double t = double(i) / pieces;
        const double u = 1 - t;
        points.append(p0 * (u * u * u) + p1 * (3 * u * u * t) + p2 * (3 * u * t * t) + p3 * (t * t * t));
    }
}

// Strokes a path with the painter's pen; a long one on a raster as its
// figures, their curves flattened in device pixels. (Qt's one stroke offsets
// the curves before it flattens them, which differs from this only by a
// pixel here and there along the edges.)
void strokeShape(QPainter &painter, const QPainterPath &path)
{
    const QTransform toDevice = painter.worldTransform();
    if (!toDevice.isInvertible() || !strokesInParts(painter, path.elementCount())) {
        painter.strokePath(path, painter.pen());
        return;
    }
    const QPointF scale(toDevice.m11(), toDevice.m22());
    const int elements = path.elementCount();
    const auto curveAt = [&path, elements](int i) {
        return path.elementAt(i).isCurveTo() && i > 0 && i + 2 < elements;
    };
    // The pieces of each curve, and the points of each figure, counted first
    // so that each figure's points are set aside at once.
    std::vector<int> curves;
    std::vector<qsizetype> figureSizes;
    for (int i = 0; i < elements; ++i) {
        if (path.elementAt(i).isMoveTo() || figureSizes.empty())
            figureSizes.push_back(0);
        if (curveAt(i)) {
            curves.push_back(curvePieces(path.elementAt(i - 1), path.elementAt(i), path.elementAt(i + 1),
                                         path.elementAt(i + 2), scale));
            figureSizes.back() += curves.back();
            i += 2;
        } else {
            ++figureSizes.back();
        }
    }
    LineStroke stroke(painter, path.controlPointRect());
    QPolygonF figure;
    const auto added = [&] {
        const bool closed = figure.size() > 2 && figure.first() == figure.last();
        if (!figure.isEmpty())
            stroke.add(std::move(figure), closed, !curves.empty());
        figure = QPolygonF();
    };
    size_t curve = 0;
    size_t figureCount = 0;
    for (int i = 0; i < elements; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo() || figureCount == 0) {
            added();
            figure.reserve(figureSizes[figureCount++]);
        }
        if (curveAt(i)) {
            flattenCurve(figure, path.elementAt(i - 1), e, path.elementAt(i + 1), path.elementAt(i + 2),
                         curves[curve++]);
            i += 2;
        } else {
            figure.append(e);
        }
    }
    added();
}

// Fills and strokes a path as drawPath does.
void drawShape(QPainter &painter, const QPainterPath &path)
{
    if (painter.pen().style() == Qt::NoPen || !strokesInParts(painter, path.elementCount())) {
        painter.drawPath(path);
        return;
    }
    const QPen pen = painter.pen();
    painter.setPen(Qt::NoPen);
    painter.drawPath(path);
    painter.setPen(pen);
    strokeShape(painter, path);
}

} // namespace

MetafileCanvas::MetafileCanvas(QPainter &painter, const QTransform &deviceToPicture, double devicePerMm)
    : m_painter(painter), m_base(painter.worldTransform()), m_deviceToPicture(deviceToPicture),
      m_devicePerMm(devicePerMm)
{
    // The clip the caller set stays; the file's own clip is set on top of it.
    m_painter.save();
}

MetafileCanvas::~MetafileCanvas()
{
    m_painter.restore();
}

QRectF MetafileCanvas::box(double left, double top, double right, double bottom)
{
    return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
}

double MetafileCanvas::degrees(const QRectF &box, const QPointF &p)
{
    const QPointF c = box.center();
    return std::atan2(-(p.y() - c.y()) / box.height(), (p.x() - c.x()) / box.width()) * 180 / M_PI;
}

QPen MetafileCanvas::makePen(uint32_t style, double width, const QColor &color)
{
    static const std::map<uint32_t, Qt::PenStyle> styles = {{U_PS_DASH, Qt::DashLine},
                                                            {U_PS_DOT, Qt::DotLine},
                                                            {U_PS_DASHDOT, Qt::DashDotLine},
                                                            {U_PS_DASHDOTDOT, Qt::DashDotDotLine},
                                                            {U_PS_NULL, Qt::NoPen}};
    const auto found = styles.find(style & U_PS_STYLE_MASK);
    QPen pen(color, std::clamp(std::abs(width), 0.0, LargestPen));
    pen.setStyle(found == styles.end() ? Qt::SolidLine : found->second);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QBrush MetafileCanvas::makeBrush(uint32_t style, const QColor &color, uint32_t hatch)
{
    static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                             Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    if (style == U_BS_NULL)
        return Qt::NoBrush;
    if (style == U_BS_HATCHED && hatch < std::size(hatches))
        return QBrush(color, hatches[hatch]);
    return QBrush(color);
}

QFont MetafileCanvas::makeFont(const QString &face, int32_t height, int32_t weight, bool italic, bool underline,
                               bool strikeOut)
{
    QFont font(face);
    const int64_t size = height == 0 ? 12 : std::abs(int64_t(height));
    font.setPixelSize(int(std::min(size, LargestFont)));
    font.setBold(weight >= 600);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}

QTransform MetafileCanvas::logicalToDevice() const
{
    double sx = 1;
    double sy = 1;
    switch (m_dc.mapMode) {
    case U_MM_ISOTROPIC:
    case U_MM_ANISOTROPIC:
        sx = m_dc.viewportExtent.width() / m_dc.windowExtent.width();
        sy = m_dc.viewportExtent.height() / m_dc.windowExtent.height();
        if (m_dc.mapMode == U_MM_ISOTROPIC) {
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
        break;
    case U_MM_LOMETRIC: sx = m_devicePerMm / 10; sy = -sx; break;
    case U_MM_HIMETRIC: sx = m_devicePerMm / 100; sy = -sx; break;
    case U_MM_LOENGLISH: sx = m_devicePerMm * 0.254; sy = -sx; break;
    case U_MM_HIENGLISH: sx = m_devicePerMm * 0.0254; sy = -sx; break;
    case U_MM_TWIPS: sx = m_devicePerMm * 25.4 / 1440; sy = -sx; break;
    default: break;
    }
    return QTransform::fromTranslate(-m_dc.windowOrigin.x(), -m_dc.windowOrigin.y())
           * QTransform::fromScale(sx, sy)
           * QTransform::fromTranslate(m_dc.viewportOrigin.x(), m_dc.viewportOrigin.y());
}

double MetafileCanvas::apply()
{
    // A pen of width 0 stays Qt's cosmetic hairline, which is also the
    // cheap one to draw however many points a line has.
    applyClip();
    m_painter.setWorldTransform(logicalToPicture() * m_base);
    m_painter.setPen(m_dc.pen);
    m_painter.setBrush(m_dc.brush);
    return m_dc.pen.style() == Qt::NoPen ? 0 : m_dc.pen.widthF();
}

void MetafileCanvas::applyClip()
{
    if (!m_clipChanged)
        return;
    m_clipChanged = false;
    m_painter.restore();
    m_painter.save();
    if (m_dc.clip) {
        m_painter.setWorldTransform(m_base);
        m_painter.setClipPath(*m_dc.clip, Qt::IntersectClip);
    }
}

bool MetafileCanvas::within(uint64_t count, uint64_t limit)
{
    if (count > limit)
        m_damaged = true;
    return !m_damaged;
}

bool MetafileCanvas::addedToPath(const QPainterPath &shape, bool continues)
{
    if (!m_dc.pathOpen)
        return false;
    if (!within(uint64_t(m_dc.path.elementCount()) + uint64_t(shape.elementCount()), LargestPathElements))
        return true;
    const QPainterPath mapped = logicalToPicture().map(shape);
    if (continues)
        appendContinuing(m_dc.path, mapped);
    else
        m_dc.path.addPath(mapped);
    return true;
}

void MetafileCanvas::lineFromCurrent(const QPainterPath &shape)
{
    if (addedToPath(shape, true))
        return;
    apply();
    strokeShape(m_painter, shape);
}

void MetafileCanvas::outlined(const QRectF &box, void (*draw)(QPainter &, const QRectF &))
{
    // The pen runs inside the box, so the shape covers the box exactly at any scale.
    const double inset = std::min({apply(), box.width(), box.height()}) / 2;
    draw(m_painter, box.adjusted(inset, inset, -inset, -inset));
}

void MetafileCanvas::rectangle(const QRectF &box)
{
    if (!addedToPath(rectPath(box)))
        outlined(box, [](QPainter &painter, const QRectF &r) { painter.drawRect(r); });
}

void MetafileCanvas::ellipse(const QRectF &box)
{
    QPainterPath shape;
    shape.addEllipse(box);
    if (!addedToPath(shape))
        outlined(box, [](QPainter &painter, const QRectF &r) { painter.drawEllipse(r); });
}

void MetafileCanvas::roundRectangle(const QRectF &box, const QSizeF &corner)
{
    QPainterPath shape;
    shape.addRoundedRect(box, std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
    if (addedToPath(shape))
        return;
    const double inset = std::min({apply(), box.width(), box.height()}) / 2;
    m_painter.drawRoundedRect(box.adjusted(inset, inset, -inset, -inset), std::abs(corner.width()) / 2,
                              std::abs(corner.height()) / 2);
}

void MetafileCanvas::arc(const QRectF &box, const QPointF &start, const QPointF &end, ArcKind kind)
{
    if (box.isEmpty())
        return;
    const double from = degrees(box, start);
    double sweep = degrees(box, end) - from;
    // Counter-clockwise from start to end; the same point twice is the whole ellipse.
    if (sweep <= 0)
        sweep += 360;
    QPainterPath path;
    if (kind == ArcKind::Pie)
        path.moveTo(box.center());
    else
        path.arcMoveTo(box, from);
    path.arcTo(box, from, sweep);
    if (kind != ArcKind::Arc)
        path.closeSubpath();
    if (addedToPath(path))
        return;
    apply();
    if (kind == ArcKind::Arc)
        strokeShape(m_painter, path);
    else
        drawShape(m_painter, path);
}

void MetafileCanvas::arcTo(const QRectF &box, double startDegrees, double sweepDegrees)
{
    QPainterPath path(m_dc.current);
    path.arcTo(box, startDegrees, sweepDegrees);
    m_dc.current = path.currentPosition();
    lineFromCurrent(path);
}

void MetafileCanvas::polygon(const QPolygonF &points)
{
    QPainterPath shape;
    if (m_dc.pathOpen) {
        shape.addPolygon(points);
        shape.closeSubpath();
    }
    if (addedToPath(shape))
        return;
    apply();
    if (!strokesInParts(m_painter, points.size())) {
        m_painter.drawPolygon(points, m_dc.fillRule);
        return;
    }
    const QPen pen = m_painter.pen();
    m_painter.setPen(Qt::NoPen);
    m_painter.drawPolygon(points, m_dc.fillRule);
    m_painter.setPen(pen);
    strokeInParts(m_painter, &points, 1, true);
}

void MetafileCanvas::polyline(const QPolygonF &points)
{
    QPainterPath shape;
    if (m_dc.pathOpen)
        shape.addPolygon(points);
    if (addedToPath(shape))
        return;
    apply();
    if (strokesInParts(m_painter, points.size()))
        strokeInParts(m_painter, &points, 1, false);
    else
        m_painter.drawPolyline(points);
}

void MetafileCanvas::polylineTo(const QPolygonF &points)
{
    if (points.isEmpty())
        return;
    QPolygonF line = points;
    line.prepend(m_dc.current);
    m_dc.current = points.last();
    QPainterPath shape;
    shape.addPolygon(line);
    lineFromCurrent(shape);
}

void MetafileCanvas::polyBezier(const QPolygonF &points, bool fromCurrent)
{
    qsizetype at = fromCurrent ? 0 : 1;
    if (points.size() < at)
        return;
    QPainterPath shape(fromCurrent ? m_dc.current : points.first());
    for (; at + 2 < points.size(); at += 3)
        shape.cubicTo(points[at], points[at + 1], points[at + 2]);
    if (fromCurrent) {
        m_dc.current = shape.currentPosition();
        lineFromCurrent(shape);
    } else if (!addedToPath(shape)) {
        apply();
        strokeShape(m_painter, shape);
    }
}

void MetafileCanvas::polyDraw(const QPolygonF &points, const QByteArray &kinds)
{
    QPainterPath shape(m_dc.current);
    for (qsizetype i = 0; i < points.size() && i < kinds.size(); ++i) {
        const uint8_t kind = uint8_t(kinds[i]);
        if ((kind & ~U_PT_CLOSEFIGURE) == U_PT_MOVETO) {
            shape.moveTo(points[i]);
        } else if ((kind & ~U_PT_CLOSEFIGURE) == U_PT_BEZIERTO && i + 2 < points.size()) {
            shape.cubicTo(points[i], points[i + 1], points[i + 2]);
            i += 2;
        } else {
            shape.lineTo(points[i]);
        }
        if (kind & U_PT_CLOSEFIGURE)
            shape.closeSubpath();
    }
    m_dc.current = shape.currentPosition();
    lineFromCurrent(shape);
}

void MetafileCanvas::polyPolygon(const std::vector<QPolygonF> &polygons, bool closed)
{
    QPainterPath path;
    path.setFillRule(m_dc.fillRule);
    for (const QPolygonF &polygon : polygons) {
        path.addPolygon(polygon);
        if (closed)
            path.closeSubpath();
    }
    if (addedToPath(path))
        return;
    apply();
    uint64_t points = 0;
    for (const QPolygonF &polygon : polygons)
        points += uint64_t(polygon.size());
    if (strokesInParts(m_painter, qsizetype(points))) {
        const QPen pen = m_painter.pen();
        if (closed) {
            m_painter.setPen(Qt::NoPen);
            m_painter.drawPath(path);
            m_painter.setPen(pen);
        }
        strokeInParts(m_painter, polygons.data(), polygons.size(), closed);
    } else if (closed) {
        m_painter.drawPath(path);
    } else {
        m_painter.strokePath(path, m_painter.pen());
    }
}

void MetafileCanvas::moveTo(const QPointF &to)
{
    m_dc.current = to;
    if (m_dc.pathOpen && within(uint64_t(m_dc.path.elementCount()) + 1, LargestPathElements))
        m_dc.path.moveTo(logicalToPicture().map(to));
}

void MetafileCanvas::lineTo(const QPointF &to)
{
    if (m_dc.pathOpen) {
        QPainterPath shape(m_dc.current);
        shape.lineTo(to);
        addedToPath(shape, true);
    } else {
        apply();
        m_painter.drawLine(m_dc.current, to);
    }
    m_dc.current = to;
}

void MetafileCanvas::beginPath()
{
    m_dc.path = QPainterPath();
    m_dc.pathOpen = true;
    m_dc.pathWidened = false;
}

void MetafileCanvas::abortPath()
{
    m_dc.path = QPainterPath();
    m_dc.pathOpen = false;
}

void MetafileCanvas::closeFigure()
{
    if (m_dc.pathOpen)
        m_dc.path.closeSubpath();
}

void MetafileCanvas::widenPath()
{
    if (m_dc.pathOpen || m_dc.pen.style() == Qt::NoPen)
        return;
    // The pen's width in the picture's pixels; a hairline widens to one pixel.
    const double scale = std::sqrt(std::abs(logicalToPicture().determinant()));
    const double width = m_dc.pen.widthF() * scale;
    QPainterPathStroker stroker;
    stroker.setWidth(std::isfinite(width) && width > 0 ? std::min(width, LargestPen) : 1);
    stroker.setJoinStyle(m_dc.pen.joinStyle());
    stroker.setCapStyle(m_dc.pen.capStyle());
    QPainterPath widened = stroker.createStroke(m_dc.path);
    if (!within(uint64_t(widened.elementCount()), LargestPathElements))
        return;
    m_dc.path = std::move(widened);
    m_dc.pathWidened = true;
}

void MetafileCanvas::drawPath(bool fill, bool stroke)
{
    if (m_dc.pathOpen)
        return;
    QPainterPath path = std::exchange(m_dc.path, QPainterPath());
    bool invertible = false;
    const QTransform back = logicalToPicture().inverted(&invertible);
    if (!invertible || path.isEmpty())
        return;
    path = back.map(fill ? closedFigures(path) : path);
    path.setFillRule(m_dc.pathWidened ? Qt::WindingFill : m_dc.fillRule);
    apply();
    if (!stroke)
        m_painter.setPen(Qt::NoPen);
    if (!fill)
        m_painter.setBrush(Qt::NoBrush);
    drawShape(m_painter, path);
}

void MetafileCanvas::setClip(std::optional<QPainterPath> clip)
{
    m_dc.clip = std::move(clip);
    m_clipChanged = true;
}

void MetafileCanvas::combineClip(const QPainterPath &area, uint32_t mode)
{
    const uint64_t held = m_dc.clip ? uint64_t(m_dc.clip->elementCount()) : 0;
    if (!within(std::max(held, uint64_t(area.elementCount())), LargestClipElements))
        return;
    const QPainterPath everywhere = rectPath(QRectF(-Everywhere, -Everywhere, 2 * Everywhere, 2 * Everywhere));
    const QPainterPath current = m_dc.clip.value_or(everywhere);
    switch (ClipMode(mode)) {
    case ClipMode::And: setClip(m_dc.clip ? current.intersected(area) : area); break;
    case ClipMode::Or:
        if (m_dc.clip)
            setClip(current.united(area));
        break;
    case ClipMode::Xor: setClip(current.subtracted(area).united(area.subtracted(current))); break;
    case ClipMode::Diff: setClip(current.subtracted(area)); break;
    case ClipMode::Copy: setClip(area); break;
    }
}

void MetafileCanvas::intersectClip(const QRectF &box)
{
    combineClip(logicalToPicture().map(rectPath(box)), uint32_t(ClipMode::And));
}

void MetafileCanvas::excludeClip(const QRectF &box)
{
    combineClip(logicalToPicture().map(rectPath(box)), uint32_t(ClipMode::Diff));
}

void MetafileCanvas::selectClipPath(uint32_t mode)
{
    if (m_dc.pathOpen)
        return;
    QPainterPath area = std::exchange(m_dc.path, QPainterPath());
    area.setFillRule(m_dc.pathWidened ? Qt::WindingFill : m_dc.fillRule);
    combineClip(area, mode);
}

void MetafileCanvas::selectClipRegion(const std::vector<QRectF> &deviceBoxes, uint32_t mode)
{
    if (deviceBoxes.empty() && ClipMode(mode) == ClipMode::Copy) {
        setClip(std::nullopt);
        return;
    }
    QPainterPath area;
    for (const QRectF &box : deviceBoxes)
        area.addPath(m_deviceToPicture.map(rectPath(box)));
    combineClip(area, mode);
}

void MetafileCanvas::offsetClip(const QPointF &by)
{
    if (!m_dc.clip)
        return;
    const QTransform toPicture = logicalToPicture();
    m_dc.clip->translate(toPicture.map(by) - toPicture.map(QPointF(0, 0)));
    m_clipChanged = true;
}

void MetafileCanvas::text(const QPointF &reference, const QString &string, const std::optional<QRectF> &opaqueBox)
{
    applyClip();
    m_painter.save();
    const QTransform toPicture = logicalToPicture();
    if (opaqueBox) {
        m_painter.setWorldTransform(toPicture * m_base);
        m_painter.fillRect(*opaqueBox, m_dc.backColor);
    }
    // Glyphs stand upright whichever way the mapping turns the axes.
    const QPointF at = toPicture.map(reference);
    const QTransform upright = QTransform::fromScale(std::abs(toPicture.m11()), std::abs(toPicture.m22()))
                               * QTransform::fromTranslate(at.x(), at.y()) * m_base;
    m_painter.setWorldTransform(upright);
    m_painter.setFont(m_dc.font);
    const QFontMetricsF metrics(m_dc.font);
    const double width = metrics.horizontalAdvance(string);
    const uint32_t horizontal = m_dc.textAlign & U_TA_CENTER;
    const uint32_t vertical = m_dc.textAlign & U_TA_BASELINE;
    const double x = horizontal == U_TA_CENTER ? -width / 2 : horizontal == U_TA_RIGHT ? -width : 0;
    const double baseline = vertical == U_TA_BASELINE ? 0
                            : vertical == U_TA_BOTTOM ? -metrics.descent()
                                                      : metrics.ascent();
    if (m_dc.opaqueBackground)
        m_painter.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()), m_dc.backColor);
    const double stretch = std::max({std::abs(upright.m11()), std::abs(upright.m12()), std::abs(upright.m21()),
                                     std::abs(upright.m22())});
    const double devicePixels = std::max(metrics.height(), metrics.maxWidth()) * stretch;
    if (!(devicePixels < LargestCachedGlyph)) {
        QPainterPath outlines;
        outlines.addText(QPointF(x, baseline), m_dc.font, string);
        m_painter.fillPath(outlines, m_dc.textColor);
    } else {
        m_painter.setPen(m_dc.textColor);
        m_painter.drawText(QPointF(x, baseline), string);
    }
    m_painter.restore();
}

void MetafileCanvas::image(const QRectF &target, const QImage &image, const QRectF &source)
{
    apply();
    m_painter.drawImage(target, image, source);
}

void MetafileCanvas::patternFill(const QRectF &box, uint32_t rasterOperation)
{
    apply();
    if (rasterOperation == U_BLACKNESS)
        m_painter.fillRect(box, Qt::black);
    else if (rasterOperation == U_WHITENESS)
        m_painter.fillRect(box, Qt::white);
    else if (rasterOperation != U_NOOP)
        m_painter.fillRect(box, m_dc.brush);
}

void MetafileCanvas::createObject(uint32_t handle, Object object)
{
    if (m_objects.size() >= LargestObjects && !m_objects.contains(handle))
        m_damaged = true;
    else
        m_objects[handle] = std::move(object);
}

void MetafileCanvas::selectObject(uint32_t handle)
{
    const auto found = m_objects.find(handle);
    if (found != m_objects.end())
        use(found->second);
}

void MetafileCanvas::use(const Object &object)
{
    std::visit([this](const auto &chosen) {
        using T = std::decay_t<decltype(chosen)>;
        if constexpr (std::is_same_v<T, QPen>)
            m_dc.pen = chosen;
        else if constexpr (std::is_same_v<T, QBrush>)
            m_dc.brush = chosen;
        else if constexpr (std::is_same_v<T, QFont>)
            m_dc.font = chosen;
    }, object);
}

uint64_t MetafileCanvas::heldElements() const
{
    return uint64_t(m_dc.path.elementCount()) + (m_dc.clip ? uint64_t(m_dc.clip->elementCount()) : 0);
}

void MetafileCanvas::save()
{
    if (!within(m_saved.size() + 1, LargestSavedStates) || !within(m_savedElements + heldElements(), LargestHeldElements))
        return;
    m_savedElements += heldElements();
    m_saved.push_back(m_dc);
}

void MetafileCanvas::restore(int32_t relative)
{
    const size_t depth = m_saved.size();
    const size_t pops = relative < 0 ? size_t(-int64_t(relative)) : depth - size_t(relative) + 1;
    if (pops == 0 || pops > depth)
        return;
    for (size_t i = depth - pops; i < depth; ++i) {
        const DeviceContext &saved = m_saved[i];
        m_savedElements -= uint64_t(saved.path.elementCount()) + (saved.clip ? uint64_t(saved.clip->elementCount()) : 0);
    }
    m_dc = m_saved[depth - pops];
    m_saved.resize(depth - pops);
    m_clipChanged = true;
}
