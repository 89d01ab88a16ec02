#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// One reading of the machine's memory, in bytes. The page file is the swap
// space.
struct MemoryStatus
{
    quint64 totalPhysical = 0;
    quint64 availablePhysical = 0;
    quint64 totalPageFile = 0;
    quint64 availablePageFile = 0;

    // From the text of /proc/meminfo (MemTotal, MemAvailable, SwapTotal,
    // SwapFree, given in kB); lines it does not know are skipped, missing
    // ones read as 0.
    static MemoryStatus fromMemInfo(QByteArrayView text);
    // Reads /proc/meminfo afresh; all zero when it cannot be read.
    static MemoryStatus current();

    qint64 pageFileBytesUsed() const;
    // 100 - trunc(100 * available / total); 0 when there is no page file.
    int pageFileUsagePercent() const;

private:
    quint64 pageFileAvailable() const;
};
