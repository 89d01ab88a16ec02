#include "calendar/main-window/DesignerStartup.h"
#include "calendar/main-window/TForm1.h"
#include "platform/ui/Application.h"

#include <QTimer>

int main(int argc, char *argv[])
{
    Application app(argc, argv, QStringLiteral("Zoziruzo"));
    DesignerStartup startup(QCoreApplication::applicationFilePath());
    if (startup.ended())
        return 0;
    startup.mainWindow().show();
    // The year project's pages are made once the window is up, so that they
    // do not hold up the start.
    QTimer::singleShot(0, &startup.mainWindow(), &TForm1::makeProjectPages);
    return QApplication::exec();
}
