#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

#include <cstdint>
#include <map>
#include <optional>
#include <variant>
#include <vector>

class QPainter;

// The drawing state of a Windows device context and the drawing calls that
// both metafile players (EMF and WMF) make. Coordinates are logical; the
// mapping mode turns them into the metafile's device units, and
// `deviceToPicture` those into the picture's pixels, on whatever painter
// transform the caller set up (so a picture prints as sharp as it shows).
// Paths and the clip are kept in the picture's pixels, as a device context
// keeps them in device units, so a later change of mapping leaves them be.
//
// What drawing programs write bounds what a file may ask for: saved states,
// live objects, points in a record or path. A file past those bounds is
// damaged (damaged() turns true), so no file costs more time or memory than
// a real picture does.
class MetafileCanvas
{
public:
    // A placeholder stands for objects that draw nothing (palettes, regions)
    // but still take their place in the object table.
    using Object = std::variant<std::monostate, QPen, QBrush, QFont>;

    struct DeviceContext
    {
        // A pen of width 0 is one device pixel wide, at any scale.
        QPen pen{Qt::black, 0};
        QBrush brush{Qt::white};
        QFont font{QStringLiteral("Arial")};
        QColor textColor{Qt::black};
        QColor backColor{Qt::white};
        bool opaqueBackground = true;
        uint32_t textAlign = 0;
        Qt::FillRule fillRule = Qt::OddEvenFill;
        uint32_t mapMode = 1;
        QPointF windowOrigin;
        QPointF viewportOrigin;
        QSizeF windowExtent{1, 1};
        QSizeF viewportExtent{1, 1};
        QPointF current;
        // The path being built between BEGINPATH and ENDPATH, and the
        // finished one until a record uses it up.
        QPainterPath path;
        bool pathOpen = false;
        // A widened path is an outline that fills by winding.
        bool pathWidened = false;
        // None: nothing is clipped.
        std::optional<QPainterPath> clip;
    };

    // How a new clip area combines with the one in force (the region modes).
    enum class ClipMode : uint32_t { And = 1, Or, Xor, Diff, Copy };

    enum class ArcKind { Arc, Chord, Pie };

    MetafileCanvas(QPainter &painter, const QTransform &deviceToPicture, double devicePerMm);
    ~MetafileCanvas();
    MetafileCanvas(const MetafileCanvas &) = delete;
    MetafileCanvas &operator=(const MetafileCanvas &) = delete;

    bool damaged() const { return m_damaged; }

    DeviceContext &state() { return m_dc; }

    // A GDI box from its edges; the right and bottom edges lie outside it.
    static QRectF box(double left, double top, double right, double bottom);
    // The angle on the ellipse where the ray from its centre through `p` meets it.
    static double degrees(const QRectF &box, const QPointF &p);
    static QPen makePen(uint32_t style, double width, const QColor &color);
    static QBrush makeBrush(uint32_t style, const QColor &color, uint32_t hatch);
    static QFont makeFont(const QString &face, int32_t height, int32_t weight, bool italic, bool underline,
                          bool strikeOut);

    void rectangle(const QRectF &box);
    void roundRectangle(const QRectF &box, const QSizeF &corner);
    void ellipse(const QRectF &box);
    void arc(const QRectF &box, const QPointF &start, const QPointF &end, ArcKind kind);
    void polygon(const QPolygonF &points);
    void polyline(const QPolygonF &points);
    void polyPolygon(const std::vector<QPolygonF> &polygons, bool closed);
    // Bezier segments of three points each; the first starts at the first
    // point, or with `fromCurrent` at the current position, which then
    // moves to the last point.
    void polyBezier(const QPolygonF &points, bool fromCurrent);
    void polylineTo(const QPolygonF &points);
    // The line from the current position to the arc's start, and the arc
    // counter-clockwise from `startDegrees` by `sweepDegrees`.
    void arcTo(const QRectF &box, double startDegrees, double sweepDegrees);
    // Points of the POLYDRAW kinds (move, line, bezier, with the close flag).
    void polyDraw(const QPolygonF &points, const QByteArray &kinds);
    void moveTo(const QPointF &to);
    void lineTo(const QPointF &to);

    void beginPath();
    void endPath() { m_dc.pathOpen = false; }
    void abortPath();
    void closeFigure();
    // The path becomes the outline of its stroke with the pen in force.
    void widenPath();
    // Fills and/or strokes the finished path and uses it up.
    void drawPath(bool fill, bool stroke);

    void intersectClip(const QRectF &box);
    void excludeClip(const QRectF &box);
    // The finished path combined with the clip; the path is used up.
    void selectClipPath(uint32_t mode);
    // Boxes in device units; none with the copy mode clips nothing.
    void selectClipRegion(const std::vector<QRectF> &deviceBoxes, uint32_t mode);
    void offsetClip(const QPointF &by);
    // `opaqueBox` is filled with the background colour first.
    void text(const QPointF &reference, const QString &string, const std::optional<QRectF> &opaqueBox);
    void image(const QRectF &target, const QImage &image, const QRectF &source);
    // Fills the box with the current brush (a block transfer without a source).
    void patternFill(const QRectF &box, uint32_t rasterOperation);

    void createObject(uint32_t handle, Object object);
    void selectObject(uint32_t handle);
    void use(const Object &object);
    void deleteObject(uint32_t handle) { m_objects.erase(handle); }
    void save();
    // A negative count goes back that many saved states; a positive one
    // goes back to that saved state, counted from the first.
    void restore(int32_t relative);

private:
    QTransform logicalToDevice() const;
    QTransform logicalToPicture() const { return logicalToDevice() * m_deviceToPicture; }
    // Prepares the painter for a shape and returns the pen's width in logical units.
    double apply();
    void applyClip();
    void outlined(const QRectF &box, void (*draw)(QPainter &, const QRectF &));
    // While a path is built, a shape in logical units joins it (as a
    // figure of its own, or continuing the last one) instead of drawing.
    bool addedToPath(const QPainterPath &shape, bool continues = false);
    // Strokes a line that starts at the current position, or continues the path's figure with it.
    void lineFromCurrent(const QPainterPath &shape);
    void setClip(std::optional<QPainterPath> clip);
    void combineClip(const QPainterPath &area, uint32_t mode);
    // Path and clip elements held in the current state and the saved ones.
    uint64_t heldElements() const;
    // False, and the file damaged, when `count` points more would pass `limit`.
    bool within(uint64_t count, uint64_t limit);

    QPainter &m_painter;
    QTransform m_base;
    QTransform m_deviceToPicture;
    double m_devicePerMm;
    DeviceContext m_dc;
    std::vector<DeviceContext> m_saved;
    uint64_t m_savedElements = 0;
    std::map<uint32_t, Object> m_objects;
    bool m_clipChanged = false;
    bool m_damaged = false;
};
