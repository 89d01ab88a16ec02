#include "trainer-components/pdf-viewer/DefaultPrinter.h"

#include <QPrinter>

namespace {

QString redirectPath;

// Enough for a legible page in a test's file, and small to render.
constexpr int RedirectResolution = 150;

} // namespace

namespace DefaultPrinter {

std::unique_ptr<QPrinter> create()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!redirectPath.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(redirectPath);
        printer->setResolution(RedirectResolution);
    }
    return printer;
}

RedirectToFile::RedirectToFile(const QString &path) : m_previous(redirectPath)
{
    redirectPath = path;
}

RedirectToFile::~RedirectToFile()
{
    redirectPath = m_previous;
}

} // namespace DefaultPrinter
