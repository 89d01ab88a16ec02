// The browser side of the question list: printing the demo bank's list to a
// PDF file (time and pages), and the largest synthetic bank whose list page
// the engine still shows.
//   BrowserPageBenchmark   (run with a display, or offscreen)

#include "SyntheticBank.h"
#include "platform/printing/Printing.h"
#include "platform/ui/MessageBox.h"
#include "trainer-components/web-host/EngineEnvironment.h"
#include "trainer-components/web-host/TWebHost.h"
#include "trainer/html-pages/QuestionListPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const QString Caption = QStringLiteral("Verze programu: 2002.A");

// Milliseconds until the page has loaded, or -1 when the renderer ended.
double show(TWebHost &host, const QString &page)
{
    QEventLoop loop;
    bool ok = false;
    QObject::connect(&host, &TWebHost::pageLoaded, &loop, [&](bool loaded) {
        ok = loaded;
        loop.quit();
    });
    QObject::connect(&host, &TWebHost::renderProcessEnded, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    host.Navigate(page);
    loop.exec();
    return ok && !host.pageFailed() ? double(clock.elapsed()) : -1;
}

int pdfPages(const QString &path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    for (const QByteArray &line : info.readAllStandardOutput().split('\n')) {
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

void printDemoList(const QString &work)
{
    QuestionTable demo;
    demo.setTableName(QStringLiteral(DEMO_PROGRAM_FOLDER "/central.vqn"));
    const QString page = work + QStringLiteral("/Otazky_ZP.htm");
    if (const Result<> written = QuestionListPage::write(demo, Caption, page); !written) {
        std::printf("the demo bank's list cannot be written: %s\n", qPrintable(written.error()));
        return;
    }
    TWebHost host(nullptr);
    host.PrintOptions.Header = QStringLiteral("&w&bStránka č. &p z &P");
    host.PrintOptions.Footer = QStringLiteral("&u&b&d");
    host.resize(1000, 700);
    host.show();
    show(host, page);
    const QString pdf = work + QStringLiteral("/list.pdf");
    const Printing::PdfRedirect redirect(pdf);
    QElapsedTimer clock;
    clock.start();
    const Result<> printed = host.PrintDocument();
    const qint64 ms = clock.elapsed();
    std::printf("printing the demo bank's list to PDF: %lld ms, %d pages%s%s\n", static_cast<long long>(ms),
                pdfPages(pdf), printed ? "" : ", failed: ", qPrintable(printed.error()));
}

void largestBankShown(const QString &work)
{
    MessageBox::Script boxes; // the renderer's end is reported in a box
    for (int count : {200, 500, 1000, 2000, 5000, 10000}) {
        QuestionTable table;
        table.setTableName(makeSyntheticBank(work + QStringLiteral("/bank%1").arg(count), count));
        const QString page = work + QStringLiteral("/list%1.htm").arg(count);
        if (const Result<> written = QuestionListPage::write(table, Caption, page); !written) {
            std::printf("list page of %d questions cannot be written: %s\n", count, qPrintable(written.error()));
            continue;
        }
        TWebHost host(nullptr);
        host.resize(1000, 700);
        host.show();
        const double ms = show(host, page);
        if (ms < 0)
            std::printf("list page of %d questions: the renderer ended\n", count);
        else
            std::printf("list page of %d questions: shown in %.0f ms\n", count, ms);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    EngineEnvironment::prepare();
    QApplication app(argc, argv);
    QTemporaryDir work;
    printDemoList(work.path());
    largestBankShown(work.path());
    return 0;
}
