#include "calendar/main-window/ProgramFolder.h"

#include "platform/files/Drives.h"

#include <QFileInfo>

void SetProgramFolder(DirectoryList &list, const QString &programFile, DesignState &state)
{
    const QString folder = QFileInfo(programFile).absolutePath();
    list.Drive = Drives::driveOf(folder).root;
    list.Directory = folder;
    state.RootDirError = false;
    if (Drives::isDriveRoot(folder)) {
        state.RootDirError = true;
        state.NoSaveQuery = true;
    }
}
