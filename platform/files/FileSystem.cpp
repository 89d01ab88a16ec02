#include "platform/files/FileSystem.h"

#include "platform/files/SafeFile.h"
#include "platform/messages/PlatformMessages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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

Result<> createFolder(const QString &path)
{
    if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0)
        return {};
    const QString reason = systemError();
    if (folderExists(path))
        return {};
    return Failure{PlatformMessages::cannotCreateFolder(path, reason)};
}

Result<> copyFile(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return Failure{PlatformMessages::cannotRead(from, source.errorString())};
    bool readFailed = false;
    Result<> copied = SafeFile::replaceWith(to, [&source, &readFailed](QIODevice &out) {
        char buffer[64 * 1024];
        for (;;) {
            const qint64 got = source.read(buffer, sizeof buffer);
            if (got < 0) {
                readFailed = true;
                return false;
            }
            if (got == 0)
                return true;
            if (out.write(buffer, got) != got)
                return false;
        }
    });
    // The copy failed for the source's sake, which the target's message would not tell.
    if (readFailed)
        return Failure{PlatformMessages::cannotRead(from, source.errorString())};
    return copied;
}

Result<> deleteFile(const QString &path)
{
    QFile file(path);
    if (file.remove())
        return {};
    return Failure{PlatformMessages::cannotDelete(path, file.errorString())};
}

namespace {

Failure cannotRead(const QString &path, const QString &reason)
{
    return Failure{PlatformMessages::cannotRead(path, reason)};
}

QString tooLarge(qint64 limit)
{
    return PlatformMessages::largerThan(limit / (1024 * 1024));
}

// Only a plain file within the limit is read.
Result<> checkReadable(const QString &path, const struct stat &status, qint64 limit)
{
    if (!S_ISREG(status.st_mode))
        return cannotRead(path, PlatformMessages::notARegularFile());
    if (status.st_size > limit)
        return cannotRead(path, tooLarge(limit));
    return {};
}

} // namespace

Result<QByteArray> readWholeFile(const QString &path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    // Looked at before it is opened: opening a device may already do something.
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return cannotRead(path, systemError());
    if (const Result<> readable = checkReadable(path, status, limit); !readable)
        return Failure{readable.error()};
    // Non-blocking, and checked again once open, in case the name was given to
    // a named pipe meanwhile: opening one waits for a writer otherwise.
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return cannotRead(path, systemError());
    if (::fstat(file.get(), &status) != 0)
        return cannotRead(path, systemError());
    if (const Result<> readable = checkReadable(path, status, limit); !readable)
        return Failure{readable.error()};
    // The size is a hint: the file may grow or shrink while it is read.
    QByteArray bytes;
    bytes.reserve(qsizetype(status.st_size));
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return cannotRead(path, systemError());
        if (got == 0)
            return bytes;
        if (bytes.size() + got > limit)
            return cannotRead(path, tooLarge(limit));
        bytes.append(buffer, got);
    }
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

Descriptor::~Descriptor()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

} // namespace FileSystem
