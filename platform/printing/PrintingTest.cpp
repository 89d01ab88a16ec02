#include "platform/printing/Printing.h"

#include "platform/printing/PdfReadBack.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void drawPages(Printing::PrintJob &job, int pages)
{
    for (int page = 1; page <= pages; ++page) {
        job.painter().fillRect(QRect(0, 0, 300, 300), Qt::black);
        if (page < pages)
            job.newPage();
    }
}

} // namespace

class PrintingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void printerAt300Dpi();
    void printerAtItsOwnResolution();
    void redirectWritesTheJobAsPdf_data();
    void redirectWritesTheJobAsPdf();
    void failingDrawingSendsNothing_data();
    void failingDrawingSendsNothing();
    void jobThatCannotStart();
    void noPrinter();
    void printToFileFromTheDialog_data();
    void printToFileFromTheDialog();
    void dialogScriptAnswers();

private:
    QTemporaryDir m_dir;
};

void PrintingTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void PrintingTest::printerAt300Dpi()
{
    const auto printer = Printing::makePrinter();
    QCOMPARE(printer->resolution(), 300);
    QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::A4);
    QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Portrait);
    QVERIFY(!printer->fullPage());
}

void PrintingTest::printerAtItsOwnResolution()
{
    const QPrinter system(QPrinter::HighResolution);
    const auto printer = Printing::makePrinter(Printing::Resolution::PrinterOwn);
    QCOMPARE(printer->resolution(), system.resolution());
    QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::A4);
}

void PrintingTest::redirectWritesTheJobAsPdf_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<QMarginsF>("margins");
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<bool>("printerOwn");
    QTest::newRow("one page, whole sheet") << 1 << QMarginsF() << 3508 << false;
    // 262 mm of printable height, which the page layout keeps in whole points.
    QTest::newRow("three pages with margins") << 3 << QMarginsF(10, 15, 10, 20) << 3091 << false;
    // The trainer's printer too: the file is measured at 300 dpi.
    QTest::newRow("printer's own resolution") << 2 << QMarginsF() << 3508 << true;
}

void PrintingTest::redirectWritesTheJobAsPdf()
{
    QFETCH(int, pages);
    QFETCH(QMarginsF, margins);
    QFETCH(int, pageHeight);
    QFETCH(bool, printerOwn);
    const QString path = m_dir.filePath(QStringLiteral("redirect-%1.pdf").arg(pages));
    const Printing::PdfRedirect redirect(path, margins);
    const auto printer = Printing::makePrinter(printerOwn ? Printing::Resolution::PrinterOwn
                                                          : Printing::Resolution::DotsPerInch300);
    int seenHeight = 0;
    int seenResolution = 0;
    const auto error = Printing::print(*printer, QStringLiteral("Zkouška"), [&](Printing::PrintJob &job) {
        seenHeight = job.pageHeight();
        seenResolution = job.resolution();
        drawPages(job, pages);
    });
    QVERIFY2(!error, qPrintable(error.value_or(QString())));
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
    const auto error = Printing::print(*printer, QStringLiteral("Zkouška"), [](Printing::PrintJob &job) {
        drawPages(job, 2);
        job.newPage();
        throw std::runtime_error("Obrázek nelze vykreslit");
    });
    QCOMPARE(error.value_or(QString()), QStringLiteral("Obrázek nelze vykreslit"));
    QCOMPARE(QFile::exists(path), oldFile);
    if (oldFile)
        QCOMPARE(contentOf(path), QByteArray("older job"));
}

void PrintingTest::jobThatCannotStart()
{
    const QString path = m_dir.filePath(QStringLiteral("missing/folder/job.pdf"));
    const Printing::PdfRedirect redirect(path);
    const auto printer = Printing::makePrinter();
    const auto error = Printing::print(*printer, QStringLiteral("Zkouška"),
                                       [](Printing::PrintJob &job) { drawPages(job, 1); });
    QVERIFY(error);
    QVERIFY(!error->isEmpty());
    QVERIFY(!QFile::exists(path));
}

void PrintingTest::noPrinter()
{
    const auto printer = Printing::makePrinter();
    printer->setPrinterName(QString());
    bool drawn = false;
    const auto error = Printing::print(*printer, QStringLiteral("Zkouška"), [&](Printing::PrintJob &) { drawn = true; });
    QCOMPARE(error.value_or(QString()), QStringLiteral("There is no default printer currently selected"));
    QVERIFY(!drawn);
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
    const auto error = Printing::print(*printer, QStringLiteral("Zkouška"), [&](Printing::PrintJob &job) {
        seenWidth = job.pageWidth();
        QCOMPARE(job.resolution(), resolution);
        drawPages(job, 2);
    });
    QVERIFY2(!error, qPrintable(error.value_or(QString())));
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
