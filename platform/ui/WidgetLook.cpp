#include "platform/ui/WidgetLook.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>

namespace WidgetLook {

namespace {

// The font colour as it was set, a system colour or clNone included: the
// palette holds only what it paints as.
constexpr char TextColorProperty[] = "textTColor";

} // namespace

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
    widget->setProperty(TextColorProperty, color.value());
}

TColor textColor(const QWidget &widget)
{
    if (const QVariant set = widget.property(TextColorProperty); set.isValid())
        return TColor(set.toUInt());
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

void applyFontPixelSizes(QWidget *window)
{
    // Parents come before their children, so a child's font is adjusted
    // after the one it inherits.
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : widgets) {
        const QVariant pixels = widget->property("fontPixelSize");
        if (!pixels.isValid())
            continue;
        QFont font = widget->font();
        font.setPixelSize(pixels.toInt());
        widget->setFont(font);
    }
}

void setPlainTextLabels(QWidget *window)
{
    for (QLabel *label : window->findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
}

void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    if (label->property("autoSize").toBool())
        label->adjustSize();
}

} // namespace WidgetLook
