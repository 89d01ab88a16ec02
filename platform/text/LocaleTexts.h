#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// Time and date texts in the user's formats, as the programs show them.
namespace LocaleTexts {

// The system's long time format without the time zone, which Windows' long
// time format never carried ("10:45:54", not "10:45:54 UTC").
QString longTime(const QTime &time);
// The system's short date format ("10.12.2026").
QString shortDate(const QDate &date);
// The format itself, with every time-zone field left out.
QString withoutTimeZone(const QString &format);

} // namespace LocaleTexts
