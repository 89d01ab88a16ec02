#include "trainer/browser-windows/BrowserWindowsLoader.h"

#include "trainer/browser-windows/BrowserWindows.h"

namespace BrowserWindowsLoader {

Result<BrowserWindows *> windows()
{
    static ProgramModule::Loaded<BrowserWindows> module(QStringLiteral("varnel-browser"),
                                                        QStringLiteral("Okna pro zobrazení stránek nelze načíst: "));
    return module.get();
}

} // namespace BrowserWindowsLoader
