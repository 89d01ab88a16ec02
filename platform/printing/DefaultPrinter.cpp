#include "platform/printing/DefaultPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace DefaultPrinter {

namespace {

QString &redirectPath()
{
    static QString path;
    return path;
}

} // namespace

Opened open(const QString &jobName)
{
    Opened opened;
    if (!redirectPath().isEmpty()) {
        opened.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        opened.printer->setOutputFormat(QPrinter::PdfFormat);
        opened.printer->setOutputFileName(redirectPath());
    } else {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            opened.error = QStringLiteral("V systému není nastavena žádná výchozí tiskárna.");
            return opened;
        }
        opened.printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    opened.printer->setDocName(jobName);
    return opened;
}

PdfRedirect::PdfRedirect(const QString &path) : m_previous(redirectPath())
{
    redirectPath() = path;
}

PdfRedirect::~PdfRedirect() { redirectPath() = m_previous; }

} // namespace DefaultPrinter
