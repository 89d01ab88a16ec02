#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
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
    };

    enum class ArcKind { Arc, Chord, Pie };

    MetafileCanvas(QPainter &painter, const QTransform &deviceToPicture, double devicePerMm);

    DeviceContext &state() { return m_dc; }

    // A GDI box from its edges; the right and bottom edges lie outside it.
    static QRectF box(double left, double top, double right, double bottom);
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
    void moveTo(const QPointF &to) { m_dc.current = to; }
    void lineTo(const QPointF &to);
    // `opaqueBox` is filled with the background colour first.
    void text(const QPointF &reference, const QString &string, const std::optional<QRectF> &opaqueBox);
    void image(const QRectF &target, const QImage &image, const QRectF &source);
    // Fills the box with the current brush (a block transfer without a source).
    void patternFill(const QRectF &box, uint32_t rasterOperation);

    void createObject(uint32_t handle, Object object) { m_objects[handle] = std::move(object); }
    void selectObject(uint32_t handle);
    void use(const Object &object);
    void deleteObject(uint32_t handle) { m_objects.erase(handle); }
    void save() { m_saved.push_back(m_dc); }
    // A negative count goes back that many saved states; a positive one
    // goes back to that saved state, counted from the first.
    void restore(int32_t relative);

private:
    QTransform logicalToDevice() const;
    QTransform logicalToPicture() const { return logicalToDevice() * m_deviceToPicture; }
    QPen effectivePen() const;
    // Prepares the painter for a shape and returns the pen's width in logical units.
    double apply();
    void outlined(const QRectF &box, void (*draw)(QPainter &, const QRectF &));

    QPainter &m_painter;
    QTransform m_base;
    QTransform m_deviceToPicture;
    double m_devicePerMm;
    DeviceContext m_dc;
    std::vector<DeviceContext> m_saved;
    std::map<uint32_t, Object> m_objects;
};
