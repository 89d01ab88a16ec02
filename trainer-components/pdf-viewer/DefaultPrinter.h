#pragma once

#include <QString>

#include <memory>

class QPrinter;

// Where jobs printed without a dialog go: the system's default printer at its
// own resolution, or, while a test redirects them, a PDF file.
namespace DefaultPrinter {

std::unique_ptr<QPrinter> create();

// Test seam: while one exists, every job goes to this PDF file.
class RedirectToFile
{
public:
    explicit RedirectToFile(const QString &path);
    ~RedirectToFile();
    RedirectToFile(const RedirectToFile &) = delete;
    RedirectToFile &operator=(const RedirectToFile &) = delete;

private:
    QString m_previous;
};

} // namespace DefaultPrinter
