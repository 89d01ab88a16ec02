#include "trainer/browser-windows/BrowserWindowsLoader.h"

#include "trainer/browser-windows/BrowserWindows.h"
#include "trainer/messages/TrainerMessages.h"

namespace BrowserWindowsLoader {

Result<BrowserWindows *> windows()
{
    static ProgramModule::Loaded<BrowserWindows> module(QStringLiteral("varnel-browser"),
                                                        TrainerMessages::pageWindowsNotLoaded());
    return module.get();
}

} // namespace BrowserWindowsLoader
