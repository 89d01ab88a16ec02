#pragma once

#include "platform/paint/TColor.h"
#include "platform/result/Result.h"

#include <QString>

#include <optional>

class MonthControl;
class QAction;
class TForm1;

// What the page and project commands share.

// The main window's colour dialog, opened with `preset`; the colour chosen,
// nothing on Cancel.
std::optional<TColor> chooseColor(TForm1 &form, TColor preset);
// The integer of a year label's caption; a caption that is not one fails
// with "'%s' is not a valid integer value".
Result<int> integerOfCaption(const QString &caption);

using ColorSetter = void (MonthControl::*)(TColor);
// One colour of the cover's SmallKal1..SmallKal12, or of the month pages'
// BigKal1..BigKal12, in that order.
void setEverySmallMonth(TForm1 &form, ColorSetter set, TColor color);
void setEveryGrid(TForm1 &form, ColorSetter set, TColor color);

// Binds a menu item of the main window to its command. The handler only calls
// the command; a failure goes to the default error box, and the design keeps
// what the command had changed.
void connectCommand(TForm1 &form, QAction *item, void (*command)());
void connectCommand(TForm1 &form, QAction *item, Result<> (*command)());
