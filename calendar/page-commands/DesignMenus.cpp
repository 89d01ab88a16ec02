#include "calendar/page-commands/DesignMenus.h"

#include "calendar/main-window/TForm1.h"
#include "calendar/page-commands/CalendarMenu.h"
#include "calendar/project-commands/ProjectMenu.h"
#include "platform/ui/Application.h"

#include "ui_TForm1.h"

#include <utility>

// The handlers only call their commands; a command's failure goes to the
// default error box, and the design keeps what the command had changed.
void ConnectDesignMenus(TForm1 &form)
{
    const Ui::TForm1 &ui = *form.ui;
    const std::pair<QAction *, void (*)()> commands[] = {
        {ui.NastavitB, ApplyProjectTextColor},  {ui.NastavitD, ApplyProjectDayNameColor},
        {ui.NastavitV, ApplyProjectFillColor},  {ui.NastavitC, ApplyProjectLineColor},
        {ui.VymazatVO, ClearProjectPictures},   {ui.VymazatT, ClearProjectTexts},
        {ui.NastavitBT, ApplyPageTextColor},    {ui.NastavitBD, ApplyPageDayNameColor},
        {ui.NastavitBV, ApplyPageFillColor},    {ui.NastavitBC, ApplyPageLineColor},
        {ui.VymazatO, ClearPagePicture},
    };
    for (const auto &[item, command] : commands)
        QObject::connect(item, &QAction::triggered, &form, command);
    const std::pair<QAction *, Result<> (*)()> failing[] = {
        {ui.ZmenitR, ChangeProjectYear},
        {ui.NacistO, LoadPagePicture},
        {ui.ZmenitRM, ChangeDocumentMonthYear},
    };
    for (const auto &[item, command] : failing)
        QObject::connect(item, &QAction::triggered, &form,
                         [&form, command] { Application::showErrorBox(&form, command()); });
}
