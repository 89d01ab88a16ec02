#include "platform/printing/Printing.h"

#include "platform/files/TestFiles.h"
#include "platform/printing/PdfReadBack.h"
#include "platform/printing/TestQueue.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

namespace {

Result<> drawPages(Printing::PrintJob &job, int pages)
{
    for (int page = 1; page <= pages; ++page) {
        job.painter().fillRect(QRect(0, 0, 300, 300), Qt::black);
        if (page == pages)
            break;
        if (Result<> started = job.newPage(); !started)
            return started;
    }
    return {};
}

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void printerAt300Dpi();
    void redirectWritesTheJobAsPdf_data();
    void redirectWritesTheJobAsPdf();
    void failingDrawingSendsNothing_data();
    void failingDrawingSendsNothing();
    void jobThatCannotStart();
    void spoolStaysInTheTemporaryFolder();
    void noPrinter();
    void finishedPdfGoesAsItIs_data();
    void finishedPdfGoesAsItIs();
    void finishedPdfThatCannotBeRead_data();
    void finishedPdfThatCannotBeRead();
    void queueGetsEachJobWholeUnderItsName();
    void printToFileFromTheDialog_data();
    void printToFileFromTheDialog();
    void dialogScriptAnswers();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TestQueue> m_queue;
    int m_queuedJobs = 0;
};

void PrintingTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Made before any printer object, so that every one finds its queue.
    m_queue = std::make_unique<TestQueue>();
}

void PrintingTest::printerAt300Dpi()
{
    const auto printer = Printing::makePrinter();
    QCOMPARE(printer->resolution(), 300);
    QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(!printer->fullPage());
}

void PrintingTest::redirectWritesTheJobAsPdf_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<QMarginsF>("margins");
    QTest::addColumn<int>("pageHeight");
    QTest::newRow("one page, whole sheet") << 1 << QMarginsF() << 3508;
    // 262 mm of printable height, which the page layout keeps in whole points.
    QTest::newRow("three pages with margins") << 3 << QMarginsF(10, 15, 10, 20) << 3091;
}

void PrintingTest::redirectWritesTheJobAsPdf()
{
    QFETCH(int, pages);
    QFETCH(QMarginsF, margins);
    QFETCH(int, pageHeight);
    const QString path = m_dir.filePath(QStringLiteral("redirect-%1.pdf").arg(pages));
    const Printing::PdfRedirect redirect(path, margins);
    const auto printer = Printing::makePrinter();
    int seenHeight = 0;
    int seenResolution = 0;
    const Result<> printed = Printing::print(*printer, QStringLiteral("Zkouška"), [&](Printing::PrintJob &job) {
        seenHeight = job.pageHeight();
        seenResolution = job.resolution();
        return drawPages(job, pages);
    });
    QVERIFY2(printed, qPrintable(printed.error()));
    QCOMPARE(seenHeight, pageHeight);
    QCOMPARE(seenResolution, Printing::DotsPerInch);
    QCOMPARE(PdfReadBack::pageCount(path), pages);
    const QString info = PdfReadBack::info(path);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+595 x 842 pts \\(A4\\)"))),
             qPrintable(info));
}

void PrintingTest::failingDrawingSendsNothing_data()
{
    QTest::addColumn<bool>("oldFile");
    QTest::newRow("no file before") << false;
    QTest::newRow("an older job's file") << true;
}

void PrintingTest::failingDrawingSendsNothing()
{
    QFETCH(bool, oldFile);
    const QString path = m_dir.filePath(QStringLiteral("failing-%1.pdf").arg(oldFile));
    if (oldFile) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("older job");
    }
    const Printing::PdfRedirect redirect(path);
    const auto printer = Printing::makePrinter();
    const Result<> printed = Printing::print(*printer, QStringLiteral("Zkouška"), [](Printing::PrintJob &job) {
        if (Result<> drawn = drawPages(job, 2); !drawn)
            return drawn;
        if (Result<> started = job.newPage(); !started)
            return started;
        return Result<>(Failure{QStringLiteral("Obrázek nelze vykreslit")});
    });
    QVERIFY(!printed);
    QCOMPARE(printed.error(), QStringLiteral("Obrázek nelze vykreslit"));
    QCOMPARE(QFile::exists(path), oldFile);
    if (oldFile)
        QCOMPARE(TestFiles::contentOf(path), QByteArray("older job"));
}

void PrintingTest::jobThatCannotStart()
{
    const QString path = m_dir.filePath(QStringLiteral("missing/folder/job.pdf"));
    const Printing::PdfRedirect redirect(path);
    const auto printer = Printing::makePrinter();
    const Result<> printed =
        Printing::print(*printer, QStringLiteral("Zkouška"), [](Printing::PrintJob &job) { return drawPages(job, 1); });
    QVERIFY(!printed);
    QVERIFY(!printed.error().isEmpty());
    QVERIFY(!QFile::exists(path));
}

// A temporary folder that is missing fails the job; its spool file is never
// made elsewhere (the current folder).
void PrintingTest::spoolStaysInTheTemporaryFolder()
{
    const QDir here(m_dir.filePath(QStringLiteral("current")));
    QVERIFY(here.mkpath(QStringLiteral(".")));
    const QString previousFolder = QDir::currentPath();
    const std::optional<QByteArray> previousTemp =
        qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
    QVERIFY(QDir::setCurrent(here.path()));
    qputenv("TMPDIR", m_dir.filePath(QStringLiteral("no/such/folder")).toUtf8());
    const QString path = m_dir.filePath(QStringLiteral("spool-test.pdf"));
    const Printing::PdfRedirect redirect(path);
    const auto printer = Printing::makePrinter();
    const Result<> printed =
        Printing::print(*printer, QStringLiteral("Zkouška"), [](Printing::PrintJob &job) { return drawPages(job, 1); });
    if (previousTemp)
        qputenv("TMPDIR", *previousTemp);
    else
        qunsetenv("TMPDIR");
    QDir::setCurrent(previousFolder);
    QVERIFY(!printed);
    QVERIFY2(printed.error().startsWith(QStringLiteral("Tisk nelze zahájit: ")), qPrintable(printed.error()));
    QCOMPARE(here.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QVERIFY(!QFile::exists(path));
}

void PrintingTest::noPrinter()
{
    const QString error = QStringLiteral("Není vybrána žádná výchozí tiskárna.");
    const auto printer = Printing::makePrinter();
    printer->setPrinterName(QString());
    bool drawn = false;
    const Result<> printed =
        Printing::print(*printer, QStringLiteral("Zkouška"), [&](Printing::PrintJob &) {
            drawn = true;
            return Result<>();
        });
    QVERIFY(!printed);
    QCOMPARE(printed.error(), error);
    QVERIFY(!drawn);
    const Result<> finished =
        Printing::printPdf(*printer, PdfReadBack::numberedDocument(1), QStringLiteral("Zkouška"));
    QVERIFY(!finished);
    QCOMPARE(finished.error(), error);
}

void PrintingTest::finishedPdfGoesAsItIs_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::addColumn<bool>("dialogFile");
    QTest::newRow("bytes, redirected") << false << false;
    QTest::newRow("a file, redirected") << true << false;
    QTest::newRow("bytes to the printer dialog's file") << false << true;
    QTest::newRow("a file to the printer dialog's file") << true << true;
}

void PrintingTest::finishedPdfGoesAsItIs()
{
    QFETCH(bool, fromFile);
    QFETCH(bool, dialogFile);
    const QByteArray document = PdfReadBack::numberedDocument(3);
    const QString source = m_dir.filePath(QStringLiteral("Zakon119.pdf"));
    TestFiles::put(source, document);
    const QString path = m_dir.filePath(QStringLiteral("finished-%1-%2.pdf").arg(fromFile).arg(dialogFile));
    const auto printer = Printing::makePrinter();
    std::optional<Printing::PdfRedirect> redirect;
    if (dialogFile) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
    } else {
        redirect.emplace(path);
    }
    const Result<> printed = fromFile ? Printing::printPdfFile(*printer, source, QStringLiteral("Zákon"))
                                      : Printing::printPdf(*printer, document, QStringLiteral("Zákon"));
    QVERIFY2(printed, qPrintable(printed ? QString() : printed.error()));
    QCOMPARE(TestFiles::contentOf(path), document);
}

void PrintingTest::finishedPdfThatCannotBeRead_data()
{
    QTest::addColumn<bool>("missingFile");
    QTest::newRow("a file that is gone") << true;
    QTest::newRow("no bytes") << false;
}

// Nothing is sent, and an older job's file stays.
void PrintingTest::finishedPdfThatCannotBeRead()
{
    QFETCH(bool, missingFile);
    const QString path = m_dir.filePath(QStringLiteral("unread-%1.pdf").arg(missingFile));
    TestFiles::put(path, "older job");
    const Printing::PdfRedirect redirect(path);
    const auto printer = Printing::makePrinter();
    const QString gone = m_dir.filePath(QStringLiteral("gone.pdf"));
    const Result<> printed = missingFile ? Printing::printPdfFile(*printer, gone, QStringLiteral("Zákon"))
                                         : Printing::printPdf(*printer, QByteArray(), QStringLiteral("Zákon"));
    QVERIFY(!printed);
    QVERIFY(printed.error().startsWith(QStringLiteral("Tisk nelze zahájit")));
    if (missingFile)
        QVERIFY2(printed.error().contains(gone), qPrintable(printed.error()));
    QCOMPARE(TestFiles::contentOf(path), QByteArray("older job"));
}

// Through a real queue: the bytes as they were sent, the job and its
// document named as the program named them, never after a spool file.
void PrintingTest::queueGetsEachJobWholeUnderItsName()
{
    if (!m_queue->ready())
        QSKIP("No CUPS scheduler to run here (cups-daemon)");
    const auto printer = Printing::makePrinter();
    QCOMPARE(printer->printerName(), TestQueue::Printer);
    const QByteArray document = PdfReadBack::numberedDocument(2);
    const QString source = m_dir.filePath(QStringLiteral("Vyhlaska1.pdf"));
    TestFiles::put(source, document);

    const QString title = QStringLiteral("Otázky k odborné způsobilosti");
    const Result<> bytes = Printing::printPdf(*printer, document, title);
    QVERIFY2(bytes, qPrintable(bytes ? QString() : bytes.error()));
    const Result<> file = Printing::printPdfFile(*printer, source, QStringLiteral("Vyhlaska1.pdf"));
    QVERIFY2(file, qPrintable(file ? QString() : file.error()));
    const Result<> drawnJob =
        Printing::print(*printer, QStringLiteral("Rok 2003"), [](Printing::PrintJob &job) { return drawPages(job, 2); });
    QVERIFY2(drawnJob, qPrintable(drawnJob.error()));

    const auto first = m_queue->job(++m_queuedJobs);
    QVERIFY(first);
    QCOMPARE(first->bytes, document);
    QCOMPARE(first->title, title);
    QCOMPARE(first->documentName, title);
    const auto second = m_queue->job(++m_queuedJobs);
    QVERIFY(second);
    QCOMPARE(second->bytes, document);
    QCOMPARE(second->documentName, QStringLiteral("Vyhlaska1.pdf"));
    const auto drawn = m_queue->job(++m_queuedJobs);
    QVERIFY(drawn);
    QCOMPARE(drawn->title, QStringLiteral("Rok 2003"));
    QCOMPARE(drawn->documentName, QStringLiteral("Rok 2003"));
    const QString kept = m_dir.filePath(QStringLiteral("kept.pdf"));
    TestFiles::put(kept, drawn->bytes);
    QCOMPARE(PdfReadBack::pageCount(kept), 2);
    QCOMPARE(m_queue->pendingJobs(), 0);
}

void PrintingTest::printToFileFromTheDialog_data()
{
    QTest::addColumn<int>("resolution");
    QTest::newRow("the designer's 300 dpi") << 300;
    QTest::newRow("a printer's 600 dpi") << 600;
}

// Off the redirect a job is laid out at the printer's resolution.
void PrintingTest::printToFileFromTheDialog()
{
    QFETCH(int, resolution);
    const QString path = m_dir.filePath(QStringLiteral("to-file-%1.pdf").arg(resolution));
    const auto printer = Printing::makePrinter();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setResolution(resolution);
    printer->setFullPage(true);
    int seenWidth = 0;
    int seenResolution = 0;
    const Result<> printed = Printing::print(*printer, QStringLiteral("Zkouška"), [&](Printing::PrintJob &job) {
        seenWidth = job.pageWidth();
        seenResolution = job.resolution();
        return drawPages(job, 2);
    });
    QVERIFY2(printed, qPrintable(printed.error()));
    QCOMPARE(seenResolution, resolution);
    // A4 is 595 whole points wide in the page layout.
    QCOMPARE(seenWidth, 595 * resolution / 72);
    QCOMPARE(PdfReadBack::pageCount(path), 2);
}

void PrintingTest::dialogScriptAnswers()
{
    const auto printer = Printing::makePrinter();
    Printing::DialogScript script;
    script.confirm();
    script.cancel();
    QVERIFY(Printing::confirmPrinter(nullptr, *printer));
    QCOMPARE(script.lastPrinter(), printer.get());
    QVERIFY(!Printing::confirmPrinter(nullptr, *printer));
    QVERIFY(!Printing::confirmPrinter(nullptr, *printer)); // an empty queue cancels
    QCOMPARE(script.asked(), 3);
}

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
