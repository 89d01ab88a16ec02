#include "platform/printing/Printing.h"

#include "platform/files/FileSystem.h"
#include "platform/files/SafeFile.h"
#include "platform/messages/PlatformMessages.h"
#include "platform/result/Result.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

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
    Result<> newPage() override
    {
        if (!m_writer.newPage())
            return Failure{PlatformMessages::printerCannotStartPage()};
        return {};
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
        error = PlatformMessages::printingCannotStart();
        return false;
    }
    if (const Result<> drawn = draw(job); !drawn) {
        job.end();
        error = drawn.error();
        return false;
    }
    if (!job.end()) {
        error = PlatformMessages::printingCannotFinish();
        return false;
    }
    return true;
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

// The queue of `printer`, or why there is none to print on.
Result<QByteArray> queueOf(const QPrinter &printer)
{
    const QString name = printer.printerName();
    if (name.isEmpty())
        return Failure{PlatformMessages::noDefaultPrinter()};
    if (QPrinterInfo::printerInfo(name).isNull())
        return Failure{PlatformMessages::printerNotValid()};
    return name.toLocal8Bit();
}

// "Print to file" in the printer dialog.
bool printsToFile(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

Result<> copyToFile(const QString &path, QIODevice &pdf)
{
    return SafeFile::replaceWith(path, [&pdf](QIODevice &out) {
        const QByteArray content = pdf.readAll();
        return content.size() == pdf.size() && out.write(content) == content.size();
    });
}

Result<> sendToQueue(const QPrinter &printer, QIODevice &pdf, const QString &documentName)
{
    const Result<QByteArray> queue = queueOf(printer);
    if (!queue)
        return Failure{queue.error()};
    const QByteArray title = documentName.toUtf8();
    const auto failed = [&printer] {
        return Failure{PlatformMessages::printingFailedOn(printer.printerName(),
                                                          QString::fromUtf8(cupsLastErrorString()))};
    };
    const JobOptions options(printer);
    const int jobId = cupsCreateJob(CUPS_HTTP_DEFAULT, queue->constData(), title.constData(), options.count(),
                                    options.options());
    if (jobId == 0)
        return failed();
    // The job is created empty and held until its document has arrived in
    // full; a job that fails part-way is taken back.
    const auto cancelled = [&](const Failure &failure) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue->constData(), jobId, 0);
        return failure;
    };
    // A document already started is closed before its job is taken back.
    const auto abandoned = [&](const Failure &failure) {
        cupsFinishDocument(CUPS_HTTP_DEFAULT, queue->constData());
        return cancelled(failure);
    };
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue->constData(), jobId, title.constData(), CUPS_FORMAT_PDF, 1)
        != HTTP_STATUS_CONTINUE)
        return cancelled(failed());
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    qint64 got = 0;
    while ((got = pdf.read(chunk.data(), chunk.size())) > 0) {
        if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, chunk.constData(), size_t(got)) != HTTP_STATUS_CONTINUE)
            return abandoned(failed());
    }
    if (got < 0)
        return abandoned(Failure{PlatformMessages::printingCannotFinish(pdf.errorString())});
    if (cupsFinishDocument(CUPS_HTTP_DEFAULT, queue->constData()) > IPP_STATUS_OK_EVENTS_COMPLETE)
        return cancelled(failed());
    return {};
}

// Where every finished job goes: the redirect's file, the printer dialog's
// file or the printer's queue.
Result<> deliver(const QPrinter &printer, QIODevice &pdf, const QString &documentName)
{
    if (pdf.size() == 0)
        return Failure{PlatformMessages::printingCannotStart(PlatformMessages::documentEmpty())};
    if (const PdfRedirect *redirect = PdfRedirect::active())
        return copyToFile(redirect->path(), pdf);
    if (printsToFile(printer))
        return copyToFile(printer.outputFileName(), pdf);
    return sendToQueue(printer, pdf, documentName);
}

// Drawn jobs are laid out into a spool file named after the running program,
// in the one temporary folder: with that folder missing the job fails rather
// than spooling into the current one.
QString spoolFileTemplate()
{
    QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (program.isEmpty())
        program = QStringLiteral("print");
    return QDir(FileSystem::temporaryFolder()).filePath(program + QStringLiteral("-XXXXXX.pdf"));
}

} // namespace

std::unique_ptr<QPrinter> makePrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
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

Result<> print(QPrinter &printer, const QString &documentName, const PageDrawing &draw)
{
    QPageLayout layout = printer.pageLayout();
    int resolution = printer.resolution();
    if (const PdfRedirect *redirect = PdfRedirect::active()) {
        layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, redirect->margins(),
                             QPageLayout::Millimeter);
        resolution = DotsPerInch;
    } else if (!printsToFile(printer)) {
        // Nothing is drawn for a printer that is not there.
        if (const Result<QByteArray> queue = queueOf(printer); !queue)
            return Failure{queue.error()};
    }

    QTemporaryFile spool(spoolFileTemplate());
    if (!spool.open())
        return Failure{PlatformMessages::printingCannotStart(spool.errorString())};
    QString error;
    if (!layOut(spool, layout, resolution, documentName, draw, error))
        return Failure{error};
    if (!spool.flush() || !spool.seek(0))
        return Failure{PlatformMessages::printingCannotFinish(spool.errorString())};
    return deliver(printer, spool, documentName);
}

Result<> printPdf(const QPrinter &printer, const QByteArray &pdf, const QString &documentName)
{
    QBuffer buffer;
    buffer.setData(pdf);
    buffer.open(QIODevice::ReadOnly);
    return deliver(printer, buffer, documentName);
}

Result<> printPdfFile(const QPrinter &printer, const QString &path, const QString &documentName)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{PlatformMessages::printingCannotStart(PlatformMessages::cannotOpen(path, file.errorString()))};
    return deliver(printer, file, documentName);
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
