#include "trainer-components/web-host/HeaderFooter.h"

#include <QStringList>

HeaderFooterLine expandTemplate(const QString &pattern, const PrintedPageFacts &facts)
{
    QStringList parts{QString()};
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar ch = pattern.at(i);
        if (ch != u'&' || i + 1 == pattern.size()) {
            parts.last() += ch;
            continue;
        }
        const QChar code = pattern.at(++i);
        switch (code.unicode()) {
        case u'w': parts.last() += facts.title; break;
        case u'u': parts.last() += facts.address; break;
        case u'd': parts.last() += facts.date; break;
        case u'p': parts.last() += QString::number(facts.page); break;
        case u'P': parts.last() += QString::number(facts.pages); break;
        case u'&': parts.last() += u'&'; break;
        case u'b': parts << QString(); break;
        default: parts.last() += ch + QString(code); break;
        }
    }
    HeaderFooterLine line;
    line.left = parts.first();
    if (parts.size() >= 2)
        line.right = parts.last();
    if (parts.size() >= 3)
        line.centre = parts.mid(1, parts.size() - 2).join(QString());
    return line;
}
