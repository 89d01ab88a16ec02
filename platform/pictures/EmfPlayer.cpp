#include "platform/pictures/EmfPlayer.h"

#include "platform/pictures/Dib.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cstring>
#include <limits>
#include <map>
#include <variant>
#include <vector>

#include <dlfcn.h>
#include <uemf.h>
#include <uemf_safe.h>

namespace {

constexpr uint32_t EmfSignature = 0x464D4520; // " EMF"
constexpr double ScreenDpi = 96.0;

QString damaged() { return QStringLiteral("The enhanced metafile is damaged"); }
QString notEmf() { return QStringLiteral("Not an enhanced metafile"); }

// libUEMF exports a wmf_free of its own that would shadow libwmf's in the
// process's global symbol scope; loaded locally and bound to itself, it lends
// us its record checks without touching libwmf. Never unloaded.
using RecordCheck = int (*)(const char *);
RecordCheck recordCheck()
{
    static const RecordCheck check = [] {
        void *library = dlopen("libuemf.so.0", RTLD_NOW | RTLD_LOCAL | RTLD_DEEPBIND);
        return library ? reinterpret_cast<RecordCheck>(dlsym(library, "U_emf_record_safe")) : nullptr;
    }();
    return check;
}

// Whether `count` items of `itemSize` bytes from `offset` lie inside a record of `size` bytes.
bool fits(size_t offset, size_t count, size_t itemSize, size_t size)
{
    return offset <= size && count <= (size - offset) / itemSize;
}

template <typename T> T field(const char *record, size_t offset = 0)
{
    T value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

QColor color(const U_COLORREF &c) { return QColor(c.Red, c.Green, c.Blue); }

QPointF point(const U_POINTL &p) { return QPointF(p.x, p.y); }

// GDI boxes leave out their right and bottom edges.
QRectF box(const U_RECTL &r)
{
    return QRectF(r.left, r.top, double(r.right) - r.left - 1, double(r.bottom) - r.top - 1);
}

// The frame, in hundredths of a millimetre, at screen resolution; empty when
// the frame is inverted or larger than a picture may be.
QSize pixelSize(const U_RECTL &frame)
{
    const auto pixels = [](int32_t from, int32_t to) {
        return qRound64((double(to) - double(from)) * ScreenDpi / 2540);
    };
    const qint64 width = pixels(frame.left, frame.right);
    const qint64 height = pixels(frame.top, frame.bottom);
    return Picture::fitsInMemory(width, height) ? QSize(int(width), int(height)) : QSize();
}

// Device pixels per millimetre from the header's reference device.
double devicePerMm(int32_t pixels, int32_t millimetres)
{
    return pixels > 0 && millimetres > 0 ? double(pixels) / millimetres : ScreenDpi / 25.4;
}

using Object = std::variant<QPen, QBrush, QFont>;

struct DeviceContext
{
    QPen pen{Qt::black, 0};
    QBrush brush{Qt::white};
    QFont font{QStringLiteral("Arial")};
    QColor textColor{Qt::black};
    QColor backColor{Qt::white};
    bool opaqueBackground = true;
    uint32_t textAlign = U_TA_TOP | U_TA_LEFT;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    uint32_t mapMode = U_MM_TEXT;
    QPointF windowOrigin;
    QPointF viewportOrigin;
    QSizeF windowExtent{1, 1};
    QSizeF viewportExtent{1, 1};
    QPointF current;
};

class Player
{
public:
    Player(QPainter &painter, const U_EMRHEADER &header, QSize size);

    // False when the record's contents overrun the record.
    bool play(const char *record, uint32_t type, uint32_t size);

private:
    void apply();
    QTransform logicalToDevice() const;
    template <typename Point> QPolygonF points(const char *record, size_t offset, uint32_t count) const;
    void poly(const QPolygonF &polygon, bool closed);
    bool polyPolygon16(const char *record, uint32_t size, bool closed);
    void createObject(uint32_t handle, Object object) { m_objects[handle] = std::move(object); }
    void selectObject(uint32_t handle);
    void restore(int32_t relative);
    void text(const char *record, uint32_t size);
    void bitmap(const char *record, uint32_t size, U_POINTL dest, U_POINTL destSize, U_POINTL src,
                U_POINTL srcSize, uint32_t offBmi, uint32_t cbBmi, uint32_t offBits, uint32_t cbBits);

    QPainter &m_painter;
    QTransform m_deviceToPicture;
    double m_devicePerMm;
    DeviceContext m_dc;
    std::vector<DeviceContext> m_saved;
    std::map<uint32_t, Object> m_objects;
};

Player::Player(QPainter &painter, const U_EMRHEADER &header, QSize size) : m_painter(painter)
{
    const double perMmX = devicePerMm(header.szlDevice.cx, header.szlMillimeters.cx);
    const double perMmY = devicePerMm(header.szlDevice.cy, header.szlMillimeters.cy);
    m_devicePerMm = perMmX;
    // The frame, in hundredths of a millimetre, is what the picture shows.
    const U_RECTL &f = header.rclFrame;
    const QRectF frame(f.left * perMmX / 100, f.top * perMmY / 100,
                       (double(f.right) - f.left) * perMmX / 100, (double(f.bottom) - f.top) * perMmY / 100);
    m_deviceToPicture = QTransform::fromTranslate(-frame.left(), -frame.top())
                        * QTransform::fromScale(size.width() / frame.width(), size.height() / frame.height());
}

QTransform Player::logicalToDevice() const
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

void Player::apply()
{
    m_painter.setWorldTransform(logicalToDevice() * m_deviceToPicture);
    m_painter.setPen(m_dc.pen);
    m_painter.setBrush(m_dc.brush);
}

template <typename Point>
QPolygonF Player::points(const char *record, size_t offset, uint32_t count) const
{
    QPolygonF polygon;
    polygon.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const auto p = field<Point>(record, offset + i * sizeof(Point));
        polygon << QPointF(p.x, p.y);
    }
    return polygon;
}

void Player::poly(const QPolygonF &polygon, bool closed)
{
    apply();
    if (closed)
        m_painter.drawPolygon(polygon, m_dc.fillRule);
    else
        m_painter.drawPolyline(polygon);
}

bool Player::polyPolygon16(const char *record, uint32_t size, bool closed)
{
    const auto head = field<U_EMRPOLYPOLYGON16>(record);
    const size_t countsAt = offsetof(U_EMRPOLYPOLYGON16, aPolyCounts);
    if (!fits(countsAt, head.nPolys, sizeof(U_POLYCOUNTS), size))
        return false;
    size_t pointsAt = countsAt + head.nPolys * sizeof(U_POLYCOUNTS);
    QPainterPath path;
    path.setFillRule(m_dc.fillRule);
    for (uint32_t i = 0; i < head.nPolys; ++i) {
        const auto count = field<U_POLYCOUNTS>(record, countsAt + i * sizeof(U_POLYCOUNTS));
        // The polygons' counts are not checked against the points the record holds.
        if (!fits(pointsAt, count, sizeof(U_POINT16), size))
            return false;
        const QPolygonF polygon = points<U_POINT16>(record, pointsAt, count);
        pointsAt += count * sizeof(U_POINT16);
        path.addPolygon(polygon);
        if (closed)
            path.closeSubpath();
    }
    apply();
    if (closed)
        m_painter.drawPath(path);
    else
        m_painter.strokePath(path, m_dc.pen);
    return true;
}

QPen makePen(uint32_t style, int32_t width, const U_COLORREF &c)
{
    static const std::map<uint32_t, Qt::PenStyle> styles = {
        {U_PS_DASH, Qt::DashLine}, {U_PS_DOT, Qt::DotLine}, {3, Qt::DashDotLine},
        {4, Qt::DashDotDotLine}, {U_PS_NULL, Qt::NoPen}};
    const auto found = styles.find(style & U_PS_STYLE_MASK);
    QPen pen(color(c), width > 1 ? width : 0);
    pen.setStyle(found == styles.end() ? Qt::SolidLine : found->second);
    return pen;
}

QBrush makeBrush(const U_LOGBRUSH &lb)
{
    static const Qt::BrushStyle hatches[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                             Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    if (lb.lbStyle == U_BS_NULL)
        return Qt::NoBrush;
    if (lb.lbStyle == 2 && lb.lbHatch < 6)
        return QBrush(color(lb.lbColor), hatches[lb.lbHatch]);
    return QBrush(color(lb.lbColor));
}

QFont makeFont(const U_LOGFONT &lf)
{
    const auto *face = reinterpret_cast<const char16_t *>(lf.lfFaceName);
    size_t length = 0;
    while (length < U_LF_FACESIZE && face[length])
        ++length;
    QFont font(QString::fromUtf16(face, static_cast<qsizetype>(length)));
    font.setPixelSize(std::max(1, std::abs(lf.lfHeight ? lf.lfHeight : 12)));
    font.setBold(lf.lfWeight >= 600);
    font.setItalic(lf.lfItalic);
    font.setUnderline(lf.lfUnderline);
    font.setStrikeOut(lf.lfStrikeOut);
    return font;
}

void Player::selectObject(uint32_t handle)
{
    if (handle & U_STOCK_OBJECT) {
        static const QColor greys[] = {Qt::white, QColor(0xC0, 0xC0, 0xC0), QColor(0x80, 0x80, 0x80),
                                       QColor(0x40, 0x40, 0x40), Qt::black};
        const uint32_t stock = handle & ~U_STOCK_OBJECT;
        if (stock < 5)
            m_dc.brush = QBrush(greys[stock]);
        else if (stock == 5)
            m_dc.brush = Qt::NoBrush;
        else if (stock == 6 || stock == 7)
            m_dc.pen = QPen(stock == 6 ? Qt::white : Qt::black, 0);
        else if (stock == 8)
            m_dc.pen = Qt::NoPen;
        else if (stock >= 10 && stock <= 17)
            m_dc.font = QFont(QStringLiteral("Arial"));
        return;
    }
    const auto found = m_objects.find(handle);
    if (found == m_objects.end())
        return;
    std::visit([this](const auto &object) {
        using T = std::decay_t<decltype(object)>;
        if constexpr (std::is_same_v<T, QPen>)
            m_dc.pen = object;
        else if constexpr (std::is_same_v<T, QBrush>)
            m_dc.brush = object;
        else
            m_dc.font = object;
    }, found->second);
}

void Player::restore(int32_t relative)
{
    const size_t depth = m_saved.size();
    const size_t pops = relative < 0 ? size_t(-relative) : depth - size_t(relative) + 1;
    if (pops == 0 || pops > depth)
        return;
    m_dc = m_saved[depth - pops];
    m_saved.resize(depth - pops);
}

void Player::text(const char *record, uint32_t size)
{
    const auto head = field<U_EMREXTTEXTOUTW>(record);
    const U_EMRTEXT &t = head.emrtext;
    if (size_t(t.offString) + size_t(t.nChars) * 2 > size)
        return;
    std::u16string chars(t.nChars, u'\0');
    std::memcpy(chars.data(), record + t.offString, t.nChars * 2);
    const QString string = QString::fromStdU16String(chars);

    apply();
    m_painter.setFont(m_dc.font);
    const size_t rectAt = offsetof(U_EMREXTTEXTOUTW, emrtext) + sizeof(U_EMRTEXT);
    if ((t.fOptions & U_ETO_OPAQUE) && !(t.fOptions & U_ETO_NO_RECT) && rectAt + sizeof(U_RECTL) <= size) {
        const auto r = field<U_RECTL>(record, rectAt);
        m_painter.fillRect(QRectF(r.left, r.top, double(r.right) - r.left, double(r.bottom) - r.top), m_dc.backColor);
    }
    const QFontMetricsF metrics(m_dc.font);
    const double width = metrics.horizontalAdvance(string);
    const uint32_t horizontal = m_dc.textAlign & U_TA_CENTER;
    const uint32_t vertical = m_dc.textAlign & U_TA_BASELINE;
    const double x = horizontal == U_TA_CENTER ? -width / 2 : horizontal == U_TA_RIGHT ? -width : 0;
    const double baseline = vertical == U_TA_BASELINE ? 0
                            : vertical == U_TA_BOTTOM ? -metrics.descent()
                                                      : metrics.ascent();
    m_painter.translate(point(t.ptlReference));
    if (m_dc.opaqueBackground)
        m_painter.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()), m_dc.backColor);
    m_painter.setPen(m_dc.textColor);
    m_painter.drawText(QPointF(x, baseline), string);
}

void Player::bitmap(const char *record, uint32_t size, U_POINTL dest, U_POINTL destSize, U_POINTL src,
                    U_POINTL srcSize, uint32_t offBmi, uint32_t cbBmi, uint32_t offBits, uint32_t cbBits)
{
    apply();
    const QRectF target(dest.x, dest.y, destSize.x, destSize.y);
    if (cbBmi == 0) {
        // No source bitmap: a pattern fill with the current brush.
        m_painter.fillRect(target, m_dc.brush);
        return;
    }
    if (size_t(offBmi) + cbBmi > size || size_t(offBits) + cbBits > size)
        return;
    const QImage image = Dib::toImage(QByteArray(record + offBmi, cbBmi), QByteArray(record + offBits, cbBits));
    if (!image.isNull())
        m_painter.drawImage(target, image, QRectF(src.x, src.y, srcSize.x, srcSize.y));
}

bool Player::play(const char *record, uint32_t type, uint32_t size)
{
    switch (type) {
    case U_EMR_POLYGON:
    case U_EMR_POLYLINE:
        poly(points<U_POINTL>(record, offsetof(U_EMRPOLYGON, aptl), field<U_EMRPOLYGON>(record).cptl),
             type == U_EMR_POLYGON);
        break;
    case U_EMR_POLYGON16:
    case U_EMR_POLYLINE16:
        poly(points<U_POINT16>(record, offsetof(U_EMRPOLYGON16, apts), field<U_EMRPOLYGON16>(record).cpts),
             type == U_EMR_POLYGON16);
        break;
    case U_EMR_POLYPOLYGON16: return polyPolygon16(record, size, true);
    case U_EMR_POLYPOLYLINE16: return polyPolygon16(record, size, false);
    case U_EMR_RECTANGLE: apply(); m_painter.drawRect(box(field<U_EMRRECTANGLE>(record).rclBox)); break;
    case U_EMR_ELLIPSE: apply(); m_painter.drawEllipse(box(field<U_EMRELLIPSE>(record).rclBox)); break;
    case U_EMR_ROUNDRECT: {
        const auto r = field<U_EMRROUNDRECT>(record);
        apply();
        m_painter.drawRoundedRect(box(r.rclBox), r.szlCorner.cx / 2.0, r.szlCorner.cy / 2.0);
        break;
    }
    case U_EMR_MOVETOEX: m_dc.current = point(field<U_EMRMOVETOEX>(record).ptl); break;
    case U_EMR_LINETO: {
        const QPointF to = point(field<U_EMRLINETO>(record).ptl);
        apply();
        m_painter.drawLine(m_dc.current, to);
        m_dc.current = to;
        break;
    }
    case U_EMR_EXTTEXTOUTW: m_painter.save(); text(record, size); m_painter.restore(); break;
    case U_EMR_CREATEPEN: {
        const auto r = field<U_EMRCREATEPEN>(record);
        createObject(r.ihPen, makePen(r.lopn.lopnStyle, r.lopn.lopnWidth.x, r.lopn.lopnColor));
        break;
    }
    case U_EMR_EXTCREATEPEN: {
        const auto r = field<U_EMREXTCREATEPEN>(record);
        createObject(r.ihPen, makePen(r.elp.elpPenStyle, int32_t(r.elp.elpWidth), r.elp.elpColor));
        break;
    }
    case U_EMR_CREATEBRUSHINDIRECT: {
        const auto r = field<U_EMRCREATEBRUSHINDIRECT>(record);
        createObject(r.ihBrush, makeBrush(r.lb));
        break;
    }
    case U_EMR_EXTCREATEFONTINDIRECTW: {
        const auto r = field<U_EMREXTCREATEFONTINDIRECTW>(record);
        createObject(r.ihFont, makeFont(r.elfw.elfLogFont));
        break;
    }
    case U_EMR_SELECTOBJECT: selectObject(field<U_EMRSELECTOBJECT>(record).ihObject); break;
    case U_EMR_DELETEOBJECT: m_objects.erase(field<U_EMRDELETEOBJECT>(record).ihObject); break;
    case U_EMR_SETTEXTCOLOR: m_dc.textColor = color(field<U_EMRSETTEXTCOLOR>(record).crColor); break;
    case U_EMR_SETBKCOLOR: m_dc.backColor = color(field<U_EMRSETBKCOLOR>(record).crColor); break;
    case U_EMR_SETBKMODE: m_dc.opaqueBackground = field<U_EMRSETBKMODE>(record).iMode == U_OPAQUE; break;
    case U_EMR_SETTEXTALIGN: m_dc.textAlign = field<U_EMRSETTEXTALIGN>(record).iMode; break;
    case U_EMR_SETPOLYFILLMODE:
        m_dc.fillRule = field<U_EMRSETPOLYFILLMODE>(record).iMode == U_WINDING ? Qt::WindingFill : Qt::OddEvenFill;
        break;
    case U_EMR_SETMAPMODE: m_dc.mapMode = field<U_EMRSETMAPMODE>(record).iMode; break;
    case U_EMR_SETWINDOWEXTEX:
    case U_EMR_SETVIEWPORTEXTEX: {
        const auto extent = field<U_EMRSETWINDOWEXTEX>(record).szlExtent;
        if (extent.cx == 0 || extent.cy == 0)
            break;
        (type == U_EMR_SETWINDOWEXTEX ? m_dc.windowExtent : m_dc.viewportExtent) = QSizeF(extent.cx, extent.cy);
        break;
    }
    case U_EMR_SETWINDOWORGEX:
    case U_EMR_SETVIEWPORTORGEX:
        (type == U_EMR_SETWINDOWORGEX ? m_dc.windowOrigin : m_dc.viewportOrigin)
            = point(field<U_EMRSETWINDOWORGEX>(record).ptlOrigin);
        break;
    case U_EMR_SAVEDC: m_saved.push_back(m_dc); break;
    case U_EMR_RESTOREDC: restore(field<U_EMRRESTOREDC>(record).iRelative); break;
    case U_EMR_STRETCHDIBITS: {
        const auto r = field<U_EMRSTRETCHDIBITS>(record);
        bitmap(record, size, r.Dest, r.cDest, r.Src, r.cSrc, r.offBmiSrc, r.cbBmiSrc, r.offBitsSrc, r.cbBitsSrc);
        break;
    }
    case U_EMR_BITBLT: {
        const auto r = field<U_EMRBITBLT>(record);
        bitmap(record, size, r.Dest, r.cDest, r.Src, r.cDest, r.offBmiSrc, r.cbBmiSrc, r.offBitsSrc, r.cbBitsSrc);
        break;
    }
    default: break;
    }
    return true;
}

} // namespace

namespace EmfPlayer {

std::variant<Picture, QString> decode(const QByteArray &data)
{
    const RecordCheck recordSafe = recordCheck();
    if (!recordSafe)
        return QStringLiteral("Enhanced metafiles cannot be read: libUEMF is not installed");
    if (size_t(data.size()) < U_SIZE_EMRHEADER_MIN)
        return notEmf();
    U_EMRHEADER header{};
    std::memcpy(&header, data.constData(), std::min(sizeof header, size_t(data.size())));
    if (header.emr.iType != U_EMR_HEADER || header.dSignature != EmfSignature)
        return notEmf();
    const QSize size = pixelSize(header.rclFrame);
    if (size.isEmpty())
        return notEmf();

    QPicture recording;
    QPainter painter(&recording);
    painter.setClipRect(QRect(QPoint(0, 0), size));
    Player player(painter, header, size);
    for (qsizetype at = 0;;) {
        if (at + qsizetype(sizeof(U_EMR)) > data.size())
            return damaged();
        const char *record = data.constData() + at;
        const auto emr = field<U_EMR>(record);
        if (emr.nSize < sizeof(U_EMR) || emr.nSize % 4 || at + qsizetype(emr.nSize) > data.size()
            || !recordSafe(record))
            return damaged();
        if (emr.iType == U_EMR_EOF)
            break;
        if (!player.play(record, emr.iType, emr.nSize))
            return damaged();
        at += emr.nSize;
    }
    painter.end();
    return Picture(std::move(recording), size);
}

} // namespace EmfPlayer
