#include "platform/text/TextLineFile.h"

#include "platform/files/FileSystem.h"
#include "platform/files/SafeFile.h"
#include "platform/text/Cp1250.h"

#include <algorithm>

namespace TextLineFile {

Result<QStringList> read(const QString &path)
{
    const Result<QByteArray> bytes = FileSystem::readWholeFile(path);
    if (!bytes)
        return Failure{bytes.error()};
    return splitLines(*bytes);
}

QStringList splitLines(QByteArrayView bytes)
{
    return firstLines(bytes, bytes.size(), bytes.size());
}

// Windows-1250 keeps CR and LF as single bytes, so lines are split before
// they are decoded and only what is kept is decoded.
QStringList firstLines(QByteArrayView bytes, qsizetype count, qsizetype length)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size() && lines.size() < count) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.append(Cp1250::decode(bytes.sliced(start, std::min(end - start, length))));
        if (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

QByteArray encode(const QStringList &lines, LastLine last)
{
    QString text = lines.join(QStringLiteral("\r\n"));
    if (last == LastLine::Terminated && !lines.isEmpty())
        text += QStringLiteral("\r\n");
    return Cp1250::encode(text);
}

Result<> write(const QString &path, const QStringList &lines, LastLine last)
{
    return SafeFile::replace(path, encode(lines, last));
}

} // namespace TextLineFile
