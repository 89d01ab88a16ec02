#include "trainer/browser-windows/BrowserWindowsLoader.h"

#include "platform/files/FileSystem.h"
#include "trainer/browser-windows/BrowserWindows.h"

#include <QLibrary>

namespace BrowserWindowsLoader {

namespace {

BrowserWindows *&overridden()
{
    static BrowserWindows *windows = nullptr;
    return windows;
}

} // namespace

BrowserWindows *windows(QString &error)
{
    if (overridden())
        return overridden();
    static BrowserWindows *loaded = nullptr;
    if (loaded)
        return loaded;
    QLibrary module(FileSystem::programFolder() + QStringLiteral("/varnel-browser"));
    using Entry = BrowserWindows *(*)();
    const auto entry = reinterpret_cast<Entry>(module.resolve("varnelBrowserWindows"));
    if (!entry) {
        error = QStringLiteral("Okna pro zobrazení stránek nelze načíst: ") + module.errorString();
        return nullptr;
    }
    loaded = entry();
    return loaded;
}

Override::Override(BrowserWindows &windows) : m_previous(overridden()) { overridden() = &windows; }

Override::~Override() { overridden() = m_previous; }

} // namespace BrowserWindowsLoader
