#include "platform/ui/Application.h"
#include "trainer-components/system-facts/SysFacts.h"
#include "trainer-components/web-host/EngineEnvironment.h"
#include "trainer/main-window/TTitul.h"
#include "trainer/main-window/TrainerArt.h"
#include "trainer/program-info/TI_o_prg.h"

#include <QTimer>

#include <memory>

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
    // Made once and never shown: the menu opens a fresh one each time. It is
    // made once the main window is up, so that it does not hold up the start.
    std::unique_ptr<TI_o_prg> programInformation;
    QTimer::singleShot(0, &window, [&programInformation, &window] {
        programInformation =
            std::make_unique<TI_o_prg>(window.ProgramVersion, window.VersionDate, window.FileVersionInfo1);
        I_o_prg = programInformation.get();
    });
    return QApplication::exec();
}
