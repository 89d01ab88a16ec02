#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// Time and date texts in the user's formats, as the programs show them.
namespace LocaleTexts {

// The system's long time format without the time zone, which Windows' long
// time format never carried ("10:45:54", not "10:45:54 UTC").
QString longTime(const QTime &time);
// The system's short date format with a four-digit year ("10.12.2026", where
// Qt's Czech pattern alone gives "10.12.26").
QString shortDate(const QDate &date);
// The locale's short date pattern with its year in four digits.
QString shortDateFormat(const QLocale &locale);
// The pattern with every year field outside quotes written "yyyy".
QString withFourDigitYear(const QString &format);
// The format itself, with every time-zone field left out.
QString withoutTimeZone(const QString &format);

} // namespace LocaleTexts
