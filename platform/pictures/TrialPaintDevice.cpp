#include "platform/pictures/TrialPaintDevice.h"

#include <QPaintEngine>

namespace {

class DiscardingEngine : public QPaintEngine
{
public:
    DiscardingEngine() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawRects(const QRectF *, int) override {}
    void drawLines(const QLineF *, int) override {}
    void drawEllipse(const QRectF &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPoints(const QPointF *, int) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
    void drawTextItem(const QPointF &, const QTextItem &) override {}
    void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override {}
    Type type() const override { return User; }
};

} // namespace

TrialPaintDevice::TrialPaintDevice() : m_engine(std::make_unique<DiscardingEngine>()) {}

TrialPaintDevice::~TrialPaintDevice() = default;

QPaintEngine *TrialPaintDevice::paintEngine() const
{
    return m_engine.get();
}

int TrialPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
    case PdmHeight: return 1 << 16;
    case PdmWidthMM:
    case PdmHeightMM: return (1 << 16) * 254 / 960;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return 96;
    case PdmDepth: return 32;
    case PdmNumColors: return INT_MAX;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    }
    return 0;
}
