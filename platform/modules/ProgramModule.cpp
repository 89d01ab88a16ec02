#include "platform/modules/ProgramModule.h"

#include "platform/files/FileSystem.h"
#include "platform/messages/PlatformMessages.h"

#include <QPluginLoader>

namespace ProgramModule {

Result<QObject *> loadPlugin(const QString &name)
{
    const QString file = FileSystem::programFolder() + QStringLiteral("/lib") + name + QStringLiteral(".so");
    // The loader reports a missing file only as an unknown error.
    if (!FileSystem::fileExists(file))
        return Failure{PlatformMessages::fileMissing(file)};
    // The plugin stays loaded when the loader goes: its root object lives on
    // in it.
    QPluginLoader plugin(file);
    QObject *root = plugin.instance();
    if (!root)
        return Failure{plugin.errorString()};
    return root;
}

} // namespace ProgramModule
