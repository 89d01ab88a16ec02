#include "platform/pictures/EmfPlayer.h"

#include "platform/messages/PlatformMessages.h"
#include "platform/pictures/Dib.h"
#include "platform/pictures/MetafileCanvas.h"
#include "platform/pictures/RecordBytes.h"
#include "platform/text/Cp1250.h"

#include <QPainter>

#include <cstddef>
#include <optional>

#include <uemf.h>

namespace {

constexpr uint32_t EmfSignature = 0x464D4520; // " EMF"
constexpr double ScreenDpi = 96.0;

Failure damaged() { return {PlatformMessages::enhancedMetafileDamaged()}; }
Failure notEmf() { return {PlatformMessages::notAnEnhancedMetafile()}; }

QColor color(const U_COLORREF &c) { return QColor(c.Red, c.Green, c.Blue); }
QPointF point(const U_POINTL &p) { return QPointF(p.x, p.y); }
QRectF box(const U_RECTL &r) { return MetafileCanvas::box(r.left, r.top, r.right, r.bottom); }

struct Header
{
    QSize size;
    QTransform deviceToPicture;
    double devicePerMm;
};

// Device pixels per millimetre from the header's reference device.
double devicePerMm(int32_t pixels, int32_t millimetres)
{
    return pixels > 0 && millimetres > 0 ? double(pixels) / millimetres : ScreenDpi / 25.4;
}

// The frame, in hundredths of a millimetre, is what the picture shows, at
// screen resolution. None when the frame is inverted or larger than a
// picture may be.
std::optional<Header> readHeader(const QByteArray &data)
{
    if (size_t(data.size()) < U_SIZE_EMRHEADER_MIN)
        return std::nullopt;
    U_EMRHEADER header{};
    std::memcpy(&header, data.constData(), std::min(sizeof header, size_t(data.size())));
    if (header.emr.iType != U_EMR_HEADER || header.dSignature != EmfSignature)
        return std::nullopt;
    const U_RECTL &f = header.rclFrame;
    const auto pixels = [](int32_t from, int32_t to) { return qRound64((double(to) - from) * ScreenDpi / 2540); };
    const qint64 width = pixels(f.left, f.right);
    const qint64 height = pixels(f.top, f.bottom);
    if (width <= 0 || height <= 0 || !Picture::fitsInMemory(width, height))
        return std::nullopt;

    const double perMmX = devicePerMm(header.szlDevice.cx, header.szlMillimeters.cx);
    const double perMmY = devicePerMm(header.szlDevice.cy, header.szlMillimeters.cy);
    const QRectF frame(f.left * perMmX / 100, f.top * perMmY / 100, (double(f.right) - f.left) * perMmX / 100,
                       (double(f.bottom) - f.top) * perMmY / 100);
    const QSize size{int(width), int(height)};
    return Header{size,
                  QTransform::fromTranslate(-frame.left(), -frame.top())
                      * QTransform::fromScale(size.width() / frame.width(), size.height() / frame.height()),
                  perMmX};
}

MetafileCanvas::Object stockObject(uint32_t stock)
{
    static const QColor greys[] = {Qt::white, QColor(0xC0, 0xC0, 0xC0), QColor(0x80, 0x80, 0x80),
                                   QColor(0x40, 0x40, 0x40), Qt::black};
    if (stock < std::size(greys))
        return QBrush(greys[stock]);
    switch (stock) {
    case 5: return QBrush(Qt::NoBrush);
    case 6: return QPen(Qt::white, 0);
    case 7: return QPen(Qt::black, 0);
    case 8: return QPen(Qt::NoPen);
    default: return stock >= 10 && stock <= 17 ? MetafileCanvas::Object(QFont(QStringLiteral("Arial")))
                                               : MetafileCanvas::Object();
    }
}

class Player
{
public:
    Player(QPainter &painter, const Header &header) : m_canvas(painter, header.deviceToPicture, header.devicePerMm) {}

    void play(RecordBytes &r, uint32_t type);

private:
    template <typename Point> void poly(RecordBytes &r, bool closed);
    template <typename Point> void polyPolygon(RecordBytes &r, bool closed);
    // POLYBEZIER, POLYBEZIERTO and POLYLINETO, and their 16-bit forms.
    template <typename Point> void polyCurve(RecordBytes &r, uint32_t type);
    template <typename Point> void polyDraw(RecordBytes &r);
    void clipRegion(RecordBytes &r);
    void text(RecordBytes &r, bool wide);
    void bitmap(RecordBytes &r, const QRectF &target, const U_POINTL &src, const U_POINTL &srcSize,
                uint32_t offBmi, uint32_t cbBmi, uint32_t offBits, uint32_t cbBits, uint32_t rasterOperation);
    template <typename Blt> void blockTransfer(RecordBytes &r, const U_POINTL &srcSize);

    MetafileCanvas m_canvas;
};

// POLYGON and POLYLINE share their layout, as do their 16-bit forms.
template <typename Point> void Player::poly(RecordBytes &r, bool closed)
{
    constexpr size_t countAt = offsetof(U_EMRPOLYGON, cptl);
    static_assert(countAt == offsetof(U_EMRPOLYGON16, cpts));
    const QPolygonF points = r.points<Point>(countAt + 4, r.at<uint32_t>(countAt));
    if (closed)
        m_canvas.polygon(points);
    else
        m_canvas.polyline(points);
}

// POLYPOLYGON and POLYPOLYLINE, and their 16-bit forms.
template <typename Point> void Player::polyPolygon(RecordBytes &r, bool closed)
{
    constexpr size_t countsAt = offsetof(U_EMRPOLYPOLYLINE, aPolyCounts);
    static_assert(countsAt == offsetof(U_EMRPOLYPOLYLINE16, aPolyCounts));
    const uint32_t polygons = r.at<uint32_t>(offsetof(U_EMRPOLYPOLYLINE, nPolys));
    if (!r.require(countsAt, polygons, sizeof(U_POLYCOUNTS)))
        return;
    uint64_t pointsAt = countsAt + uint64_t(polygons) * sizeof(U_POLYCOUNTS);
    std::vector<QPolygonF> shapes;
    for (uint32_t i = 0; i < polygons && !r.damaged(); ++i) {
        const uint32_t count = r.at<uint32_t>(countsAt + uint64_t(i) * sizeof(U_POLYCOUNTS));
        shapes.push_back(r.points<Point>(pointsAt, count));
        pointsAt += uint64_t(count) * sizeof(Point);
    }
    if (!r.damaged())
        m_canvas.polyPolygon(shapes, closed);
}

template <typename Point> void Player::polyCurve(RecordBytes &r, uint32_t type)
{
    constexpr size_t countAt = offsetof(U_EMRPOLYBEZIER, cptl);
    static_assert(countAt == offsetof(U_EMRPOLYBEZIER16, cpts));
    const QPolygonF points = r.points<Point>(countAt + 4, r.at<uint32_t>(countAt));
    if (r.damaged())
        return;
    switch (type) {
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYBEZIER16: m_canvas.polyBezier(points, false); break;
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYBEZIERTO16: m_canvas.polyBezier(points, true); break;
    default: m_canvas.polylineTo(points); break;
    }
}

// The points, then a kind byte for each.
template <typename Point> void Player::polyDraw(RecordBytes &r)
{
    constexpr size_t countAt = offsetof(U_EMRPOLYDRAW, cptl);
    static_assert(countAt == offsetof(U_EMRPOLYDRAW16, cpts));
    const uint32_t count = r.at<uint32_t>(countAt);
    const QPolygonF points = r.points<Point>(countAt + 4, count);
    const QByteArray kinds = r.bytes(countAt + 4 + uint64_t(count) * sizeof(Point), count);
    if (!r.damaged())
        m_canvas.polyDraw(points, kinds);
}

// EXTSELECTCLIPRGN: a region of boxes in device units.
void Player::clipRegion(RecordBytes &r)
{
    const uint32_t size = r.at<uint32_t>(offsetof(U_EMREXTSELECTCLIPRGN, cbRgnData));
    const uint32_t mode = r.at<uint32_t>(offsetof(U_EMREXTSELECTCLIPRGN, iMode));
    constexpr size_t regionAt = offsetof(U_EMREXTSELECTCLIPRGN, RgnData);
    std::vector<QRectF> boxes;
    if (size > 0) {
        const auto header = r.at<U_RGNDATAHEADER>(regionAt);
        // Four corners a box, counted like the points of a polygon.
        const QPolygonF corners = r.points<U_POINTL>(regionAt + sizeof(U_RGNDATAHEADER), uint64_t(header.nCount) * 2);
        for (qsizetype i = 0; i + 1 < corners.size(); i += 2)
            boxes.push_back(MetafileCanvas::box(corners[i].x(), corners[i].y(), corners[i + 1].x(), corners[i + 1].y()));
    }
    if (!r.damaged())
        m_canvas.selectClipRegion(boxes, mode);
}

// EXTTEXTOUTW and EXTTEXTOUTA share their layout; the string is UTF-16 or 8-bit.
void Player::text(RecordBytes &r, bool wide)
{
    constexpr size_t textAt = offsetof(U_EMREXTTEXTOUTW, emrtext);
    const auto t = r.at<U_EMRTEXT>(textAt);
    const QByteArray bytes = r.bytes(t.offString, uint64_t(t.nChars) * (wide ? 2 : 1));
    if (r.damaged())
        return;
    const QString string = wide ? QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()),
                                                     qsizetype(t.nChars))
                                : Cp1250::decode(bytes);
    std::optional<QRectF> opaque;
    if ((t.fOptions & U_ETO_OPAQUE) && !(t.fOptions & U_ETO_NO_RECT)) {
        const auto rect = r.at<U_RECTL>(textAt + sizeof(U_EMRTEXT));
        opaque = QRectF(QPointF(rect.left, rect.top), QPointF(rect.right, rect.bottom));
    }
    if (!r.damaged())
        m_canvas.text(point(t.ptlReference), string, opaque);
}

void Player::bitmap(RecordBytes &r, const QRectF &target, const U_POINTL &src, const U_POINTL &srcSize,
                    uint32_t offBmi, uint32_t cbBmi, uint32_t offBits, uint32_t cbBits, uint32_t rasterOperation)
{
    if (cbBmi == 0) {
        // No source bitmap: a pattern fill.
        m_canvas.patternFill(target, rasterOperation);
        return;
    }
    const QByteArray info = r.bytes(offBmi, cbBmi);
    const QByteArray bits = r.bytes(offBits, cbBits);
    if (r.damaged())
        return;
    const auto image = Dib::toImage(info, bits);
    if (image)
        m_canvas.image(target, *image, QRectF(src.x, src.y, srcSize.x, srcSize.y));
    else
        r.markDamaged();
}

// BITBLT and STRETCHBLT: BITBLT copies the source at the destination's size.
template <typename Blt> void Player::blockTransfer(RecordBytes &r, const U_POINTL &srcSize)
{
    const auto b = r.at<Blt>(0);
    bitmap(r, QRectF(b.Dest.x, b.Dest.y, b.cDest.x, b.cDest.y), b.Src, srcSize, b.offBmiSrc, b.cbBmiSrc,
           b.offBitsSrc, b.cbBitsSrc, b.dwRop);
}

void Player::play(RecordBytes &r, uint32_t type)
{
    MetafileCanvas::DeviceContext &dc = m_canvas.state();
    switch (type) {
    case U_EMR_POLYGON:
    case U_EMR_POLYLINE: poly<U_POINTL>(r, type == U_EMR_POLYGON); break;
    case U_EMR_POLYGON16:
    case U_EMR_POLYLINE16: poly<U_POINT16>(r, type == U_EMR_POLYGON16); break;
    case U_EMR_POLYPOLYGON:
    case U_EMR_POLYPOLYLINE: polyPolygon<U_POINTL>(r, type == U_EMR_POLYPOLYGON); break;
    case U_EMR_POLYPOLYGON16:
    case U_EMR_POLYPOLYLINE16: polyPolygon<U_POINT16>(r, type == U_EMR_POLYPOLYGON16); break;
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYLINETO: polyCurve<U_POINTL>(r, type); break;
    case U_EMR_POLYBEZIER16:
    case U_EMR_POLYBEZIERTO16:
    case U_EMR_POLYLINETO16: polyCurve<U_POINT16>(r, type); break;
    case U_EMR_POLYDRAW: polyDraw<U_POINTL>(r); break;
    case U_EMR_POLYDRAW16: polyDraw<U_POINT16>(r); break;
    case U_EMR_RECTANGLE: m_canvas.rectangle(box(r.at<U_EMRRECTANGLE>(0).rclBox)); break;
    case U_EMR_ELLIPSE: m_canvas.ellipse(box(r.at<U_EMRELLIPSE>(0).rclBox)); break;
    case U_EMR_ROUNDRECT: {
        const auto rr = r.at<U_EMRROUNDRECT>(0);
        m_canvas.roundRectangle(box(rr.rclBox), QSizeF(rr.szlCorner.cx, rr.szlCorner.cy));
        break;
    }
    case U_EMR_ARC:
    case U_EMR_CHORD:
    case U_EMR_PIE: {
        const auto a = r.at<U_EMRARC>(0);
        const auto kind = type == U_EMR_ARC     ? MetafileCanvas::ArcKind::Arc
                          : type == U_EMR_CHORD ? MetafileCanvas::ArcKind::Chord
                                                : MetafileCanvas::ArcKind::Pie;
        m_canvas.arc(box(a.rclBox), point(a.ptlStart), point(a.ptlEnd), kind);
        break;
    }
    case U_EMR_ARCTO: {
        const auto a = r.at<U_EMRARCTO>(0);
        const QRectF arcBox = box(a.rclBox);
        if (!arcBox.isEmpty()) {
            const double from = MetafileCanvas::degrees(arcBox, point(a.ptlStart));
            const double sweep = MetafileCanvas::degrees(arcBox, point(a.ptlEnd)) - from;
            m_canvas.arcTo(arcBox, from, sweep <= 0 ? sweep + 360 : sweep);
        }
        break;
    }
    case U_EMR_ANGLEARC: {
        const auto a = r.at<U_EMRANGLEARC>(0);
        const double radius = a.nRadius;
        m_canvas.arcTo(QRectF(a.ptlCenter.x - radius, a.ptlCenter.y - radius, 2 * radius, 2 * radius),
                       a.eStartAngle, a.eSweepAngle);
        break;
    }
    case U_EMR_BEGINPATH: m_canvas.beginPath(); break;
    case U_EMR_ENDPATH: m_canvas.endPath(); break;
    case U_EMR_ABORTPATH: m_canvas.abortPath(); break;
    case U_EMR_CLOSEFIGURE: m_canvas.closeFigure(); break;
    // Flattening changes how a path is stored, not how it draws.
    case U_EMR_FLATTENPATH: break;
    case U_EMR_WIDENPATH: m_canvas.widenPath(); break;
    case U_EMR_FILLPATH: m_canvas.drawPath(true, false); break;
    case U_EMR_STROKEPATH: m_canvas.drawPath(false, true); break;
    case U_EMR_STROKEANDFILLPATH: m_canvas.drawPath(true, true); break;
    case U_EMR_INTERSECTCLIPRECT: m_canvas.intersectClip(box(r.at<U_EMRINTERSECTCLIPRECT>(0).rclClip)); break;
    case U_EMR_EXCLUDECLIPRECT: m_canvas.excludeClip(box(r.at<U_EMREXCLUDECLIPRECT>(0).rclClip)); break;
    case U_EMR_SELECTCLIPPATH: m_canvas.selectClipPath(r.at<U_EMRSELECTCLIPPATH>(0).iMode); break;
    case U_EMR_EXTSELECTCLIPRGN: clipRegion(r); break;
    case U_EMR_OFFSETCLIPRGN: m_canvas.offsetClip(point(r.at<U_EMROFFSETCLIPRGN>(0).ptlOffset)); break;
    case U_EMR_MOVETOEX: m_canvas.moveTo(point(r.at<U_EMRMOVETOEX>(0).ptl)); break;
    case U_EMR_LINETO: m_canvas.lineTo(point(r.at<U_EMRLINETO>(0).ptl)); break;
    case U_EMR_EXTTEXTOUTW:
    case U_EMR_EXTTEXTOUTA: text(r, type == U_EMR_EXTTEXTOUTW); break;
    case U_EMR_CREATEPEN: {
        const auto p = r.at<U_EMRCREATEPEN>(0);
        m_canvas.createObject(p.ihPen, MetafileCanvas::makePen(p.lopn.lopnStyle, p.lopn.lopnWidth.x,
                                                               color(p.lopn.lopnColor)));
        break;
    }
    case U_EMR_EXTCREATEPEN: {
        constexpr size_t penAt = offsetof(U_EMREXTCREATEPEN, elp);
        const auto style = r.at<uint32_t>(penAt + offsetof(U_EXTLOGPEN, elpPenStyle));
        // A cosmetic pen is one device pixel wide whatever its width says.
        const auto width = (style & U_PS_GEOMETRIC) ? r.at<uint32_t>(penAt + offsetof(U_EXTLOGPEN, elpWidth)) : 0;
        const auto colour = r.at<U_COLORREF>(penAt + offsetof(U_EXTLOGPEN, elpColor));
        m_canvas.createObject(r.at<uint32_t>(offsetof(U_EMREXTCREATEPEN, ihPen)),
                              MetafileCanvas::makePen(style, width, color(colour)));
        break;
    }
    case U_EMR_CREATEBRUSHINDIRECT: {
        const auto b = r.at<U_EMRCREATEBRUSHINDIRECT>(0);
        m_canvas.createObject(b.ihBrush, MetafileCanvas::makeBrush(b.lb.lbStyle, color(b.lb.lbColor), b.lb.lbHatch));
        break;
    }
    case U_EMR_EXTCREATEFONTINDIRECTW: {
        const auto lf = r.at<U_LOGFONT>(offsetof(U_EMREXTCREATEFONTINDIRECTW, elfw));
        const auto *face = reinterpret_cast<const char16_t *>(lf.lfFaceName);
        qsizetype length = 0;
        while (length < U_LF_FACESIZE && face[length])
            ++length;
        m_canvas.createObject(r.at<uint32_t>(offsetof(U_EMREXTCREATEFONTINDIRECTW, ihFont)),
                              MetafileCanvas::makeFont(QString::fromUtf16(face, length), lf.lfHeight,
                                                       lf.lfWeight, lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut));
        break;
    }
    case U_EMR_SELECTOBJECT: {
        const uint32_t handle = r.at<U_EMRSELECTOBJECT>(0).ihObject;
        if (handle & U_STOCK_OBJECT)
            m_canvas.use(stockObject(handle & ~U_STOCK_OBJECT));
        else
            m_canvas.selectObject(handle);
        break;
    }
    case U_EMR_DELETEOBJECT: m_canvas.deleteObject(r.at<U_EMRDELETEOBJECT>(0).ihObject); break;
    case U_EMR_SETTEXTCOLOR: dc.textColor = color(r.at<U_EMRSETTEXTCOLOR>(0).crColor); break;
    case U_EMR_SETBKCOLOR: dc.backColor = color(r.at<U_EMRSETBKCOLOR>(0).crColor); break;
    case U_EMR_SETBKMODE: dc.opaqueBackground = r.at<U_EMRSETBKMODE>(0).iMode == U_OPAQUE; break;
    case U_EMR_SETTEXTALIGN: dc.textAlign = r.at<U_EMRSETTEXTALIGN>(0).iMode; break;
    case U_EMR_SETPOLYFILLMODE:
        dc.fillRule = r.at<U_EMRSETPOLYFILLMODE>(0).iMode == U_WINDING ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case U_EMR_SETMAPMODE: dc.mapMode = r.at<U_EMRSETMAPMODE>(0).iMode; break;
    case U_EMR_SETWINDOWEXTEX:
    case U_EMR_SETVIEWPORTEXTEX: {
        const auto extent = r.at<U_EMRSETWINDOWEXTEX>(0).szlExtent;
        if (extent.cx != 0 && extent.cy != 0)
            (type == U_EMR_SETWINDOWEXTEX ? dc.windowExtent : dc.viewportExtent) = QSizeF(extent.cx, extent.cy);
        break;
    }
    case U_EMR_SETWINDOWORGEX:
    case U_EMR_SETVIEWPORTORGEX:
        (type == U_EMR_SETWINDOWORGEX ? dc.windowOrigin : dc.viewportOrigin)
            = point(r.at<U_EMRSETWINDOWORGEX>(0).ptlOrigin);
        break;
    case U_EMR_SAVEDC: m_canvas.save(); break;
    case U_EMR_RESTOREDC: m_canvas.restore(r.at<U_EMRRESTOREDC>(0).iRelative); break;
    case U_EMR_STRETCHDIBITS: {
        const auto s = r.at<U_EMRSTRETCHDIBITS>(0);
        bitmap(r, QRectF(s.Dest.x, s.Dest.y, s.cDest.x, s.cDest.y), s.Src, s.cSrc, s.offBmiSrc, s.cbBmiSrc,
               s.offBitsSrc, s.cbBitsSrc, s.dwRop);
        break;
    }
    case U_EMR_BITBLT: blockTransfer<U_EMRBITBLT>(r, r.at<U_EMRBITBLT>(0).cDest); break;
    case U_EMR_STRETCHBLT: blockTransfer<U_EMRSTRETCHBLT>(r, r.at<U_EMRSTRETCHBLT>(0).cSrc); break;
    default: break;
    }
    if (m_canvas.damaged())
        r.markDamaged();
}

} // namespace

namespace EmfPlayer {

bool play(const QByteArray &data, QPainter &painter)
{
    const std::optional<Header> header = readHeader(data);
    if (!header)
        return false;
    Player player(painter, *header);
    uint64_t points = 0;
    for (qsizetype at = 0;;) {
        if (data.size() - at < qsizetype(sizeof(U_EMR)))
            return false;
        const char *record = data.constData() + at;
        U_EMR emr;
        std::memcpy(&emr, record, sizeof emr);
        if (emr.nSize < sizeof(U_EMR) || emr.nSize % 4 || qsizetype(emr.nSize) > data.size() - at)
            return false;
        if (emr.iType == U_EMR_EOF)
            return true;
        RecordBytes bytes(record, emr.nSize);
        player.play(bytes, emr.iType);
        points += bytes.pointsRead();
        if (bytes.damaged() || points > RecordBytes::LargestFilePointCount)
            return false;
        at += emr.nSize;
    }
}

Result<Picture> decode(const QByteArray &data)
{
    const std::optional<Header> header = readHeader(data);
    if (!header)
        return notEmf();
    if (std::optional<Picture> picture = Picture::fromMetafile(data, play, header->size))
        return *std::move(picture);
    return damaged();
}

} // namespace EmfPlayer
