#include "trainer-components/version-info/TFileVersionInfo.h"

#include "platform/version-resource/VersionInfoBlock.h"
#include "platform/version-resource/VersionResource.h"

#include <QCoreApplication>
#include <QtEndian>

TFileVersionInfo::TFileVersionInfo(QObject *owner) : QObject(owner)
{
    SetExecutableFile(QCoreApplication::applicationFilePath());
}

void TFileVersionInfo::SetExecutableFile(const QString &path)
{
    m_executableFile = path;
    ReadVersionInfo();
}

void TFileVersionInfo::ClearVersionFields()
{
    for (QString *field : {&m_companyName, &m_fileDescription, &m_fileVersion, &m_internalName, &m_legalCopyright,
                           &m_legalTradeMarks, &m_originalFilename, &m_productName, &m_productVersion, &m_comments,
                           &m_countryCode})
        field->clear();
}

void TFileVersionInfo::ReadVersionInfo() noexcept
{
    ClearVersionFields();
    try {
        const VersionInfoBlock block(VersionResource::readBlock(m_executableFile));
        const auto translation = block.queryValue(u"\\VarFileInfo\\Translation");
        if (!translation || translation->size() < 4)
            return;
        const auto *first = reinterpret_cast<const uchar *>(translation->constData());
        const QString countryCode =
            translationKey(qFromLittleEndian<quint16>(first), qFromLittleEndian<quint16>(first + 2));
        m_countryCode = countryCode;
        const std::pair<const char16_t *, QString *> keys[] = {
            {u"CompanyName", &m_companyName},         {u"FileDescription", &m_fileDescription},
            {u"FileVersion", &m_fileVersion},         {u"InternalName", &m_internalName},
            {u"LegalCopyright", &m_legalCopyright},   {u"LegalTradeMarks", &m_legalTradeMarks},
            {u"OriginalFilename", &m_originalFilename}, {u"ProductName", &m_productName},
            {u"ProductVersion", &m_productVersion},   {u"Comments", &m_comments},
        };
        for (const auto &[key, field] : keys) {
            const QString path = QStringLiteral("\\StringFileInfo\\%1\\%2").arg(countryCode, QStringView(key));
            *field = block.queryText(path).value_or(QString());
        }
    } catch (const std::bad_alloc &) {
        // A file too large to look into has no version to show.
        ClearVersionFields();
    }
}
