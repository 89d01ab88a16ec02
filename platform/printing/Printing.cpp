#include "platform/printing/Printing.h"

#include "platform/files/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

#include <exception>
#include <stdexcept>

namespace Printing {

namespace {

DialogScript *g_dialogScript = nullptr;
PdfRedirect *g_pdfRedirect = nullptr;

class PdfJob : public PrintJob
{
public:
    PdfJob(QIODevice &out, const QPageLayout &layout, int resolution, const QString &documentName)
        : m_writer(&out)
    {
        m_writer.setResolution(resolution);
        m_writer.setPageLayout(layout);
        m_writer.setTitle(documentName);
        m_writer.setCreator(QCoreApplication::applicationName());
    }

    bool begin() { return m_painter.begin(&m_writer); }
    bool end() { return m_painter.end(); }

    QPainter &painter() override { return m_painter; }
    void newPage() override
    {
        if (!m_writer.newPage())
            throw std::runtime_error("The printer cannot start a new page");
    }
    int pageWidth() const override { return m_writer.width(); }
    int pageHeight() const override { return m_writer.height(); }
    int resolution() const override { return m_writer.resolution(); }

private:
    QPdfWriter m_writer;
    QPainter m_painter;
};

// Lays the whole job out as PDF into `out`; false with `error` set when the
// job could not start or its drawing failed.
bool layOut(QIODevice &out, const QPageLayout &layout, int resolution, const QString &documentName,
            const PageDrawing &draw, QString &error)
{
    PdfJob job(out, layout, resolution, documentName);
    if (!job.begin()) {
        error = QStringLiteral("Printing could not start");
        return false;
    }
    try {
        draw(job);
    } catch (const std::exception &failure) {
        job.end();
        error = QString::fromUtf8(failure.what());
        return false;
    }
    if (!job.end()) {
        error = QStringLiteral("Printing could not be finished");
        return false;
    }
    return true;
}

std::optional<QString> printToFile(const QString &path, const QPageLayout &layout, int resolution,
                                   const QString &documentName, const PageDrawing &draw)
{
    QString error;
    const Result<> written = SafeFile::replaceWith(
        path, [&](QIODevice &out) { return layOut(out, layout, resolution, documentName, draw, error); });
    if (written)
        return std::nullopt;
    return error.isEmpty() ? written.error() : error;
}

// The options of the printer dialog that the queue carries out itself.
class JobOptions
{
public:
    explicit JobOptions(const QPrinter &printer)
    {
        add("copies", QByteArray::number(printer.copyCount()));
        add("collate", printer.collateCopies() ? "true" : "false");
        switch (printer.duplex()) {
        case QPrinter::DuplexLongSide: add("sides", "two-sided-long-edge"); break;
        case QPrinter::DuplexShortSide: add("sides", "two-sided-short-edge"); break;
        case QPrinter::DuplexNone: add("sides", "one-sided"); break;
        case QPrinter::DuplexAuto: break;
        }
    }
    ~JobOptions() { cupsFreeOptions(m_count, m_options); }
    JobOptions(const JobOptions &) = delete;
    JobOptions &operator=(const JobOptions &) = delete;

    int count() const { return m_count; }
    cups_option_t *options() const { return m_options; }

private:
    void add(const char *name, const QByteArray &value)
    {
        m_count = cupsAddOption(name, value.constData(), m_count, &m_options);
    }

    int m_count = 0;
    cups_option_t *m_options = nullptr;
};

std::optional<QString> printToQueue(QPrinter &printer, const QString &documentName, const PageDrawing &draw)
{
    const QString name = printer.printerName();
    if (name.isEmpty())
        return QStringLiteral("There is no default printer currently selected");
    if (QPrinterInfo::printerInfo(name).isNull())
        return QStringLiteral("Printer selected is not valid");

    QTemporaryFile spool(QDir(QDir::tempPath()).filePath(QStringLiteral("Zoziruzo-XXXXXX.pdf")));
    if (!spool.open())
        return QStringLiteral("Printing could not start: %1").arg(spool.errorString());
    QString error;
    if (!layOut(spool, printer.pageLayout(), printer.resolution(), documentName, draw, error))
        return error;
    if (!spool.flush())
        return QStringLiteral("Printing could not be finished: %1").arg(spool.errorString());

    const JobOptions options(printer);
    const int jobId = cupsPrintFile2(CUPS_HTTP_DEFAULT, name.toLocal8Bit().constData(),
                                     QFile::encodeName(spool.fileName()).constData(),
                                     documentName.toLocal8Bit().constData(), options.count(), options.options());
    if (jobId == 0)
        return QStringLiteral("Printing failed on %1: %2").arg(name, QString::fromLocal8Bit(cupsLastErrorString()));
    return std::nullopt;
}

} // namespace

std::unique_ptr<QPrinter> makePrinter(Resolution resolution)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (resolution == Resolution::DotsPerInch300)
        printer->setResolution(DotsPerInch);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setFullPage(false);
    return printer;
}

bool confirmPrinter(QWidget *owner, QPrinter &printer)
{
    if (DialogScript *script = DialogScript::active())
        return script->take(printer);
    const int resolution = printer.resolution();
    QPrintDialog dialog(&printer, owner);
    // A job prints all of its pages.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    // Choosing another printer may reset the resolution; jobs keep the one the
    // printer was made with.
    printer.setResolution(resolution);
    return confirmed;
}

std::optional<QString> print(QPrinter &printer, const QString &documentName, const PageDrawing &draw)
{
    if (const PdfRedirect *redirect = PdfRedirect::active()) {
        const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, redirect->margins(),
                                 QPageLayout::Millimeter);
        return printToFile(redirect->path(), layout, DotsPerInch, documentName, draw);
    }
    // "Print to file" in the printer dialog.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return printToFile(printer.outputFileName(), printer.pageLayout(), printer.resolution(), documentName,
                           draw);
    return printToQueue(printer, documentName, draw);
}

DialogScript::DialogScript() : m_previous(g_dialogScript)
{
    g_dialogScript = this;
}

DialogScript::~DialogScript()
{
    g_dialogScript = m_previous;
}

DialogScript *DialogScript::active()
{
    return g_dialogScript;
}

void DialogScript::confirm()
{
    m_answers.push(true);
}

void DialogScript::cancel()
{
    m_answers.push(false);
}

bool DialogScript::take(QPrinter &printer)
{
    ++m_asked;
    m_lastPrinter = &printer;
    if (m_answers.empty())
        return false;
    const bool confirmed = m_answers.front();
    m_answers.pop();
    return confirmed;
}

PdfRedirect::PdfRedirect(QString path, QMarginsF marginsMillimetres)
    : m_path(std::move(path)), m_margins(marginsMillimetres), m_previous(g_pdfRedirect)
{
    g_pdfRedirect = this;
}

PdfRedirect::~PdfRedirect()
{
    g_pdfRedirect = m_previous;
}

PdfRedirect *PdfRedirect::active()
{
    return g_pdfRedirect;
}

} // namespace Printing
