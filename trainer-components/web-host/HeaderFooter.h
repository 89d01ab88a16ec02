#pragma once

#include <QString>

// What a header or footer template can name on a printed page.
struct PrintedPageFacts
{
    QString title;
    QString address;
    QString date;
    int page = 0;
    int pages = 0;
};

// A template expanded: the text before the first "&b" is left-aligned, the
// text after the last one right-aligned, and with two of them the middle part
// is centred.
struct HeaderFooterLine
{
    QString left;
    QString centre;
    QString right;
};

// &w title, &u address, &d date, &p page, &P pages, && one "&"; any other
// "&" code stays as written.
HeaderFooterLine expandTemplate(const QString &pattern, const PrintedPageFacts &facts);
