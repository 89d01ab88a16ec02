#include "platform/version-resource/VersionDescription.h"

#include <QStringList>

namespace {

std::optional<std::array<quint16, 4>> parseVersion(const QString &text)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    std::array<quint16, 4> version{};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        version[i] = parts[i].toUShort(&ok);
        if (!ok)
            return std::nullopt;
    }
    return version;
}

std::optional<VersionTranslation> parseTranslation(const QString &text)
{
    const QStringList parts = text.split(u',');
    bool languageOk = false;
    bool codePageOk = false;
    if (parts.size() != 2)
        return std::nullopt;
    const VersionTranslation translation{parts[0].trimmed().toUShort(&languageOk, 16),
                                         parts[1].trimmed().toUShort(&codePageOk, 16)};
    if (!languageOk || !codePageOk)
        return std::nullopt;
    return translation;
}

bool fail(QString *error, int lineNumber, const QString &why)
{
    if (error)
        *error = QStringLiteral("line %1: %2").arg(lineNumber).arg(why);
    return false;
}

bool applyLine(VersionInfoDescription &d, const QString &name, const QString &value, int lineNumber, QString *error)
{
    if (name == u"Translation") {
        const auto translation = parseTranslation(value);
        if (!translation)
            return fail(error, lineNumber, QStringLiteral("translation is not \"language,codepage\" in hex"));
        d.translations = {*translation};
        d.stringTables.front().translation = *translation;
        return true;
    }
    if (name == u"FileVersion.Fixed" || name == u"ProductVersion.Fixed") {
        const auto version = parseVersion(value);
        if (!version)
            return fail(error, lineNumber, QStringLiteral("version is not four numbers"));
        (name == u"FileVersion.Fixed" ? d.fileVersion : d.productVersion) = *version;
        return true;
    }
    d.stringTables.front().strings.emplace_back(name, value);
    return true;
}

} // namespace

std::optional<VersionInfoDescription> VersionDescription::parse(const QString &text, QString *error)
{
    VersionInfoDescription description;
    description.stringTables.resize(1);
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0) {
            fail(error, i + 1, QStringLiteral("expected Name=Value"));
            return std::nullopt;
        }
        if (!applyLine(description, line.left(equals).trimmed(), line.mid(equals + 1).trimmed(), i + 1, error))
            return std::nullopt;
    }
    if (description.translations.empty()) {
        fail(error, int(lines.size()), QStringLiteral("no Translation line"));
        return std::nullopt;
    }
    return description;
}
