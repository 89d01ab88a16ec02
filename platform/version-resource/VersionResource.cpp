#include "platform/version-resource/VersionResource.h"

#include "platform/version-resource/ElfSection.h"
#include "platform/version-resource/PeResource.h"

#include <QFile>

QByteArray VersionResource::readBlock(const QString &path)
{
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return {};
    const uchar *mapped = file.map(0, file.size());
    if (!mapped)
        return {};
    const QByteArrayView image(mapped, file.size());
    QByteArrayView block = versionResourceOfPe(image);
    if (block.isEmpty())
        block = elfSection(image, VersionSectionName);
    return block.toByteArray();
}
