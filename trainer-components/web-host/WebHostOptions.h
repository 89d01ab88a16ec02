#pragma once

#include <QtGlobal>

#include <initializer_list>

// A set of options stored as one bit per member in member order.
template <typename Member>
class OptionSet
{
public:
    OptionSet() = default;
    OptionSet(std::initializer_list<Member> members)
    {
        for (Member m : members)
            m_bits |= bit(m);
    }

    bool contains(Member m) const { return (m_bits & bit(m)) != 0; }
    bool isEmpty() const { return m_bits == 0; }
    bool operator==(const OptionSet &) const = default;

private:
    static quint32 bit(Member m) { return quint32(1) << int(m); }
    quint32 m_bits = 0;
};

// Download-control members, in bit order.
enum class TDownloadControlOption {
    DLCTL_DLIMAGES, DLCTL_VIDEOS, DLCTL_BGSOUNDS, DLCTL_NO_SCRIPTS, DLCTL_NO_JAVA,
    DLCTL_NO_RUNACTIVEXCTLS, DLCTL_NO_DLACTIVEXCTLS, DLCTL_DOWNLOADONLY, DLCTL_NO_FRAMEDOWNLOAD,
    DLCTL_RESYNCHRONIZE, DLCTL_PRAGMA_NO_CACHE, DLCTL_NO_BEHAVIORS, DLCTL_NO_METACHARSET,
    DLCTL_URL_ENCODING_DISABLE_UTF8, DLCTL_URL_ENCODING_ENABLE_UTF8, DLCTL_FORCEOFFLINE,
    DLCTL_NO_CLIENTPULL, DLCTL_SILENT, DLCTL_OFFLINE,
};
using TDownloadControlOptions = OptionSet<TDownloadControlOption>;

// Host user-interface members, in bit order.
enum class TUserInterfaceOption {
    DIALOG, DISABLE_HELP_MENU, NO3DBORDER, SCROLL_NO, DISABLE_SCRIPT_INACTIVE, OPENNEWWIN,
    DISABLE_OFFSCREEN, FLAT_SCROLLBAR, DIV_BLOCKDEFAULT, ACTIVATE_CLIENTHIT_ONLY,
    OVERRIDEBEHAVIORFACTORY, CODEPAGELINKEDFONTS, URL_ENCODING_DISABLE_UTF8,
    URL_ENCODING_ENABLE_UTF8, ENABLE_FORMS_AUTOCOMPLETE, ENABLE_INPLACE_NAVIGATION,
    IME_ENABLE_RECONVERSION,
};
using TUserInterfaceOptions = OptionSet<TUserInterfaceOption>;

// The sums of the members' flag constants, as the browser was told them.
quint32 DownloadFlagsSum(const TDownloadControlOptions &options);
quint32 HostFlagsSum(const TUserInterfaceOptions &options);
