#pragma once

#include "trainer-components/web-host/HeaderFooter.h"

#include <QByteArray>
#include <QString>

// Prints pages that the browser engine laid out as PDF on the default printer,
// each page as a picture with the header and footer drawn as text in its top
// and bottom margins.
namespace PagePrinter {

// Margin of the engine's page setup, in which the header and footer stand.
constexpr double MarginMillimetres = 19.05;

struct Job
{
    QByteArray pdf;
    QString header; // templates
    QString footer;
    PrintedPageFacts facts; // page and pages are filled in per page
};

// The number of pages printed, or the reason nothing was.
struct Result
{
    int pages = 0;
    QString error;
    explicit operator bool() const { return error.isEmpty(); }
};

Result print(const Job &job);

} // namespace PagePrinter
