#pragma once

#include <QString>

// `path` without one trailing backslash; unchanged when it does not end in one.
QString DropTrailingBackslash(const QString &path);

// `path` without one trailing occurrence of `separator`.
QString DropTrailingSeparator(const QString &path, QChar separator);
