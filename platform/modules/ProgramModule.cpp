#include "platform/modules/ProgramModule.h"

#include "platform/files/FileSystem.h"

#include <QLibrary>

namespace ProgramModule {

Result<void *> loadInterface(const QString &name, const char *entry)
{
    // The library stays loaded when the QLibrary object goes: the interface
    // lives on in it.
    QLibrary module(FileSystem::programFolder() + u'/' + name);
    if (!module.load())
        return Failure{module.errorString()};
    using Entry = void *(*)();
    const auto resolved = reinterpret_cast<Entry>(module.resolve(entry));
    if (!resolved)
        return Failure{QStringLiteral("v souboru %1 chybí vstup %2").arg(module.fileName(), QString::fromLatin1(entry))};
    return resolved();
}

} // namespace ProgramModule
