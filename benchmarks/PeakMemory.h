#pragma once

#include <QByteArray>
#include <QFile>

#include <functional>
#include <malloc.h>

// Peak resident memory of `work` above what the program held before it, in
// MB: the kernel's high-water mark is reset first. -1 when it cannot be.
inline double peakMegabytesOf(const std::function<void()> &work)
{
    const auto status = [](const char *field) {
        QFile file(QStringLiteral("/proc/self/status"));
        file.open(QIODevice::ReadOnly);
        for (const QByteArray &line : file.readAll().split('\n'))
            if (line.startsWith(field))
                return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toDouble() / 1024;
        return 0.0;
    };
    // Memory freed before but kept by the allocator would be reused unseen.
    malloc_trim(0);
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (!reset.open(QIODevice::WriteOnly) || reset.write("5") != 1)
        return -1;
    reset.close();
    const double before = status("VmRSS:");
    work();
    return status("VmHWM:") - before;
}
