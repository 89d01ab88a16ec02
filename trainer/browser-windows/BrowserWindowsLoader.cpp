#include "trainer/browser-windows/BrowserWindowsLoader.h"

#include "trainer/browser-windows/BrowserWindows.h"

namespace BrowserWindowsLoader {

BrowserWindows *windows(QString &error)
{
    static ProgramModule::Loaded<BrowserWindows> module(QStringLiteral("varnel-browser"), "varnelBrowserWindows",
                                                        QStringLiteral("Okna pro zobrazení stránek nelze načíst: "));
    return module.get(error);
}

} // namespace BrowserWindowsLoader
