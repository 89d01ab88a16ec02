#include "platform/version-resource/PeFixture.h"

namespace {

constexpr quint32 PeOffset = 0x40;
constexpr quint32 OptionalSize = 0xE0;
constexpr quint32 OptionalOffset = PeOffset + 4 + 20;
constexpr quint32 SectionTable = OptionalOffset + OptionalSize;
constexpr quint32 RawOffset = 0x200;
constexpr quint32 SectionRva = 0x1000;
constexpr quint32 BlockOffset = 0x58;
constexpr quint32 Subdirectory = 0x80000000u;

void put16(QByteArray &image, qsizetype at, quint16 value)
{
    image[at] = char(value & 0xFF);
    image[at + 1] = char(value >> 8);
}

void put32(QByteArray &image, qsizetype at, quint32 value)
{
    put16(image, at, quint16(value & 0xFFFF));
    put16(image, at + 2, quint16(value >> 16));
}

// A resource directory with a single numbered entry.
void directory(QByteArray &image, qsizetype at, quint32 id, quint32 target)
{
    put16(image, at + 14, 1);
    put32(image, at + 16, id);
    put32(image, at + 20, target);
}

} // namespace

QByteArray PeFixture::image(const QByteArray &versionBlock)
{
    const quint32 sectionSize = BlockOffset + quint32(versionBlock.size());
    QByteArray image(RawOffset + sectionSize, '\0');
    put16(image, 0, 0x5A4D);
    put32(image, 0x3C, PeOffset);
    put32(image, PeOffset, 0x00004550);
    put16(image, PeOffset + 4, 0x14C); // i386
    put16(image, PeOffset + 6, 1);     // one section
    put16(image, PeOffset + 20, quint16(OptionalSize));
    put16(image, PeOffset + 22, 0x0102);
    put16(image, OptionalOffset, 0x10B);
    put32(image, OptionalOffset + 92, 16);
    if (!versionBlock.isEmpty()) {
        put32(image, OptionalOffset + 96 + 2 * 8, SectionRva);
        put32(image, OptionalOffset + 96 + 2 * 8 + 4, sectionSize);
    }
    image.replace(SectionTable, 5, ".rsrc");
    put32(image, SectionTable + 8, sectionSize);
    put32(image, SectionTable + 12, SectionRva);
    put32(image, SectionTable + 16, sectionSize);
    put32(image, SectionTable + 20, RawOffset);
    directory(image, RawOffset, 16, Subdirectory | 0x18);
    directory(image, RawOffset + 0x18, 1, Subdirectory | 0x30);
    directory(image, RawOffset + 0x30, 0x0405, 0x48);
    put32(image, RawOffset + 0x48, SectionRva + BlockOffset);
    put32(image, RawOffset + 0x4C, quint32(versionBlock.size()));
    image.replace(RawOffset + BlockOffset, versionBlock.size(), versionBlock);
    return image;
}
