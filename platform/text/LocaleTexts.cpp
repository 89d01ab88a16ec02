#include "platform/text/LocaleTexts.h"

#include <QLocale>

QString LocaleTexts::withoutTimeZone(const QString &format)
{
    QString kept;
    bool quoted = false;
    for (const QChar ch : format) {
        if (ch == u'\'')
            quoted = !quoted;
        if (!quoted && ch == u't')
            continue;
        kept += ch;
    }
    return kept.trimmed();
}

QString LocaleTexts::longTime(const QTime &time)
{
    const QLocale locale = QLocale::system();
    return locale.toString(time, withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

QString LocaleTexts::withFourDigitYear(const QString &format)
{
    QString widened;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar ch = format[i];
        if (ch == u'\'')
            quoted = !quoted;
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == ch)
            ++run;
        // A lone "y" is no field; "yy" and "yyy" are the two-digit year.
        if (!quoted && ch == u'y' && (run == 2 || run == 3))
            widened += QStringLiteral("yyyy");
        else
            widened += QStringView(format).sliced(i, run);
        // Quotes toggle one by one; a doubled quote is a quote character.
        if (ch == u'\'' && run % 2 == 0)
            quoted = !quoted;
        i += run;
    }
    return widened;
}

QString LocaleTexts::shortDateFormat(const QLocale &locale)
{
    return withFourDigitYear(locale.dateFormat(QLocale::ShortFormat));
}

QString LocaleTexts::shortDate(const QDate &date)
{
    const QLocale locale = QLocale::system();
    return locale.toString(date, shortDateFormat(locale));
}
