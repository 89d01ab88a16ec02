#include "platform/modules/ProgramModule.h"

#include "platform/files/FileSystem.h"

#include <QLibrary>

namespace ProgramModule {

void *loadInterface(const QString &name, const char *entry, QString &error)
{
    // The library stays loaded when the QLibrary object goes: the interface
    // lives on in it.
    QLibrary module(FileSystem::programFolder() + u'/' + name);
    if (!module.load()) {
        error = module.errorString();
        return nullptr;
    }
    using Entry = void *(*)();
    const auto resolved = reinterpret_cast<Entry>(module.resolve(entry));
    if (!resolved) {
        error = QStringLiteral("v souboru %1 chybí vstup %2").arg(module.fileName(), QString::fromLatin1(entry));
        return nullptr;
    }
    return resolved();
}

} // namespace ProgramModule
