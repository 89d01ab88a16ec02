#include "calendar/page-commands/DesignMenus.h"

#include "calendar/main-window/TForm1.h"
#include "calendar/page-commands/CalendarMenu.h"
#include "calendar/project-commands/ProjectMenu.h"

#include "ui_TForm1.h"

#include <utility>

// The handlers only call their commands.
void ConnectDesignMenus(TForm1 &form)
{
    const Ui::TForm1 &ui = *form.ui;
    const std::pair<QAction *, void (*)()> commands[] = {
        {ui.NastavitB, ApplyProjectTextColor},  {ui.NastavitD, ApplyProjectDayNameColor},
        {ui.NastavitV, ApplyProjectFillColor},  {ui.NastavitC, ApplyProjectLineColor},
        {ui.ZmenitR, ChangeProjectYear},        {ui.VymazatVO, ClearProjectPictures},
        {ui.VymazatT, ClearProjectTexts},       {ui.NacistO, LoadPagePicture},
        {ui.NastavitBT, ApplyPageTextColor},    {ui.NastavitBD, ApplyPageDayNameColor},
        {ui.NastavitBV, ApplyPageFillColor},    {ui.NastavitBC, ApplyPageLineColor},
        {ui.ZmenitRM, ChangeDocumentMonthYear}, {ui.VymazatO, ClearPagePicture},
    };
    for (const auto &[item, command] : commands)
        QObject::connect(item, &QAction::triggered, &form, command);
}
