#pragma once

#include <QPaintDevice>

#include <memory>

class QPaintEngine;

// A paint device that keeps nothing of what is painted onto it: a metafile is
// played onto it once when it is read, so that damage shows at reading and not
// at drawing, without rendering a thing.
class TrialPaintDevice : public QPaintDevice
{
public:
    TrialPaintDevice();
    ~TrialPaintDevice() override;

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    std::unique_ptr<QPaintEngine> m_engine;
};
