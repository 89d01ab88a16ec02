#include "trainer/practice-test/LicenceGroups.h"

namespace LicenceGroups {

const std::array<LicenceGroup, Count> &all()
{
    static const std::array<LicenceGroup, Count> groups{{
        {QStringLiteral("Zbrojní průkaz skupiny - A"), u'A', 37,
         QStringLiteral("Ke sběratelským účelům - musíte získat 37 bodů.")},
        {QStringLiteral("Zbrojní průkaz skupiny - B"), u'B', 40,
         QStringLiteral("Ke sportovním účelům - musíte získat 40 bodů.")},
        {QStringLiteral("Zbrojní průkaz skupiny - C"), u'C', 40,
         QStringLiteral("K loveckým účelům - musíte získat 40 bodů.")},
        {QStringLiteral("Zbrojní průkaz skupiny - D"), u'D', 42,
         QStringLiteral("K výkonu zaměstnání v místech, kam nemá veřejnost volný přístup - "
                        "musíte získat 42 bodů.")},
        {QStringLiteral("Zbrojní průkaz skupiny - E"), u'E', 45,
         QStringLiteral("K výkonu zaměstnání v místech, kam má veřejnost volný přístup - "
                        "musíte získat 45 bodů.")},
        {QStringLiteral("Zbrojní průkaz skupiny - F"), u'F', 42,
         QStringLiteral("K ochraně zdraví, života a majetku v místech, kam nemá veřejnost "
                        "volný přístup - musíte získat 42 bodů.")},
        {QStringLiteral("Zbrojní průkaz skupiny - G"), u'G', 43,
         QStringLiteral("K ochraně zdraví, života a majetku v místech, kam má veřejnost "
                        "volný přístup - musíte získat 43 bodů.")},
        {QStringLiteral("Zbrojní průkaz skupiny - H"), u'H', 41,
         QStringLiteral("K výkonu povolání v oboru zbraní a střeliva - musíte získat 41 bodů.")},
    }};
    return groups;
}

} // namespace LicenceGroups
