#include "platform/pictures/WmfPlayer.h"

#include "platform/messages/PlatformMessages.h"
#include "platform/pictures/Dib.h"
#include "platform/pictures/MetafileCanvas.h"
#include "platform/pictures/RecordBytes.h"
#include "platform/text/Cp1250.h"

#include <QPainter>
#include <QtEndian>

#include <functional>
#include <optional>
#include <set>

#include <uwmf.h>

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qsizetype PlaceableSize = 22;
constexpr qsizetype HeaderSize = 18;
constexpr qsizetype RecordHeadSize = 6;
constexpr double ScreenDpi = 96.0;

Failure damaged() { return {PlatformMessages::windowsMetafileDamaged()}; }
Failure notWmf() { return {PlatformMessages::notAWindowsMetafile()}; }

// What the picture shows: the placeable header's frame, or else the window
// the file sets up, in logical units, and its size in pixels.
struct Header
{
    qsizetype recordsAt = 0;
    QRectF window;
    QSize size;
};

// Calls `visit` with every record up to the end record; false when a record
// does not fit the file or the end record is missing.
bool forEachRecord(const QByteArray &data, qsizetype at, const std::function<bool(RecordBytes &, uint16_t)> &visit)
{
    for (;;) {
        if (data.size() - at < RecordHeadSize)
            return false;
        const char *record = data.constData() + at;
        const quint64 size = quint64(qFromLittleEndian<quint32>(record)) * 2;
        const auto function = qFromLittleEndian<quint16>(record + 4);
        if (size < quint64(RecordHeadSize) || size > quint64(data.size() - at))
            return false;
        if (function == 0)
            return true;
        RecordBytes bytes(record, size_t(size));
        if (!visit(bytes, function) || bytes.damaged())
            return false;
        at += qsizetype(size);
    }
}

int16_t word(RecordBytes &r, int index) { return r.at<int16_t>(RecordHeadSize + 2 * uint64_t(index)); }
uint16_t unsignedWord(RecordBytes &r, int index) { return r.at<uint16_t>(RecordHeadSize + 2 * uint64_t(index)); }
QPointF pointAt(RecordBytes &r, int index) { return QPointF(word(r, index + 1), word(r, index)); }

std::optional<QSize> pixels(double width, double height)
{
    const qint64 w = qRound64(width);
    const qint64 h = qRound64(height);
    if (w <= 0 || h <= 0 || !Picture::fitsInMemory(w, h))
        return std::nullopt;
    return QSize(int(w), int(h));
}

// Without a placeable header, the first window extent the file sets gives its size.
std::optional<Header> windowHeader(const QByteArray &data, qsizetype recordsAt)
{
    std::optional<QSizeF> extent;
    forEachRecord(data, recordsAt, [&](RecordBytes &r, uint16_t function) {
        if ((function & U_WMR_MASK) == U_WMR_SETWINDOWEXT && word(r, 0) != 0 && word(r, 1) != 0)
            extent = QSizeF(word(r, 1), word(r, 0));
        return !extent;
    });
    if (!extent)
        return std::nullopt;
    const std::optional<QSize> size = pixels(std::abs(extent->width()), std::abs(extent->height()));
    if (!size)
        return std::nullopt;
    return Header{recordsAt, QRectF(QPointF(0, 0), *extent), *size};
}

std::optional<Header> readHeader(const QByteArray &data)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const bool placeable = data.size() >= PlaceableSize && qFromLittleEndian<quint32>(bytes) == PlaceableKey;
    const qsizetype headerAt = placeable ? PlaceableSize : 0;
    if (data.size() < headerAt + HeaderSize)
        return std::nullopt;
    const auto type = qFromLittleEndian<quint16>(bytes + headerAt);
    const auto headerWords = qFromLittleEndian<quint16>(bytes + headerAt + 2);
    if ((type != 1 && type != 2) || headerWords != HeaderSize / 2)
        return std::nullopt;
    const qsizetype recordsAt = headerAt + HeaderSize;
    if (!placeable)
        return windowHeader(data, recordsAt);

    const auto edge = [bytes](int index) { return qFromLittleEndian<qint16>(bytes + 6 + 2 * index); };
    const QRectF frame(QPointF(edge(0), edge(1)), QPointF(edge(2), edge(3)));
    const auto unitsPerInch = qFromLittleEndian<quint16>(bytes + 14);
    if (unitsPerInch == 0)
        return std::nullopt;
    const std::optional<QSize> size
        = pixels(frame.width() * ScreenDpi / unitsPerInch, frame.height() * ScreenDpi / unitsPerInch);
    if (!size)
        return std::nullopt;
    return Header{recordsAt, frame, *size};
}

// Objects take the lowest free place in the table when they are made; the
// records name them by that place.
class ObjectTable
{
public:
    uint32_t add()
    {
        if (m_free.empty())
            return m_next++;
        const uint32_t place = *m_free.begin();
        m_free.erase(m_free.begin());
        return place;
    }
    void remove(uint32_t place)
    {
        if (place < m_next)
            m_free.insert(place);
    }

private:
    std::set<uint32_t> m_free;
    uint32_t m_next = 0;
};

class Player
{
public:
    Player(QPainter &painter, const Header &header);

    void play(RecordBytes &r, uint16_t function);

private:
    void create(MetafileCanvas::Object object) { m_canvas.createObject(m_objects.add(), std::move(object)); }
    void createFont(RecordBytes &r);
    void text(const QPointF &at, const QByteArray &bytes, const std::optional<QRectF> &opaque);
    void textOut(RecordBytes &r);
    void extTextOut(RecordBytes &r);
    QPolygonF points(RecordBytes &r, uint64_t offset, uint64_t count) { return r.points<U_POINT16>(offset, count); }
    void polyPolygon(RecordBytes &r);
    // DIBBITBLT copies at the destination's size, DIBSTRETCHBLT stretches, and
    // STRETCHDIB stretches a bitmap it always holds.
    enum class Transfer { Copy, Stretch, StretchDib };
    // `fields` is how many words precede the bitmap.
    void bitmap(RecordBytes &r, uint16_t function, int fields, Transfer transfer);

    MetafileCanvas m_canvas;
    ObjectTable m_objects;
};

Player::Player(QPainter &painter, const Header &header) : m_canvas(painter, QTransform(), ScreenDpi / 25.4)
{
    // The window the file draws in fills the picture.
    MetafileCanvas::DeviceContext &dc = m_canvas.state();
    dc.mapMode = U_MM_ANISOTROPIC;
    dc.windowOrigin = header.window.topLeft();
    dc.windowExtent = header.window.size();
    dc.viewportExtent = header.size;
}

void Player::createFont(RecordBytes &r)
{
    constexpr uint64_t faceAt = RecordHeadSize + 18;
    const QByteArray face = r.bytes(faceAt, std::min<uint64_t>(r.size() - std::min<uint64_t>(r.size(), faceAt), 32));
    const auto flag = [&r](uint64_t offset) { return r.at<uint8_t>(RecordHeadSize + offset) != 0; };
    const qsizetype end = face.indexOf('\0');
    create(MetafileCanvas::makeFont(Cp1250::decode(end < 0 ? face : face.first(end)), word(r, 0), word(r, 4),
                                    flag(10), flag(11), flag(12)));
}

void Player::text(const QPointF &at, const QByteArray &bytes, const std::optional<QRectF> &opaque)
{
    m_canvas.text(at, Cp1250::decode(bytes), opaque);
}

void Player::textOut(RecordBytes &r)
{
    const uint16_t length = unsignedWord(r, 0);
    const QByteArray string = r.bytes(RecordHeadSize + 2, length);
    const int after = 1 + (length + 1) / 2;
    const QPointF at = pointAt(r, after);
    if (!r.damaged())
        text(at, string, std::nullopt);
}

void Player::extTextOut(RecordBytes &r)
{
    const QPointF at = pointAt(r, 0);
    const uint16_t length = unsignedWord(r, 2);
    const uint16_t options = unsignedWord(r, 3);
    uint64_t stringAt = RecordHeadSize + 8;
    std::optional<QRectF> opaque;
    if (options & (U_ETO_OPAQUE | U_ETO_CLIPPED)) {
        if (options & U_ETO_OPAQUE)
            opaque = QRectF(QPointF(word(r, 4), word(r, 5)), QPointF(word(r, 6), word(r, 7)));
        stringAt += 8;
    }
    const QByteArray string = r.bytes(stringAt, length);
    if (!r.damaged())
        text(at, string, opaque);
}

void Player::polyPolygon(RecordBytes &r)
{
    const uint16_t polygons = unsignedWord(r, 0);
    constexpr uint64_t countsAt = RecordHeadSize + 2;
    if (!r.require(countsAt, polygons, 2))
        return;
    uint64_t pointsAt = countsAt + uint64_t(polygons) * 2;
    std::vector<QPolygonF> shapes;
    for (int i = 0; i < polygons && !r.damaged(); ++i) {
        const uint16_t count = unsignedWord(r, 1 + i);
        shapes.push_back(points(r, pointsAt, count));
        pointsAt += uint64_t(count) * sizeof(U_POINT16);
    }
    if (!r.damaged())
        m_canvas.polyPolygon(shapes, true);
}

void Player::bitmap(RecordBytes &r, uint16_t function, int fields, Transfer transfer)
{
    // Parameters from the last (the destination) back to the raster operation.
    const uint32_t operation = r.at<uint32_t>(RecordHeadSize);
    // A block transfer whose size is the one its function encodes holds no
    // bitmap but a reserved word: a pattern fill.
    const bool withoutBitmap = transfer != Transfer::StretchDib && r.size() == (uint64_t(function >> 8) + 3) * 2;
    const int last = fields - 1 + (withoutBitmap ? 1 : 0);
    const QRectF target(word(r, last), word(r, last - 1), word(r, last - 2), word(r, last - 3));
    if (withoutBitmap) {
        m_canvas.patternFill(target, operation);
        return;
    }
    const int srcAt = last - 4;
    const QSizeF srcSize
        = transfer == Transfer::Copy ? target.size() : QSizeF(word(r, srcAt - 2), word(r, srcAt - 3));
    const QRectF source(QPointF(word(r, srcAt), word(r, srcAt - 1)), srcSize);
    const uint64_t dibAt = RecordHeadSize + 2 * uint64_t(fields);
    const auto image = Dib::fromPacked(r.bytes(dibAt, r.size() - std::min<uint64_t>(r.size(), dibAt)));
    if (r.damaged())
        return;
    if (image)
        m_canvas.image(target, *image, source);
    else
        r.markDamaged();
}

void Player::play(RecordBytes &r, uint16_t function)
{
    MetafileCanvas::DeviceContext &dc = m_canvas.state();
    const auto color = [&r](int index) {
        const auto c = r.at<U_COLORREF>(RecordHeadSize + 2 * uint64_t(index));
        return QColor(c.Red, c.Green, c.Blue);
    };
    const auto edges = [&r](int bottom) {
        return MetafileCanvas::box(word(r, bottom + 3), word(r, bottom + 2), word(r, bottom + 1), word(r, bottom));
    };
    switch (function & U_WMR_MASK) {
    case U_WMR_SETBKCOLOR: dc.backColor = color(0); break;
    case U_WMR_SETBKMODE: dc.opaqueBackground = unsignedWord(r, 0) == U_OPAQUE; break;
    case U_WMR_SETMAPMODE:
        dc.mapMode = unsignedWord(r, 0) == U_MM_ISOTROPIC ? U_MM_ISOTROPIC : U_MM_ANISOTROPIC;
        break;
    case U_WMR_SETPOLYFILLMODE: dc.fillRule = unsignedWord(r, 0) == U_WINDING ? Qt::WindingFill : Qt::OddEvenFill; break;
    case U_WMR_SETTEXTCOLOR: dc.textColor = color(0); break;
    case U_WMR_SETTEXTALIGN: dc.textAlign = unsignedWord(r, 0); break;
    case U_WMR_SETWINDOWORG: dc.windowOrigin = pointAt(r, 0); break;
    case U_WMR_OFFSETWINDOWORG: dc.windowOrigin += pointAt(r, 0); break;
    case U_WMR_SETWINDOWEXT:
        if (word(r, 0) != 0 && word(r, 1) != 0)
            dc.windowExtent = QSizeF(word(r, 1), word(r, 0));
        break;
    case U_WMR_SCALEWINDOWEXT:
        if (word(r, 0) != 0 && word(r, 1) != 0 && word(r, 2) != 0 && word(r, 3) != 0)
            dc.windowExtent = QSizeF(dc.windowExtent.width() * word(r, 3) / word(r, 2),
                                     dc.windowExtent.height() * word(r, 1) / word(r, 0));
        break;
    case U_WMR_MOVETO: m_canvas.moveTo(pointAt(r, 0)); break;
    case U_WMR_LINETO: m_canvas.lineTo(pointAt(r, 0)); break;
    case U_WMR_RECTANGLE: m_canvas.rectangle(edges(0)); break;
    case U_WMR_ELLIPSE: m_canvas.ellipse(edges(0)); break;
    case U_WMR_ROUNDRECT: m_canvas.roundRectangle(edges(2), QSizeF(word(r, 1), word(r, 0))); break;
    case U_WMR_ARC:
    case U_WMR_CHORD:
    case U_WMR_PIE: {
        const auto kind = (function & U_WMR_MASK) == U_WMR_ARC     ? MetafileCanvas::ArcKind::Arc
                          : (function & U_WMR_MASK) == U_WMR_CHORD ? MetafileCanvas::ArcKind::Chord
                                                                   : MetafileCanvas::ArcKind::Pie;
        m_canvas.arc(edges(4), pointAt(r, 2), pointAt(r, 0), kind);
        break;
    }
    case U_WMR_POLYGON: m_canvas.polygon(points(r, RecordHeadSize + 2, unsignedWord(r, 0))); break;
    case U_WMR_POLYLINE: m_canvas.polyline(points(r, RecordHeadSize + 2, unsignedWord(r, 0))); break;
    case U_WMR_POLYPOLYGON: polyPolygon(r); break;
    case U_WMR_TEXTOUT: textOut(r); break;
    case U_WMR_EXTTEXTOUT: extTextOut(r); break;
    case U_WMR_INTERSECTCLIPRECT: m_canvas.intersectClip(edges(0)); break;
    case U_WMR_EXCLUDECLIPRECT: m_canvas.excludeClip(edges(0)); break;
    case U_WMR_OFFSETCLIPRGN: m_canvas.offsetClip(pointAt(r, 0)); break;
    case U_WMR_SAVEDC: m_canvas.save(); break;
    case U_WMR_RESTOREDC: m_canvas.restore(word(r, 0)); break;
    case U_WMR_SELECTOBJECT: m_canvas.selectObject(unsignedWord(r, 0)); break;
    case U_WMR_DELETEOBJECT:
        m_canvas.deleteObject(unsignedWord(r, 0));
        m_objects.remove(unsignedWord(r, 0));
        break;
    case U_WMR_CREATEPENINDIRECT:
        create(MetafileCanvas::makePen(unsignedWord(r, 0), word(r, 1), color(3)));
        break;
    case U_WMR_CREATEBRUSHINDIRECT:
        create(MetafileCanvas::makeBrush(unsignedWord(r, 0), color(1), unsignedWord(r, 3)));
        break;
    case U_WMR_CREATEFONTINDIRECT: createFont(r); break;
    case U_WMR_DIBCREATEPATTERNBRUSH: {
        const auto image = Dib::fromPacked(r.bytes(RecordHeadSize + 4, r.size() - std::min<size_t>(r.size(), 10)));
        create(image ? MetafileCanvas::Object(QBrush(*image)) : MetafileCanvas::Object());
        break;
    }
    case U_WMR_CREATEPALETTE:
    case U_WMR_CREATEPATTERNBRUSH:
    case U_WMR_CREATEREGION:
    case U_WMR_CREATEBITMAPINDIRECT:
    case U_WMR_CREATEBITMAP: create(MetafileCanvas::Object()); break;
    case U_WMR_PATBLT:
        m_canvas.patternFill(QRectF(word(r, 5), word(r, 4), word(r, 3), word(r, 2)), r.at<uint32_t>(RecordHeadSize));
        break;
    case U_WMR_DIBBITBLT: bitmap(r, function, 8, Transfer::Copy); break;
    case U_WMR_DIBSTRETCHBLT: bitmap(r, function, 10, Transfer::Stretch); break;
    case U_WMR_STRETCHDIB: bitmap(r, function, 11, Transfer::StretchDib); break;
    default: break;
    }
    if (m_canvas.damaged())
        r.markDamaged();
}

} // namespace

namespace WmfPlayer {

bool play(const QByteArray &data, QPainter &painter)
{
    const std::optional<Header> header = readHeader(data);
    if (!header)
        return false;
    Player player(painter, *header);
    uint64_t points = 0;
    return forEachRecord(data, header->recordsAt, [&player, &points](RecordBytes &r, uint16_t function) {
        player.play(r, function);
        points += r.pointsRead();
        return points <= RecordBytes::LargestFilePointCount;
    });
}

Result<Picture> decode(const QByteArray &data)
{
    const std::optional<Header> header = readHeader(data);
    if (!header)
        return notWmf();
    if (std::optional<Picture> picture = Picture::fromMetafile(data, play, header->size))
        return *std::move(picture);
    return damaged();
}

} // namespace WmfPlayer
