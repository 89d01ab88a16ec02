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

QString LocaleTexts::shortDate(const QDate &date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}
