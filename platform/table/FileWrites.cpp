#include "platform/table/FileWrites.h"

#include <QFileInfo>

namespace FileWrites {

namespace {
int g_allowedWrites = -1; // negative: no seam installed
}

FailAfter::FailAfter(int allowed) { g_allowedWrites = allowed; }
FailAfter::~FailAfter() { g_allowedWrites = -1; }

TableResult writeAt(QFile &file, qint64 offset, QByteArrayView bytes)
{
    const auto failure = [&file](const QString &why) {
        return TableResult::failure(QStringLiteral("Cannot write to %1: %2.")
                                        .arg(QFileInfo(file.fileName()).fileName(), why));
    };
    if (g_allowedWrites == 0)
        return failure(QStringLiteral("the write was refused"));
    if (g_allowedWrites > 0)
        --g_allowedWrites;
    if (!file.seek(offset))
        return failure(file.errorString());
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush())
        return failure(file.errorString());
    return {};
}

} // namespace FileWrites
