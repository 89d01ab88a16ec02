#pragma once

#include "platform/paint/TColor.h"

#include <QPalette>

class QLabel;
class QString;
class QWidget;

// Colours and sizes that a window sets per control.
namespace WidgetLook {

// One colour role of a widget's palette.
void setColor(QWidget &widget, QPalette::ColorRole role, TColor color);
// The font colour of a control.
void setTextColor(QWidget *widget, TColor color);
// The font colour of a control: the TColor last set, else the text colour of
// an edit or the window-text colour of any other control.
TColor textColor(const QWidget &widget);
// The fill colour of a control.
void setBackground(QWidget *widget, TColor color);
// Labels whose form sets the property "autoSize" take their text's size.
void fitAutoSizedLabels(QWidget *window);
// A form sizes fonts in points only: the window and the controls whose form
// sets the property "fontPixelSize" take their font at that size in pixels.
void applyFontPixelSizes(QWidget *window);
// Every label of the window shows its text as written, never as markup.
void setPlainTextLabels(QWidget *window);
// Sets the text; an auto-sized label takes the new text's size.
void setLabelText(QLabel *label, const QString &text);

} // namespace WidgetLook
