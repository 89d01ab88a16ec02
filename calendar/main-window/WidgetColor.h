#pragma once

#include "platform/paint/TColor.h"

#include <QPalette>

class QWidget;

// Gives one colour role of a widget's palette a colour of the colour table.
void setWidgetColor(QWidget &widget, QPalette::ColorRole role, TColor color);
