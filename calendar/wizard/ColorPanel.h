#pragma once

#include "platform/paint/TColor.h"

#include <QFrame>

// A colour swatch: a panel without text, filled with its colour, that
// reports a click.
class ColorPanel : public QFrame
{
    Q_OBJECT

public:
    explicit ColorPanel(QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void setColor(TColor color);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TColor m_color = Colors::clBtnFace;
};
