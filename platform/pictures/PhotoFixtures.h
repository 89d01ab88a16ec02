#pragma once

#include <QByteArray>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>

// Camera-sized JPEG photos for tests and benchmarks, written by libjpeg's
// cjpeg from pixels streamed to it row by row (a 12000 x 8000 picture is
// never held whole). Red at the top turning blue at the bottom, green rising
// from left to right, with sensor-like noise so the file is as large as a
// camera's.
namespace PhotoFixtures {

inline bool writePhoto(const QString &path, QSize size, unsigned seed = 1, bool progressive = false)
{
    QProcess cjpeg;
    QStringList arguments{QStringLiteral("-quality"), QStringLiteral("90")};
    if (progressive)
        arguments << QStringLiteral("-progressive");
    arguments << QStringLiteral("-outfile") << path;
    cjpeg.start(QStringLiteral("cjpeg"), arguments);
    if (!cjpeg.waitForStarted())
        return false;
    const int width = size.width();
    const int height = size.height();
    cjpeg.write(QStringLiteral("P6\n%1 %2\n255\n").arg(width).arg(height).toLatin1());
    QByteArray row(qsizetype(width) * 3, Qt::Uninitialized);
    std::uint32_t noise = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y) {
        const int red = 255 - 255 * y / height;
        const int blue = 255 * y / height;
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = int(noise >> 27) - 16;
            const int green = 128 * x / width;
            row[3 * x] = char(qBound(0, red + grain, 255));
            row[3 * x + 1] = char(qBound(0, green + grain, 255));
            row[3 * x + 2] = char(qBound(0, blue + grain, 255));
        }
        cjpeg.write(row);
        while (cjpeg.bytesToWrite() > (1 << 20))
            if (!cjpeg.waitForBytesWritten(60000))
                return false;
    }
    cjpeg.closeWriteChannel();
    return cjpeg.waitForFinished(120000) && cjpeg.exitStatus() == QProcess::NormalExit && cjpeg.exitCode() == 0;
}

} // namespace PhotoFixtures
