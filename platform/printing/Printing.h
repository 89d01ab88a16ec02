#pragma once

#include "platform/result/Result.h"

#include <QByteArray>
#include <QMarginsF>
#include <QString>

#include <functional>
#include <memory>
#include <queue>

class QPainter;
class QPrinter;
class QWidget;

// The print system of both programs. Every job reaches the printer as one
// PDF, in one piece, under its document name: either a finished PDF, handed
// over as it is, or pages drawn in printer dots at the printer object's
// resolution, with the origin at the top left of the printable area, laid out
// in full before any of it is sent. A job that fails part-way sends nothing,
// and every failure comes back as its message.
namespace Printing {

// The designer's page drawing works in dots of this resolution; so do
// redirected jobs, which the read-back tools measure in them.
inline constexpr int DotsPerInch = 300;

// A printer object on the system's default printer, A4 portrait at 300 dpi.
// The one a program keeps stays the printer last confirmed in its dialog.
std::unique_ptr<QPrinter> makePrinter();

// The printer dialog on `printer`; true when a printer was confirmed, which
// then stays the printer of `printer`, at the resolution it had.
bool confirmPrinter(QWidget *owner, QPrinter &printer);

// What a job draws on while it runs.
class PrintJob
{
public:
    virtual ~PrintJob() = default;
    virtual QPainter &painter() = 0;
    // Starts the next page; fails when it cannot.
    virtual Result<> newPage() = 0;
    // The printable size of the page, in dots.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    virtual int resolution() const = 0;
};

using PageDrawing = std::function<Result<>(PrintJob &job)>;

// Runs one job on `printer`. `draw` draws every page; a failure it returns
// ends the job, which then sends nothing. Fails when there is no printer, the
// job cannot start or the drawing failed.
Result<> print(QPrinter &printer, const QString &documentName, const PageDrawing &draw);

// Hands a finished PDF to `printer` as it is, byte for byte: the bytes, or the
// content of the file at `path`. The printer's copies and sides apply.
Result<> printPdf(const QPrinter &printer, const QByteArray &pdf, const QString &documentName);
Result<> printPdfFile(const QPrinter &printer, const QString &path, const QString &documentName);

// Test seam for the printer dialog: while installed no dialog opens; each one
// takes the next answer (cancel when the queue is empty).
class DialogScript
{
public:
    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript &) = delete;
    DialogScript &operator=(const DialogScript &) = delete;

    void confirm();
    void cancel();
    int asked() const { return m_asked; }
    // The printer object the last dialog was shown on.
    const QPrinter *lastPrinter() const { return m_lastPrinter; }

    static DialogScript *active();
    bool take(QPrinter &printer);

private:
    std::queue<bool> m_answers;
    int m_asked = 0;
    const QPrinter *m_lastPrinter = nullptr;
    DialogScript *m_previous = nullptr;
};

// Test seam for the printer: while installed every job of either program is
// written as a PDF file to `path` instead: a finished PDF as it is, drawn
// pages at 300 dpi on an A4 portrait page with the given printable margins in
// millimetres.
class PdfRedirect
{
public:
    explicit PdfRedirect(QString path, QMarginsF marginsMillimetres = {});
    ~PdfRedirect();
    PdfRedirect(const PdfRedirect &) = delete;
    PdfRedirect &operator=(const PdfRedirect &) = delete;

    const QString &path() const { return m_path; }
    const QMarginsF &margins() const { return m_margins; }
    static PdfRedirect *active();

private:
    QString m_path;
    QMarginsF m_margins;
    PdfRedirect *m_previous = nullptr;
};

} // namespace Printing
