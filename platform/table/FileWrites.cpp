#include "platform/table/FileWrites.h"

#include "platform/files/FileSystem.h"

#include <QFileInfo>

namespace FileWrites {

namespace {

int g_allowedWrites = -1; // negative: no seam installed

TableResult failure(const QFile &file, const QString &why)
{
    return TableResult::failure(QStringLiteral("Cannot write to %1: %2.")
                                    .arg(QFileInfo(file.fileName()).fileName(), why));
}

} // namespace

FailAfter::FailAfter(int allowed) { g_allowedWrites = allowed; }
FailAfter::~FailAfter() { g_allowedWrites = -1; }

TableResult open(QFile &file)
{
    if (file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return {};
    return failure(file, file.errorString());
}

TableResult writeAt(QFile &file, qint64 offset, QByteArrayView bytes)
{
    if (g_allowedWrites == 0)
        return failure(file, QStringLiteral("the write was refused"));
    if (g_allowedWrites > 0)
        --g_allowedWrites;
    if (const auto error = FileSystem::writeFully(file.handle(), bytes, offset))
        return failure(file, *error);
    return {};
}

} // namespace FileWrites
