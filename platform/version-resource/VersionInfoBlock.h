#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A VS_VERSIONINFO block as Windows keeps it: a tree of nodes (length, value
// length, type, UTF-16 key, value, children, each 32-bit aligned). Queries
// take the paths of the Windows version API: "\" for the fixed file info,
// "\VarFileInfo\Translation", "\StringFileInfo\040504E2\FileVersion".
// Keys match ignoring letter case. A damaged block answers no query.
// The name a translation's string table goes by: language and code page as
// eight upper-case hex digits, language first ("040504E2").
inline QString translationKey(quint16 language, quint16 codePage)
{
    return QStringLiteral("%1%2")
        .arg(language, 4, 16, QLatin1Char('0'))
        .arg(codePage, 4, 16, QLatin1Char('0'))
        .toUpper();
}

class VersionInfoBlock
{
public:
    explicit VersionInfoBlock(QByteArray bytes);

    // The raw value of the node at `path`.
    std::optional<QByteArray> queryValue(QStringView path) const;
    // The text value of a string node, up to its first NUL.
    std::optional<QString> queryText(QStringView path) const;

private:
    QByteArray m_bytes;
};
