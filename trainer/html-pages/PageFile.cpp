#include "trainer/html-pages/PageFile.h"

#include "platform/files/SafeFile.h"
#include "platform/text/Cp1250.h"

PageText &PageText::operator<<(QStringView line)
{
    const qsizetype start = m_bytes.size();
    m_bytes.resize(start + line.size() + 2);
    char *out = m_bytes.data() + start;
    out += Cp1250::encodeInto(line, out);
    *out++ = '\r';
    *out++ = '\n';
    m_bytes.truncate(out - m_bytes.data());
    return *this;
}

namespace PageFile {

// Pages go to the temporary folder under fixed names, where another user may
// have planted a link: the name is replaced, never written through.
Result<> write(const QString &path, const PageText &page)
{
    return SafeFile::replaceName(path, page.bytes());
}

} // namespace PageFile

QString versionCaption(const QString &programVersion)
{
    return QStringLiteral("Verze programu: ") + programVersion;
}
