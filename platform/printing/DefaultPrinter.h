#pragma once

#include <QString>

#include <memory>

class QPrinter;

// Printing without a dialog goes to the system's default printer (CUPS).
// Tests and benchmarks redirect every such job to a PDF file instead.
namespace DefaultPrinter {

struct Opened
{
    std::unique_ptr<QPrinter> printer;
    QString error; // why there is no printer, in the user's words
};

// A high-resolution printer for the default queue, or the redirected file.
Opened open(const QString &jobName);

// While one exists, every job is written to this PDF file.
class PdfRedirect
{
public:
    explicit PdfRedirect(const QString &path);
    ~PdfRedirect();
    PdfRedirect(const PdfRedirect &) = delete;
    PdfRedirect &operator=(const PdfRedirect &) = delete;

private:
    QString m_previous;
};

} // namespace DefaultPrinter
