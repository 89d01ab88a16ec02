#include "trainer-components/system-facts/SysFacts.h"

#include "platform/files/FileSystem.h"
#include "trainer-components/system-facts/MemoryStatus.h"
#include "trainer-components/system-facts/SysFileUtils.h"
#include "trainer-components/system-facts/SysStrings.h"

#include <unistd.h>

namespace {

quint32 processorCount = 0;

} // namespace

QString TempFolderPath()
{
    QString path = FileSystem::temporaryFolder();
    TrimAtNul(path);
    // "/" stands where the backslash stood; the root loses it as "C:\" did.
    return DropTrailingSeparator(path, u'/');
}

qint64 SwapFileBytesUsed()
{
    return MemoryStatus::current().pageFileBytesUsed();
}

int SwapFileUsagePercent()
{
    return MemoryStatus::current().pageFileUsagePercent();
}

qint64 PhysicalMemoryTotal()
{
    return qint64(MemoryStatus::current().totalPhysical);
}

qint64 PhysicalMemoryFree()
{
    return qint64(MemoryStatus::current().availablePhysical);
}

void ReadSystemFacts()
{
    const long online = sysconf(_SC_NPROCESSORS_ONLN);
    processorCount = online > 0 ? quint32(online) : 0;
}

quint32 CpuCount()
{
    return processorCount;
}
