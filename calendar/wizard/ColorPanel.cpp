#include "calendar/wizard/ColorPanel.h"

#include "platform/ui/WidgetLook.h"

#include <QMouseEvent>

ColorPanel::ColorPanel(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setColor(m_color);
}

void ColorPanel::setColor(TColor color)
{
    m_color = color;
    WidgetLook::setBackground(this, color);
}

void ColorPanel::mouseReleaseEvent(QMouseEvent *event)
{
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
