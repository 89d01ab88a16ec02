#include "platform/ui/Application.h"
#include "trainer-components/system-facts/SysFacts.h"
#include "trainer-components/web-host/EngineEnvironment.h"
#include "trainer/main-window/TTitul.h"
#include "trainer/main-window/TrainerArt.h"

int main(int argc, char *argv[])
{
    ReadSystemFacts();
    EngineEnvironment::prepare();
    Application app(argc, argv, QStringLiteral("Brelvik 2002"));
    QApplication::setWindowIcon(TrainerArt::programIcon());
    TTitul window;
    if (window.endRequested())
        return 0;
    window.show();
    return QApplication::exec();
}
