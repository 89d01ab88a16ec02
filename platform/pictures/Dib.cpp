#include "platform/pictures/Dib.h"

#include <QtEndian>

namespace Dib {

QImage toImage(const QByteArray &info, const QByteArray &bits)
{
    // Qt reads the bitmap once it has the 14-byte file header in front.
    constexpr int FileHeaderSize = 14;
    QByteArray file(FileHeaderSize, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(FileHeaderSize + info.size() + bits.size()), file.data() + 2);
    qToLittleEndian<quint32>(quint32(FileHeaderSize + info.size()), file.data() + 10);
    file += info;
    file += bits;
    return QImage::fromData(file, "BMP");
}

} // namespace Dib
