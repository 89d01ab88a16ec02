#include "trainer-components/web-host/WebHostOptions.h"

namespace {

constexpr int DownloadMembers = 19;
constexpr int InterfaceMembers = 17;

// The first fifteen members double from their first constant; the rest jump.
quint32 downloadConstant(int member)
{
    constexpr quint32 high[] = {0x10000000, 0x20000000, 0x40000000, 0x80000000};
    return member < 15 ? quint32(0x10) << member : high[member - 15];
}

quint32 interfaceConstant(int member)
{
    constexpr quint32 high[] = {0x10000, 0x20000};
    return member < 15 ? quint32(1) << member : high[member - 15];
}

template <typename Member>
quint32 sumOf(const OptionSet<Member> &options, int members, quint32 (*constant)(int))
{
    quint32 sum = 0;
    for (int m = 0; m < members; ++m) {
        if (options.contains(Member(m)))
            sum += constant(m);
    }
    return sum;
}

} // namespace

quint32 DownloadFlagsSum(const TDownloadControlOptions &options)
{
    return sumOf(options, DownloadMembers, downloadConstant);
}

quint32 HostFlagsSum(const TUserInterfaceOptions &options)
{
    return sumOf(options, InterfaceMembers, interfaceConstant);
}
