#include "platform/text/TextLineFile.h"

#include "platform/files/SafeFile.h"
#include "platform/text/Cp1250.h"

#include <QFile>

namespace TextLineFile {

std::optional<QStringList> read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return splitLines(Cp1250::decode(bytes));
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch != u'\r' && ch != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (ch == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

QByteArray encode(const QStringList &lines, LastLine last)
{
    QString text = lines.join(QStringLiteral("\r\n"));
    if (last == LastLine::Terminated && !lines.isEmpty())
        text += QStringLiteral("\r\n");
    return Cp1250::encode(text);
}

bool write(const QString &path, const QStringList &lines, LastLine last)
{
    return SafeFile::replace(path, encode(lines, last)).ok();
}

} // namespace TextLineFile
