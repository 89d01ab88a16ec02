#pragma once

#include "calendar-controls/memo/MemoLines.h"

#include <QStringList>

// A language file's 89 lines for the print window's tests: the built-in
// calendar names, "Tisk" as the print caption (line 73) and "line N" for
// every other line.
inline QStringList printWindowTestLines()
{
    QStringList lines = StringListMemo::builtInCzechCalendarLines();
    while (lines.size() < 89)
        lines.append(QStringLiteral("line %1").arg(lines.size()));
    lines[73] = QStringLiteral("Tisk");
    return lines;
}
