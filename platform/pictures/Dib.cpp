#include "platform/pictures/Dib.h"

#include "platform/pictures/QtImageDecoder.h"

#include <QtEndian>

namespace {

constexpr quint32 FileHeaderSize = 14;

// Qt reads the bitmap once it has a file header in front.
Result<QImage> withFileHeader(const QByteArray &dib, quint64 infoSize)
{
    QByteArray file(FileHeaderSize, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(FileHeaderSize + dib.size()), file.data() + 2);
    qToLittleEndian<quint32>(quint32(std::min<quint64>(FileHeaderSize + infoSize, UINT32_MAX)), file.data() + 10);
    return QtImageDecoder::decode(file + dib, "bmp");
}

// The size of the header, the colour masks and the colour table in front of the bits.
quint64 infoSize(const QByteArray &dib)
{
    const auto *bytes = reinterpret_cast<const uchar *>(dib.constData());
    if (dib.size() < 4)
        return UINT32_MAX;
    const quint32 headerSize = qFromLittleEndian<quint32>(bytes);
    constexpr quint32 CoreHeaderSize = 12;
    constexpr quint32 InfoHeaderSize = 40;
    if (headerSize == CoreHeaderSize && dib.size() >= CoreHeaderSize) {
        const quint16 bitCount = qFromLittleEndian<quint16>(bytes + 10);
        return CoreHeaderSize + (bitCount <= 8 ? 3ULL << bitCount : 0);
    }
    if (headerSize < InfoHeaderSize || dib.size() < InfoHeaderSize)
        return UINT32_MAX;
    const quint16 bitCount = qFromLittleEndian<quint16>(bytes + 14);
    const quint32 compression = qFromLittleEndian<quint32>(bytes + 16);
    const quint64 used = qFromLittleEndian<quint32>(bytes + 32);
    constexpr quint32 BitFields = 3;
    constexpr quint32 AlphaBitFields = 6;
    const quint64 masks = headerSize != InfoHeaderSize ? 0
                          : compression == BitFields   ? 12
                          : compression == AlphaBitFields ? 16
                                                          : 0;
    const quint64 colours = used ? used : bitCount <= 8 ? 1ULL << bitCount : 0;
    return headerSize + masks + colours * 4;
}

} // namespace

namespace Dib {

Result<QImage> toImage(const QByteArray &info, const QByteArray &bits)
{
    return withFileHeader(info + bits, quint64(info.size()));
}

Result<QImage> fromPacked(const QByteArray &dib)
{
    return withFileHeader(dib, infoSize(dib));
}

} // namespace Dib
