#pragma once

#include "platform/result/Result.h"

#include <QByteArrayView>
#include <QString>

// Plain file-system facilities. Names given here are used as they are; callers
// resolve program-spelled names through PathResolver first.
namespace FileSystem {

// Folder of the running program file, without a trailing separator.
QString programFolder();
// The folder TMPDIR names, else /tmp, whether it exists or not; absolute,
// without a trailing separator (except the root).
QString temporaryFolder();

bool fileExists(const QString &path);
bool folderExists(const QString &path);
// Creates one folder (its parent must exist); true when it exists afterwards.
bool createFolder(const QString &path);
// Copies `from` over `to`, replacing `to` whole or leaving it as it was.
bool copyFile(const QString &from, const QString &to);
bool deleteFile(const QString &path);

// Writes all of `bytes` to an open file, at `offset` or, when it is negative,
// at the file's position; a short write is carried on. A failure gives the
// system's reason ("No space left on device").
Result<> writeFully(int descriptor, QByteArrayView bytes, qint64 offset = -1);
// The system's reason for the last failed call.
QString systemError();

} // namespace FileSystem
