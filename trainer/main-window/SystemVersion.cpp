#include "trainer/main-window/SystemVersion.h"

#include <array>
#include <optional>

namespace {

struct Row
{
    SystemPlatform platform;
    std::optional<int> major; // unset: any
    std::optional<int> minor; // unset: any
    const char16_t *text;
};

// First matching row wins; the last row of a family catches the rest of it.
constexpr std::array<Row, 8> Rows{{
    {SystemPlatform::Win9x, {}, 0, u"Info: System Win95."},
    {SystemPlatform::Win9x, {}, 10, u"Info: System Win98."},
    {SystemPlatform::Win9x, {}, 90, u"Info: System WinME."},
    {SystemPlatform::Win9x, {}, {}, u"Info: Neznámý systém Win9x."},
    {SystemPlatform::WinNT, 3, {}, u"Info: System WinNT."},
    {SystemPlatform::WinNT, 4, {}, u"Info: System WinNT."},
    {SystemPlatform::WinNT, 5, {}, u"Info: System Win2K / XP."},
    {SystemPlatform::WinNT, {}, {}, u"Info: Neznámý system WinNT."},
}};

bool matches(const std::optional<int> &wanted, int value)
{
    return !wanted || *wanted == value;
}

} // namespace

QString systemVersionText(SystemPlatform platform, int major, int minor)
{
    for (const Row &row : Rows) {
        if (row.platform == platform && matches(row.major, major) && matches(row.minor, minor))
            return QString::fromUtf16(row.text);
    }
    return QStringLiteral("Info: Neznámý systém.");
}

QString DetectSystemVersion()
{
    return systemVersionText(SystemPlatform::Other, 0, 0);
}
