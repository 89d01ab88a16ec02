#include "trainer-components/system-facts/SysFileUtils.h"

QString DropTrailingSeparator(const QString &path, QChar separator)
{
    return path.endsWith(separator) ? path.chopped(1) : path;
}

QString DropTrailingBackslash(const QString &path)
{
    return DropTrailingSeparator(path, u'\\');
}
