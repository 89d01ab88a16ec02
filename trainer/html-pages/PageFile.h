#pragma once

#include "platform/result/Result.h"

#include <QByteArray>
#include <QString>

// The trainer's generated HTML pages: Windows-1250, every line ended by CR LF,
// no character-set declaration, bank texts copied as they are. A long bank's
// page is megabytes, so lines are encoded as they are added.
class PageText
{
public:
    PageText &operator<<(QStringView line);
    void reserve(qsizetype bytes) { m_bytes.reserve(bytes); }
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

namespace PageFile {

Result<> write(const QString &path, const PageText &page);

} // namespace PageFile

// The caption of the main window's version label, which both pages quote in
// their footer.
QString versionCaption(const QString &programVersion);
