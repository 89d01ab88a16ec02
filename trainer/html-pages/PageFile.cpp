#include "trainer/html-pages/PageFile.h"

#include "platform/files/SafeFile.h"
#include "platform/text/TextLineFile.h"

namespace PageFile {

FileResult write(const QString &path, const QStringList &lines)
{
    return SafeFile::replace(path, TextLineFile::encode(lines));
}

} // namespace PageFile

QString versionCaption(const QString &programVersion)
{
    return QStringLiteral("Verze programu: ") + programVersion;
}
