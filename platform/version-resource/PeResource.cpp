#include "platform/version-resource/PeResource.h"

#include "platform/version-resource/LittleEndianReader.h"

namespace {

constexpr quint32 ResourceTypeVersion = 16;
constexpr quint32 SubdirectoryBit = 0x80000000u;
constexpr quint32 PeSignature = 0x00004550u;

struct Section
{
    quint32 virtualAddress;
    quint32 virtualSize;
    quint32 rawSize;
    quint32 rawOffset;
};

class PeImage
{
public:
    explicit PeImage(QByteArrayView image) : m_reader(image) {}

    bool readHeaders();
    std::optional<quint64> fileOffset(quint32 rva) const;
    std::optional<quint32> resourceRva() const { return m_resourceRva; }
    const LittleEndianReader &reader() const { return m_reader; }

private:
    LittleEndianReader m_reader;
    std::optional<quint32> m_resourceRva;
    quint64 m_sectionTable = 0;
    quint16 m_sectionCount = 0;
};

bool PeImage::readHeaders()
{
    if (m_reader.u16(0) != quint16(0x5A4D))
        return false;
    const auto peOffset = m_reader.u32(0x3C);
    if (!peOffset || m_reader.u32(*peOffset) != PeSignature)
        return false;
    const quint64 coff = quint64(*peOffset) + 4;
    const auto sectionCount = m_reader.u16(coff + 2);
    const auto optionalSize = m_reader.u16(coff + 16);
    const quint64 optional = coff + 20;
    const auto magic = m_reader.u16(optional);
    if (!sectionCount || !optionalSize || !magic)
        return false;
    const bool plus = *magic == 0x20B;
    if (!plus && *magic != 0x10B)
        return false;
    const quint64 countOffset = optional + (plus ? 108 : 92);
    const quint64 resourceEntry = countOffset + 4 + 2 * 8;
    const auto directoryCount = m_reader.u32(countOffset);
    if (!directoryCount || *directoryCount < 3 || resourceEntry + 8 > optional + *optionalSize)
        return false;
    m_resourceRva = m_reader.u32(resourceEntry);
    m_sectionTable = optional + *optionalSize;
    m_sectionCount = *sectionCount;
    return m_resourceRva.has_value() && m_reader.holds(m_sectionTable, quint64(m_sectionCount) * 40);
}

std::optional<quint64> PeImage::fileOffset(quint32 rva) const
{
    for (quint16 i = 0; i < m_sectionCount; ++i) {
        const quint64 entry = m_sectionTable + quint64(i) * 40;
        const Section s{*m_reader.u32(entry + 12), *m_reader.u32(entry + 8), *m_reader.u32(entry + 16),
                        *m_reader.u32(entry + 20)};
        if (rva >= s.virtualAddress && rva - s.virtualAddress < s.rawSize)
            return quint64(s.rawOffset) + (rva - s.virtualAddress);
    }
    return std::nullopt;
}

// The OffsetToData of the entry of a resource directory with `id`, or of its
// first entry when `id` is empty.
std::optional<quint32> directoryEntry(const LittleEndianReader &reader, quint64 directory, std::optional<quint32> id)
{
    const auto named = reader.u16(directory + 12);
    const auto ids = reader.u16(directory + 14);
    if (!named || !ids)
        return std::nullopt;
    const int count = *named + *ids;
    for (int i = 0; i < count; ++i) {
        const quint64 entry = directory + 16 + quint64(i) * 8;
        const auto name = reader.u32(entry);
        const auto target = reader.u32(entry + 4);
        if (!name || !target)
            return std::nullopt;
        if (!id || *name == *id)
            return target;
    }
    return std::nullopt;
}

} // namespace

QByteArrayView versionResourceOfPe(QByteArrayView image)
{
    PeImage pe(image);
    if (!pe.readHeaders() || *pe.resourceRva() == 0)
        return {};
    const auto base = pe.fileOffset(*pe.resourceRva());
    if (!base)
        return {};
    const LittleEndianReader &reader = pe.reader();
    // Type, then name, then language; the first name and language are taken.
    const auto names = directoryEntry(reader, *base, ResourceTypeVersion);
    if (!names || !(*names & SubdirectoryBit))
        return {};
    const auto languages = directoryEntry(reader, *base + (*names & ~SubdirectoryBit), std::nullopt);
    if (!languages || !(*languages & SubdirectoryBit))
        return {};
    const auto data = directoryEntry(reader, *base + (*languages & ~SubdirectoryBit), std::nullopt);
    if (!data || (*data & SubdirectoryBit))
        return {};
    const auto dataRva = reader.u32(*base + *data);
    const auto dataSize = reader.u32(*base + *data + 4);
    if (!dataRva || !dataSize)
        return {};
    const auto offset = pe.fileOffset(*dataRva);
    return offset ? reader.slice(*offset, *dataSize) : QByteArrayView();
}
