#include "platform/table/FileWrites.h"

#include "platform/files/FileSystem.h"
#include "platform/messages/PlatformMessages.h"

#include <QFileInfo>

namespace FileWrites {

namespace {

int g_allowedWrites = -1; // negative: no seam installed

Failure failure(const QFile &file, const QString &why)
{
    return {PlatformMessages::cannotWriteTo(QFileInfo(file.fileName()).fileName(), why)};
}

} // namespace

FailAfter::FailAfter(int allowed) { g_allowedWrites = allowed; }
FailAfter::~FailAfter() { g_allowedWrites = -1; }

Result<> open(QFile &file)
{
    if (file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return {};
    return failure(file, file.errorString());
}

Result<> writeAt(QFile &file, qint64 offset, QByteArrayView bytes)
{
    if (g_allowedWrites == 0)
        return failure(file, PlatformMessages::writeRefused());
    if (g_allowedWrites > 0)
        --g_allowedWrites;
    if (const Result<> written = FileSystem::writeFully(file.handle(), bytes, offset); !written)
        return failure(file, written.error());
    return {};
}

} // namespace FileWrites
