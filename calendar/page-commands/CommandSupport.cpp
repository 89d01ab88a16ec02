#include "calendar/page-commands/CommandSupport.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/main-window/PageModel.h"
#include "calendar/main-window/TForm1.h"
#include "platform/text/IntegerText.h"
#include "platform/ui/Application.h"

#include <QAction>

std::optional<TColor> chooseColor(TForm1 &form, TColor preset)
{
    form.ColorDialog1.Color = preset;
    if (!form.ColorDialog1.Execute(&form))
        return std::nullopt;
    return form.ColorDialog1.Color;
}

Result<int> integerOfCaption(const QString &caption)
{
    const Result<qint32> value = parseInteger(caption);
    if (!value)
        return Failure{value.error()};
    return int(*value);
}

void setEverySmallMonth(TForm1 &form, ColorSetter set, TColor color)
{
    for (int month = 1; month <= PageModel::SmallMonthCount; ++month)
        (form.SmallKal(month)->*set)(color);
}

void setEveryGrid(TForm1 &form, ColorSetter set, TColor color)
{
    for (int month = 1; month <= PageModel::SmallMonthCount; ++month)
        (form.BigKal(month)->*set)(color);
}

void connectCommand(TForm1 &form, QAction *item, void (*command)())
{
    QObject::connect(item, &QAction::triggered, &form, command);
}

void connectCommand(TForm1 &form, QAction *item, Result<> (*command)())
{
    QObject::connect(item, &QAction::triggered, &form,
                     [&form, command] { Application::showErrorBox(&form, command()); });
}
