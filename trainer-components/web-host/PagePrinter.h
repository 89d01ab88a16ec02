#pragma once

#include "platform/result/Result.h"
#include "trainer-components/web-host/HeaderFooter.h"

#include <QByteArray>
#include <QString>

// Prints pages that the browser engine laid out as PDF on the default printer
// as they are, with the header and footer laid over each page as text in its
// top and bottom margins, as one job under the page title.
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

// The engine's pages with the header and footer over them, as PDF.
Result<QByteArray> withHeaderAndFooter(const Job &job);

// Nothing printed: the reason.
Result<> print(const Job &job);

} // namespace PagePrinter
