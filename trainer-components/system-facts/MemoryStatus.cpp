#include "trainer-components/system-facts/MemoryStatus.h"

#include <QFile>
#include <QList>

#include <algorithm>
#include <cmath>

namespace {

constexpr quint64 BytesPerKiB = 1024;

} // namespace

MemoryStatus MemoryStatus::fromMemInfo(QByteArrayView text)
{
    MemoryStatus status;
    const QList<QByteArray> lines = text.toByteArray().split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = line.left(colon).trimmed();
        const QList<QByteArray> fields = line.mid(colon + 1).simplified().split(' ');
        bool ok = false;
        const quint64 kib = fields.value(0).toULongLong(&ok);
        if (!ok)
            continue;
        const quint64 bytes = kib * BytesPerKiB;
        if (name == "MemTotal")
            status.totalPhysical = bytes;
        else if (name == "MemAvailable")
            status.availablePhysical = bytes;
        else if (name == "SwapTotal")
            status.totalPageFile = bytes;
        else if (name == "SwapFree")
            status.availablePageFile = bytes;
    }
    return status;
}

MemoryStatus MemoryStatus::current()
{
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromMemInfo(file.readAll());
}

quint64 MemoryStatus::pageFileAvailable() const
{
    // A damaged reading may show more free than total; never a negative use.
    return std::min(availablePageFile, totalPageFile);
}

qint64 MemoryStatus::pageFileBytesUsed() const
{
    return qint64(totalPageFile - pageFileAvailable());
}

int MemoryStatus::pageFileUsagePercent() const
{
    if (totalPageFile == 0)
        return 0;
    const double freePercent = 100.0 * double(pageFileAvailable()) / double(totalPageFile);
    return 100 - int(std::trunc(freePercent));
}
