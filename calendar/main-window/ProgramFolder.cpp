#include "calendar/main-window/ProgramFolder.h"

#include <QFileInfo>

void SetProgramFolder(DirectoryList &list, const QString &programFile, const QList<Drives::Drive> &drives,
                      DesignState &state)
{
    const QString folder = QFileInfo(programFile).absolutePath();
    const QString onDisk = Drives::onDisk(folder);
    list.Drive = Drives::driveOf(drives, onDisk).root;
    list.Directory = folder;
    state.RootDirError = false;
    if (Drives::isDriveRoot(drives, onDisk)) {
        state.RootDirError = true;
        state.NoSaveQuery = true;
    }
}
