#include "trainer-components/system-facts/SysStrings.h"

#include <cstring>

qsizetype CStrLength(const char *text)
{
    return text ? qsizetype(std::strlen(text)) : 0;
}

void TrimAtNul(QString &text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
}
