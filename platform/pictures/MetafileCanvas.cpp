#include "platform/pictures/MetafileCanvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdlib>

#include <uemf.h>

namespace {

// Qt takes no wider pen; a larger font than this has no use in a picture and
// only makes the drawing slow.
constexpr double LargestPen = (1 << 15) - 1;
constexpr int64_t LargestFont = 1 << 14;
// Qt's glyph cache fails on glyphs this many device pixels high and more;
// those are drawn as outlines.
constexpr double LargestCachedGlyph = 1024;

double degrees(const QRectF &box, const QPointF &p)
{
    // The angle on the ellipse where the ray from its centre through `p` meets it.
    const QPointF c = box.center();
    return std::atan2(-(p.y() - c.y()) / box.height(), (p.x() - c.x()) / box.width()) * 180 / M_PI;
}

} // namespace

MetafileCanvas::MetafileCanvas(QPainter &painter, const QTransform &deviceToPicture, double devicePerMm)
    : m_painter(painter), m_base(painter.worldTransform()), m_deviceToPicture(deviceToPicture),
      m_devicePerMm(devicePerMm)
{
}

QRectF MetafileCanvas::box(double left, double top, double right, double bottom)
{
    return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
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

QPen MetafileCanvas::effectivePen() const
{
    QPen pen = m_dc.pen;
    if (pen.widthF() == 0 && pen.style() != Qt::NoPen) {
        // One pixel of the picture, in logical units: hairlines grow with the picture.
        const double width = 1 / std::sqrt(std::abs(logicalToPicture().determinant()));
        pen.setWidthF(std::isfinite(width) ? std::min(width, LargestPen) : 1);
    }
    return pen;
}

double MetafileCanvas::apply()
{
    const QPen pen = effectivePen();
    m_painter.setWorldTransform(logicalToPicture() * m_base);
    m_painter.setPen(pen);
    m_painter.setBrush(m_dc.brush);
    return pen.style() == Qt::NoPen ? 0 : pen.widthF();
}

void MetafileCanvas::outlined(const QRectF &box, void (*draw)(QPainter &, const QRectF &))
{
    // The pen runs inside the box, so the shape covers the box exactly at any scale.
    const double inset = std::min({apply(), box.width(), box.height()}) / 2;
    draw(m_painter, box.adjusted(inset, inset, -inset, -inset));
}

void MetafileCanvas::rectangle(const QRectF &box)
{
    outlined(box, [](QPainter &painter, const QRectF &r) { painter.drawRect(r); });
}

void MetafileCanvas::ellipse(const QRectF &box)
{
    outlined(box, [](QPainter &painter, const QRectF &r) { painter.drawEllipse(r); });
}

void MetafileCanvas::roundRectangle(const QRectF &box, const QSizeF &corner)
{
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
    apply();
    if (kind == ArcKind::Arc) {
        m_painter.strokePath(path, m_painter.pen());
        return;
    }
    path.closeSubpath();
    m_painter.drawPath(path);
}

void MetafileCanvas::polygon(const QPolygonF &points)
{
    apply();
    m_painter.drawPolygon(points, m_dc.fillRule);
}

void MetafileCanvas::polyline(const QPolygonF &points)
{
    apply();
    m_painter.drawPolyline(points);
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
    apply();
    if (closed)
        m_painter.drawPath(path);
    else
        m_painter.strokePath(path, m_painter.pen());
}

void MetafileCanvas::lineTo(const QPointF &to)
{
    apply();
    m_painter.drawLine(m_dc.current, to);
    m_dc.current = to;
}

void MetafileCanvas::text(const QPointF &reference, const QString &string, const std::optional<QRectF> &opaqueBox)
{
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

void MetafileCanvas::restore(int32_t relative)
{
    const size_t depth = m_saved.size();
    const size_t pops = relative < 0 ? size_t(-int64_t(relative)) : depth - size_t(relative) + 1;
    if (pops == 0 || pops > depth)
        return;
    m_dc = m_saved[depth - pops];
    m_saved.resize(depth - pops);
}
