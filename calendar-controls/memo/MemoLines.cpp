#include "calendar-controls/memo/MemoLines.h"

StringListMemo::StringListMemo() : m_lines(builtInCzechCalendarLines()) {}

QString StringListMemo::line(int index) const
{
    return m_lines.value(index);
}

QStringList StringListMemo::builtInCzechCalendarLines()
{
    return {QStringLiteral("Leden"), QStringLiteral("Únor"), QStringLiteral("Březen"),
            QStringLiteral("Duben"), QStringLiteral("Květen"), QStringLiteral("Červen"),
            QStringLiteral("Červenec"), QStringLiteral("Srpen"), QStringLiteral("Září"),
            QStringLiteral("Říjen"), QStringLiteral("Listopad"), QStringLiteral("Prosinec"),
            QStringLiteral("Po"), QStringLiteral("Út"), QStringLiteral("St"),
            QStringLiteral("Čt"), QStringLiteral("Pá"), QStringLiteral("So"),
            QStringLiteral("Ne"),
            QStringLiteral("P"), QStringLiteral("Ú"), QStringLiteral("S"),
            QStringLiteral("Č"), QStringLiteral("P"), QStringLiteral("S"),
            QStringLiteral("N"),
            QStringLiteral("1")};
}
