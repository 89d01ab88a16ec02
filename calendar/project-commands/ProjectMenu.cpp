#include "calendar/project-commands/ProjectMenu.h"

#include "calendar-controls/big-month/TBigKal.h"
#include "calendar-controls/picture/TImageKal.h"
#include "calendar-controls/small-month/TSmallKal.h"
#include "calendar/main-window/AutoSizeLabel.h"
#include "calendar/main-window/PageModel.h"
#include "calendar/main-window/TForm1.h"
#include "calendar/page-commands/CommandSupport.h"
#include "calendar/year-dialogs/TForm5.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/WidgetLook.h"

#include "ui_TForm1.h"

#include <QLineEdit>

using PageModel::SmallMonthCount;

namespace {

constexpr int ProjectLabels = 25;     // Label1 the cover's year, Label2..Label25 the month pages
constexpr int ProjectPictures = 13;   // ImageKal1 the cover, ImageKal2..ImageKal13 the months

} // namespace

void ApplyProjectTextColor()
{
    const auto color = chooseColor(*Form1, WidgetLook::textColor(*Form1->Label(1)));
    if (!color)
        return;
    for (int month = 1; month <= SmallMonthCount; ++month)
        Form1->BigKal(month)->setBarvaCisel(*color);
    setEverySmallMonth(*Form1, &MonthControl::setBarvaPisma, *color);
    for (int month = 1; month <= SmallMonthCount; ++month)
        WidgetLook::setTextColor(Form1->Edit(month), *color);
    for (int n = 1; n <= ProjectLabels; ++n)
        WidgetLook::setTextColor(Form1->Label(n), *color);
}

void ApplyProjectDayNameColor()
{
    if (const auto color = chooseColor(*Form1, Form1->BigKal(1)->BarvaPisma()))
        setEveryGrid(*Form1, &MonthControl::setBarvaPisma, *color);
}

void ApplyProjectFillColor()
{
    if (const auto color = chooseColor(*Form1, Form1->SmallKal(1)->BarvaPozadi())) {
        setEverySmallMonth(*Form1, &MonthControl::setBarvaPozadi, *color);
        setEveryGrid(*Form1, &MonthControl::setBarvaPozadi, *color);
    }
}

void ApplyProjectLineColor()
{
    if (const auto color = chooseColor(*Form1, Form1->SmallKal(1)->BarvaCary())) {
        setEverySmallMonth(*Form1, &MonthControl::setBarvaCary, *color);
        setEveryGrid(*Form1, &MonthControl::setBarvaCary, *color);
    }
}

Result<> ChangeProjectYear()
{
    const Result<int> year = integerOfCaption(Form1->Label(1)->text());
    if (!year)
        return Failure{year.error()};
    Form5->SpinEdit1->setValue(*year);
    Form1->OldYear = *year;
    Form5->exec();
    return {};
}

void ClearProjectPictures()
{
    for (int n = 1; n <= ProjectPictures; ++n)
        Form1->ImageKal(n)->Clear();
}

void ClearProjectTexts()
{
    for (int month = 1; month <= SmallMonthCount; ++month)
        Form1->Edit(month)->clear();
}

void ConnectProjectMenu(TForm1 &form)
{
    const Ui::TForm1 &ui = *form.ui;
    connectCommand(form, ui.NastavitB, ApplyProjectTextColor);
    connectCommand(form, ui.NastavitD, ApplyProjectDayNameColor);
    connectCommand(form, ui.NastavitV, ApplyProjectFillColor);
    connectCommand(form, ui.NastavitC, ApplyProjectLineColor);
    connectCommand(form, ui.VymazatVO, ClearProjectPictures);
    connectCommand(form, ui.VymazatT, ClearProjectTexts);
    connectCommand(form, ui.ZmenitR, ChangeProjectYear);
}
