#include "platform/ui/WidgetLook.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace WidgetLook {

void setColor(QWidget &widget, QPalette::ColorRole role, TColor color)
{
    QPalette palette = widget.palette();
    palette.setColor(role, color.toQColor());
    widget.setPalette(palette);
}

void setTextColor(QWidget *widget, TColor color)
{
    QPalette palette = widget->palette();
    const QColor c = color.toQColor();
    palette.setColor(QPalette::WindowText, c);
    palette.setColor(QPalette::ButtonText, c);
    palette.setColor(QPalette::Text, c);
    widget->setPalette(palette);
}

TColor textColor(const QWidget &widget)
{
    const QPalette::ColorRole role = qobject_cast<const QLineEdit *>(&widget) ? QPalette::Text
                                                                              : QPalette::WindowText;
    return TColor::fromQColor(widget.palette().color(role));
}

void setBackground(QWidget *widget, TColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color.toQColor());
    palette.setColor(QPalette::Base, color.toQColor());
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void fitAutoSizedLabels(QWidget *window)
{
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->property("autoSize").toBool())
            label->adjustSize();
    }
}

void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    if (label->property("autoSize").toBool())
        label->adjustSize();
}

} // namespace WidgetLook
