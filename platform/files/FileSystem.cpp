#include "platform/files/FileSystem.h"

#include "platform/files/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace FileSystem {

QString programFolder()
{
    // Works before an application object exists.
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).path();
}

QString temporaryFolder()
{
    // QDir::tempPath() gives "" for a folder that does not exist, and a
    // caller that appends "/" would then write into the root.
    const QString named = qEnvironmentVariable("TMPDIR");
    return QDir::cleanPath(QDir(named.isEmpty() ? QStringLiteral("/tmp") : named).absolutePath());
}

bool fileExists(const QString &path)
{
    return QFileInfo(path).isFile();
}

bool folderExists(const QString &path)
{
    return QFileInfo(path).isDir();
}

bool createFolder(const QString &path)
{
    return QDir().mkdir(path) || folderExists(path);
}

bool copyFile(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    return SafeFile::replaceWith(to, [&source](QIODevice &out) {
        char buffer[64 * 1024];
        for (;;) {
            const qint64 got = source.read(buffer, sizeof buffer);
            if (got < 0)
                return false;
            if (got == 0)
                return true;
            if (out.write(buffer, got) != got)
                return false;
        }
    }).ok();
}

bool deleteFile(const QString &path)
{
    return QFile::remove(path);
}

Result<> writeFully(int descriptor, QByteArrayView bytes, qint64 offset)
{
    const char *next = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = offset < 0 ? ::write(descriptor, next, size_t(left))
                                           : ::pwrite(descriptor, next, size_t(left), off_t(offset));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return Failure{systemError()};
        if (written == 0)
            return Failure{QString::fromLocal8Bit(std::strerror(ENOSPC))};
        next += written;
        left -= written;
        if (offset >= 0)
            offset += written;
    }
    return {};
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace FileSystem
