#pragma once

#include "platform/result/Result.h"

#include <QByteArray>
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
// Creates one folder (its parent must exist); succeeds when it exists
// afterwards. A failure names the folder and gives the system's reason, and
// so do the two below.
Result<> createFolder(const QString &path);
// Copies `from` over `to`, replacing `to` whole or leaving it as it was.
Result<> copyFile(const QString &from, const QString &to);
Result<> deleteFile(const QString &path);

// No document, picture, language or settings file comes near this size; a
// larger one is refused rather than held in memory.
inline constexpr qint64 ReadLimit = qint64(256) * 1024 * 1024;
// The whole content of a regular file. Anything else (a named pipe, a device,
// a folder) fails at once without being waited on or read, and so does a file
// of more than `limit` bytes.
Result<QByteArray> readWholeFile(const QString &path, qint64 limit = ReadLimit);

// Writes all of `bytes` to an open file, at `offset` or, when it is negative,
// at the file's position; a short write is carried on. A failure gives the
// system's reason ("No space left on device").
Result<> writeFully(int descriptor, QByteArrayView bytes, qint64 offset = -1);
// The system's reason for the last failed call.
QString systemError();

// An open file descriptor (or -1), closed when it goes.
class Descriptor
{
public:
    explicit Descriptor(int descriptor) : m_descriptor(descriptor) {}
    ~Descriptor();
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_descriptor; }

private:
    int m_descriptor;
};

} // namespace FileSystem
