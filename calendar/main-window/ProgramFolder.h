#pragma once

#include "calendar/main-window/DesignState.h"
#include "platform/files/Drives.h"

#include <QString>

// Drive and folder of the program, as the designer's folder list holds them.
struct DirectoryList
{
    QString Drive;     // mount point of the folder
    QString Directory; // the folder itself, absolute, without a trailing separator
};

// Points the list at the folder of `programFile`, among the `drives` of
// Drives::list(). A program file lying in the root of a drive sets
// RootDirError and NoSaveQuery: the designer refuses to run there.
void SetProgramFolder(DirectoryList &list, const QString &programFile, const QList<Drives::Drive> &drives,
                      DesignState &state);
