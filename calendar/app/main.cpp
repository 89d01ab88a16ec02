#include "calendar/app/DesignerStartup.h"
#include "calendar/main-window/TForm1.h"
#include "platform/ui/Application.h"

int main(int argc, char *argv[])
{
    Application app(argc, argv, QStringLiteral("Zoziruzo"));
    DesignerStartup startup(QCoreApplication::applicationFilePath());
    if (startup.ended())
        return 0;
    startup.mainWindow().show();
    return QApplication::exec();
}
