#include "calendar/main-window/WidgetColor.h"

#include <QWidget>

void setWidgetColor(QWidget &widget, QPalette::ColorRole role, TColor color)
{
    QPalette palette = widget.palette();
    palette.setColor(role, color.toQColor());
    widget.setPalette(palette);
}
