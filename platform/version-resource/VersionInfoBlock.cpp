#include "platform/version-resource/VersionInfoBlock.h"

#include "platform/version-resource/LittleEndianReader.h"

#include <QList>

namespace {

constexpr quint16 TextNode = 1;
constexpr qsizetype HeaderSize = 6;

qsizetype align4(qsizetype offset)
{
    return (offset + 3) & ~qsizetype(3);
}

struct Node
{
    qsizetype end = 0;
    QString key;
    quint16 type = 0;
    QByteArrayView value;
    qsizetype children = 0;
};

// The node at `start`, which must lie within [start, limit).
std::optional<Node> readNode(const LittleEndianReader &reader, qsizetype start, qsizetype limit)
{
    const auto length = reader.u16(quint64(start));
    const auto valueLength = reader.u16(quint64(start) + 2);
    const auto type = reader.u16(quint64(start) + 4);
    if (!length || !valueLength || !type || *length < HeaderSize || start + *length > limit)
        return std::nullopt;
    Node node;
    node.end = start + *length;
    node.type = *type;
    qsizetype at = start + HeaderSize;
    for (;; at += 2) {
        const auto unit = at + 2 <= node.end ? reader.u16(quint64(at)) : std::nullopt;
        if (!unit)
            return std::nullopt;
        if (*unit == 0)
            break;
        node.key.append(QChar(*unit));
    }
    const qsizetype valueStart = std::min(align4(at + 2), node.end);
    const qsizetype valueSize = node.type == TextNode ? 2 * qsizetype(*valueLength) : qsizetype(*valueLength);
    if (valueStart + valueSize > node.end && node.type != TextNode)
        return std::nullopt;
    // Resource compilers disagree on text value lengths; the node's end bounds them.
    const qsizetype valueEnd = std::min(valueStart + valueSize, node.end);
    node.value = reader.slice(quint64(valueStart), quint64(valueEnd - valueStart));
    node.children = align4(valueEnd);
    return node;
}

std::optional<Node> findChild(const LittleEndianReader &reader, const Node &parent, QStringView key)
{
    for (qsizetype at = parent.children; at < parent.end;) {
        const auto child = readNode(reader, at, parent.end);
        if (!child)
            return std::nullopt;
        if (child->key.compare(key, Qt::CaseInsensitive) == 0)
            return child;
        at = align4(child->end);
    }
    return std::nullopt;
}

} // namespace

VersionInfoBlock::VersionInfoBlock(QByteArray bytes) : m_bytes(std::move(bytes)) {}

std::optional<QByteArray> VersionInfoBlock::queryValue(QStringView path) const
{
    const LittleEndianReader reader(m_bytes);
    auto node = readNode(reader, 0, m_bytes.size());
    if (!node || node->key != u"VS_VERSION_INFO")
        return std::nullopt;
    for (QStringView part : path.split(u'\\', Qt::SkipEmptyParts)) {
        node = findChild(reader, *node, part);
        if (!node)
            return std::nullopt;
    }
    return node->value.toByteArray();
}

std::optional<QString> VersionInfoBlock::queryText(QStringView path) const
{
    const auto value = queryValue(path);
    if (!value)
        return std::nullopt;
    const LittleEndianReader reader(*value);
    QString text;
    for (qsizetype at = 0; at + 2 <= value->size(); at += 2) {
        const quint16 unit = *reader.u16(quint64(at));
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}
