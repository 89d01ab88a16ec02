#include "trainer/html-pages/PageFile.h"

#include "platform/files/SafeFile.h"
#include "platform/text/Cp1250.h"

namespace PageFile {

FileResult write(const QString &path, const QStringList &lines)
{
    // Encoded line by line into one buffer: a long bank's page is megabytes.
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
    for (const QString &line : lines) {
        out += Cp1250::encodeInto(line, out);
        *out++ = '\r';
        *out++ = '\n';
    }
    bytes.truncate(out - bytes.data());
    return SafeFile::replace(path, bytes);
}

} // namespace PageFile

QString versionCaption(const QString &programVersion)
{
    return QStringLiteral("Verze programu: ") + programVersion;
}
