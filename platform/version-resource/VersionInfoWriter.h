#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <utility>
#include <vector>

struct VersionTranslation
{
    quint16 language = 0;
    quint16 codePage = 0;
};

// What a version block holds: the fixed versions, one string table per
// translation and the translation list.
struct VersionInfoDescription
{
    struct StringTable
    {
        VersionTranslation translation;
        std::vector<std::pair<QString, QString>> strings;
    };

    std::array<quint16, 4> fileVersion{};
    std::array<quint16, 4> productVersion{};
    std::vector<StringTable> stringTables;
    std::vector<VersionTranslation> translations;
};

// The VS_VERSIONINFO bytes of a description, as the Windows resource compiler lays them out.
QByteArray buildVersionInfoBlock(const VersionInfoDescription &description);
