#include "platform/ui/Application.h"
#include "trainer-components/system-facts/SysFacts.h"
#include "trainer-components/web-host/EngineEnvironment.h"
#include "trainer/main-window/TTitul.h"
#include "trainer/main-window/TrainerArt.h"
#include "trainer/program-info/TI_o_prg.h"

int main(int argc, char *argv[])
{
    ReadSystemFacts();
    EngineEnvironment::prepare();
    Application app(argc, argv, QStringLiteral("Brelvik 2002"));
    QApplication::setWindowIcon(TrainerArt::programIcon());
    TTitul window;
    // Made once at start and never shown: the menu opens a fresh one each time.
    TI_o_prg programInformation(window.ProgramVersion, window.VersionDate, window.FileVersionInfo1);
    I_o_prg = &programInformation;
    if (window.endRequested())
        return 0;
    window.show();
    return QApplication::exec();
}
