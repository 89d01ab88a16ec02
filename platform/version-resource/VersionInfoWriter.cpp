#include "platform/version-resource/VersionInfoWriter.h"

#include "platform/version-resource/VersionInfoBlock.h"

#include <QList>

namespace {

constexpr quint16 BinaryNode = 0;
constexpr quint16 TextNode = 1;
constexpr qsizetype MaxNodeLength = 0xFFFF;

void appendU16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void appendU32(QByteArray &out, quint32 value)
{
    appendU16(out, quint16(value & 0xFFFF));
    appendU16(out, quint16(value >> 16));
}

void setU16(QByteArray &out, qsizetype at, quint16 value)
{
    out[at] = char(value & 0xFF);
    out[at + 1] = char(value >> 8);
}

void pad4(QByteArray &out)
{
    while (out.size() % 4)
        out.append('\0');
}

QByteArray utf16z(const QString &text)
{
    QByteArray out;
    for (QChar ch : text)
        appendU16(out, ch.unicode());
    appendU16(out, 0);
    return out;
}

// One node; an empty result when it outgrows the 16-bit length field.
QByteArray node(const QString &key, quint16 type, const QByteArray &value, quint16 valueLength,
                const QList<QByteArray> &children = {})
{
    QByteArray out;
    appendU16(out, 0);
    appendU16(out, valueLength);
    appendU16(out, type);
    out.append(utf16z(key));
    pad4(out);
    out.append(value);
    for (const QByteArray &child : children) {
        if (child.isEmpty())
            return {};
        pad4(out);
        out.append(child);
    }
    if (out.size() > MaxNodeLength)
        return {};
    setU16(out, 0, quint16(out.size()));
    return out;
}

QByteArray stringTable(const VersionInfoDescription::StringTable &table)
{
    QList<QByteArray> strings;
    for (const auto &[key, text] : table.strings)
        strings.append(node(key, TextNode, utf16z(text), quint16(text.size() + 1)));
    return node(translationKey(table.translation.language, table.translation.codePage), TextNode, {}, 0, strings);
}

QByteArray fixedFileInfo(const VersionInfoDescription &d)
{
    QByteArray out;
    appendU32(out, 0xFEEF04BDu); // signature
    appendU32(out, 0x00010000u); // structure version
    appendU32(out, quint32(d.fileVersion[0]) << 16 | d.fileVersion[1]);
    appendU32(out, quint32(d.fileVersion[2]) << 16 | d.fileVersion[3]);
    appendU32(out, quint32(d.productVersion[0]) << 16 | d.productVersion[1]);
    appendU32(out, quint32(d.productVersion[2]) << 16 | d.productVersion[3]);
    appendU32(out, 0x3F);       // flags mask
    appendU32(out, 0);          // flags
    appendU32(out, 0x00040004); // VOS_NT_WINDOWS32
    appendU32(out, 1);          // VFT_APP
    appendU32(out, 0);          // subtype
    appendU32(out, 0);          // date, high
    appendU32(out, 0);          // date, low
    return out;
}

} // namespace

QByteArray buildVersionInfoBlock(const VersionInfoDescription &description)
{
    QList<QByteArray> tables;
    for (const auto &table : description.stringTables)
        tables.append(stringTable(table));
    QByteArray translations;
    for (VersionTranslation t : description.translations) {
        appendU16(translations, t.language);
        appendU16(translations, t.codePage);
    }
    const QByteArray fixed = fixedFileInfo(description);
    return node(QStringLiteral("VS_VERSION_INFO"), BinaryNode, fixed, quint16(fixed.size()),
                {node(QStringLiteral("StringFileInfo"), TextNode, {}, 0, tables),
                 node(QStringLiteral("VarFileInfo"), TextNode, {}, 0,
                      {node(QStringLiteral("Translation"), BinaryNode, translations, quint16(translations.size()))})});
}
