#pragma once

#include <QObject>
#include <QString>

// Reads the version resource of one file into text properties: the ten
// standard strings of its first translation and that translation as eight
// hex digits. Every set of ExecutableFile reads again; reading never throws
// and leaves empty what the file does not hold.
class TFileVersionInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Comments READ Comments WRITE SetComments)
    Q_PROPERTY(QString CompanyName READ CompanyName WRITE SetCompanyName)
    Q_PROPERTY(QString CountryCode READ CountryCode WRITE SetCountryCode)
    Q_PROPERTY(QString ExecutableFile READ ExecutableFile WRITE SetExecutableFile)
    Q_PROPERTY(QString FileDescription READ FileDescription WRITE SetFileDescription)
    Q_PROPERTY(QString FileVersion READ FileVersion WRITE SetFileVersion)
    Q_PROPERTY(QString InternalName READ InternalName WRITE SetInternalName)
    Q_PROPERTY(QString LegalCopyright READ LegalCopyright WRITE SetLegalCopyright)
    Q_PROPERTY(QString LegalTradeMarks READ LegalTradeMarks WRITE SetLegalTradeMarks)
    Q_PROPERTY(QString OriginalFilename READ OriginalFilename WRITE SetOriginalFilename)
    Q_PROPERTY(QString ProductName READ ProductName WRITE SetProductName)
    Q_PROPERTY(QString ProductVersion READ ProductVersion WRITE SetProductVersion)

public:
    // Reads the running program file at once.
    explicit TFileVersionInfo(QObject *owner = nullptr);

    QString Comments() const { return m_comments; }
    QString CompanyName() const { return m_companyName; }
    QString CountryCode() const { return m_countryCode; }
    QString ExecutableFile() const { return m_executableFile; }
    QString FileDescription() const { return m_fileDescription; }
    QString FileVersion() const { return m_fileVersion; }
    QString InternalName() const { return m_internalName; }
    QString LegalCopyright() const { return m_legalCopyright; }
    QString LegalTradeMarks() const { return m_legalTradeMarks; }
    QString OriginalFilename() const { return m_originalFilename; }
    QString ProductName() const { return m_productName; }
    QString ProductVersion() const { return m_productVersion; }

    // Stores the path (full, or relative to the current folder) and reads it.
    void SetExecutableFile(const QString &path);

    // Plain stores, kept until the next read.
    void SetComments(const QString &value) { m_comments = value; }
    void SetCompanyName(const QString &value) { m_companyName = value; }
    void SetCountryCode(const QString &value) { m_countryCode = value; }
    void SetFileDescription(const QString &value) { m_fileDescription = value; }
    void SetFileVersion(const QString &value) { m_fileVersion = value; }
    void SetInternalName(const QString &value) { m_internalName = value; }
    void SetLegalCopyright(const QString &value) { m_legalCopyright = value; }
    void SetLegalTradeMarks(const QString &value) { m_legalTradeMarks = value; }
    void SetOriginalFilename(const QString &value) { m_originalFilename = value; }
    void SetProductName(const QString &value) { m_productName = value; }
    void SetProductVersion(const QString &value) { m_productVersion = value; }

private:
    void ReadVersionInfo() noexcept;
    void ClearVersionFields();

    QString m_companyName;
    QString m_fileDescription;
    QString m_fileVersion;
    QString m_internalName;
    QString m_legalCopyright;
    QString m_legalTradeMarks;
    QString m_originalFilename;
    QString m_productName;
    QString m_productVersion;
    QString m_comments;
    QString m_executableFile;
    QString m_countryCode;
};
