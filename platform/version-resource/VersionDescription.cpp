#include "platform/version-resource/VersionDescription.h"

#include <QStringList>

#include <optional>

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

Failure fail(int lineNumber, const QString &why)
{
    return {QStringLiteral("line %1: %2").arg(lineNumber).arg(why)};
}

Result<> applyLine(VersionInfoDescription &d, const QString &name, const QString &value, int lineNumber)
{
    if (name == u"Translation") {
        const auto translation = parseTranslation(value);
        if (!translation)
            return fail(lineNumber, QStringLiteral("translation is not \"language,codepage\" in hex"));
        d.translations = {*translation};
        d.stringTables.front().translation = *translation;
        return {};
    }
    if (name == u"FileVersion.Fixed" || name == u"ProductVersion.Fixed") {
        const auto version = parseVersion(value);
        if (!version)
            return fail(lineNumber, QStringLiteral("version is not four numbers"));
        (name == u"FileVersion.Fixed" ? d.fileVersion : d.productVersion) = *version;
        return {};
    }
    d.stringTables.front().strings.emplace_back(name, value);
    return {};
}

} // namespace

Result<VersionInfoDescription> VersionDescription::parse(const QString &text)
{
    VersionInfoDescription description;
    description.stringTables.resize(1);
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            return fail(i + 1, QStringLiteral("expected Name=Value"));
        const Result<> applied =
            applyLine(description, line.left(equals).trimmed(), line.mid(equals + 1).trimmed(), i + 1);
        if (!applied)
            return Failure{applied.error()};
    }
    if (description.translations.empty())
        return fail(int(lines.size()), QStringLiteral("no Translation line"));
    return description;
}
