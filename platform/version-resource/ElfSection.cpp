#include "platform/version-resource/ElfSection.h"

#include "platform/version-resource/LittleEndianReader.h"

namespace {

constexpr quint32 SectionTypeNoBits = 8;

// Where the fields this reader needs sit, per ELF class.
struct ElfLayout
{
    bool wide;
    quint64 tableOffsetField, entrySizeField, countField, namesIndexField;
    quint64 entrySize, typeField, offsetField, sizeField;
};

constexpr ElfLayout Elf32{false, 0x20, 0x2E, 0x30, 0x32, 40, 4, 0x10, 0x14};
constexpr ElfLayout Elf64{true, 0x28, 0x3A, 0x3C, 0x3E, 64, 4, 0x18, 0x20};

std::optional<quint64> word(const LittleEndianReader &reader, const ElfLayout &layout, quint64 offset)
{
    if (layout.wide)
        return reader.u64(offset);
    const auto narrow = reader.u32(offset);
    return narrow ? std::optional<quint64>(*narrow) : std::nullopt;
}

struct SectionHeader
{
    quint32 name = 0;
    quint32 type = 0;
    quint64 offset = 0;
    quint64 size = 0;
};

std::optional<SectionHeader> sectionHeader(const LittleEndianReader &reader, const ElfLayout &layout, quint64 entry)
{
    const auto name = reader.u32(entry);
    const auto type = reader.u32(entry + layout.typeField);
    const auto offset = word(reader, layout, entry + layout.offsetField);
    const auto size = word(reader, layout, entry + layout.sizeField);
    if (!name || !type || !offset || !size)
        return std::nullopt;
    return SectionHeader{*name, *type, *offset, *size};
}

QByteArrayView contents(const LittleEndianReader &reader, const SectionHeader &header)
{
    return header.type == SectionTypeNoBits ? QByteArrayView() : reader.slice(header.offset, header.size);
}

} // namespace

QByteArrayView elfSection(QByteArrayView image, QByteArrayView name)
{
    const LittleEndianReader reader(image);
    if (!image.startsWith("\x7F" "ELF") || image.size() < 0x40 || image[5] != 1)
        return {};
    if (image[4] != 1 && image[4] != 2)
        return {};
    const ElfLayout &layout = image[4] == 2 ? Elf64 : Elf32;
    const auto tableOffset = word(reader, layout, layout.tableOffsetField);
    const auto entrySize = reader.u16(layout.entrySizeField);
    const auto count = reader.u16(layout.countField);
    const auto namesIndex = reader.u16(layout.namesIndexField);
    if (!tableOffset || !entrySize || !count || !namesIndex || *entrySize < layout.entrySize
        || *namesIndex >= *count || !reader.holds(*tableOffset, quint64(*count) * *entrySize))
        return {};
    const auto namesHeader = sectionHeader(reader, layout, *tableOffset + quint64(*namesIndex) * *entrySize);
    if (!namesHeader)
        return {};
    const QByteArrayView names = contents(reader, *namesHeader);
    for (quint16 i = 0; i < *count; ++i) {
        const auto header = sectionHeader(reader, layout, *tableOffset + quint64(i) * *entrySize);
        if (!header || header->name >= quint64(names.size()))
            continue;
        const QByteArrayView rest = names.sliced(header->name);
        const qsizetype end = rest.indexOf('\0');
        if (end >= 0 && rest.first(end) == name)
            return contents(reader, *header);
    }
    return {};
}
