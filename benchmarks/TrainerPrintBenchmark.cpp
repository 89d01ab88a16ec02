// The trainer's printouts, from the print command until the job is handed
// over: the question list of the demo bank and of a 10,000-question bank
// beside the engine's own PDF of the same page (printToPdf alone), and a
// 40-page law text beside the size of its file. Jobs go to a PDF file (the
// bytes a queue gets) and, where a default CUPS printer exists, to its queue.
// The engine lays the large bank's list out in many minutes, so for it the
// part that printing adds to printToPdf (header and footer laid over, job
// handed over) is timed on the engine's PDF, in place of whole printouts.
//   TrainerPrintBenchmark   (run with a display, or offscreen)

#include "SyntheticBank.h"
#include "platform/printing/Printing.h"
#include "platform/ui/MessageBox.h"
#include "trainer-components/pdf-viewer/TPdf.h"
#include "trainer-components/web-host/EngineEnvironment.h"
#include "trainer-components/web-host/PagePrinter.h"
#include "trainer-components/web-host/TWebHost.h"
#include "trainer/html-pages/QuestionListPage.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QWebEnginePage>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>

namespace {

QTemporaryDir *g_work = nullptr;

struct ListPage
{
    std::unique_ptr<TWebHost> host;
    QByteArray enginePdf; // the engine's last PDF of the page
    int pages = 0;
};

std::map<int, ListPage> g_lists; // by bank: 0 the demo bank, else its size
QString g_lawText;

void fail(const char *what)
{
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
}

ListPage listPage(int bank)
{
    QuestionTable table;
    table.setTableName(bank == 0 ? QStringLiteral(DEMO_PROGRAM_FOLDER "/central.vqn")
                                 : makeSyntheticBank(g_work->filePath(QStringLiteral("bank%1").arg(bank)), bank));
    const QString page = g_work->filePath(QStringLiteral("list%1/").arg(bank) + QuestionListPage::FileName);
    QDir().mkpath(QFileInfo(page).path());
    if (!QuestionListPage::write(table, QStringLiteral("Verze programu: 2002.A"), page))
        fail("the list page cannot be written");
    ListPage list;
    list.host = std::make_unique<TWebHost>(nullptr);
    list.host->PrintOptions.Header = QStringLiteral("&w&bStránka č. &p z &P");
    list.host->PrintOptions.Footer = QStringLiteral("&u&b&d");
    list.host->resize(1000, 700);
    list.host->show();
    QEventLoop loop;
    bool loaded = false;
    QObject::connect(list.host.get(), &TWebHost::pageLoaded, &loop, [&](bool ok) {
        loaded = ok;
        loop.quit();
    });
    list.host->Navigate(page);
    loop.exec();
    if (!loaded)
        fail("the engine did not show the list page");
    return list;
}

int pageCount(const QByteArray &pdf)
{
    QBuffer buffer;
    buffer.setData(pdf);
    buffer.open(QIODevice::ReadOnly);
    QPdfDocument document;
    document.load(&buffer);
    return document.pageCount();
}

// 40 pages of law text: headed paragraphs, 50 lines a page.
QString writeLawText()
{
    const QString path = g_work->filePath(QStringLiteral("Zakon119.pdf"));
    QPdfWriter writer(path);
    writer.setResolution(300);
    QPainter painter(&writer);
    painter.setFont(QFont(QStringLiteral("Liberation Serif"), 10));
    const int line = writer.height() / 50;
    for (int page = 0; page < 40; ++page) {
        if (page > 0)
            writer.newPage();
        for (int row = 0; row < 50; ++row) {
            const int paragraph = page * 50 + row;
            const QString text = row % 10 == 0
                ? QStringLiteral("§ %1 Nabývání vlastnictví zbraní a střeliva").arg(paragraph / 10 + 1)
                : QStringLiteral("(%1) Držitel zbrojního průkazu je povinen zbraň a střelivo uschovat tak, aby "
                                 "nedošlo k jejich zneužití, ztrátě nebo odcizení.").arg(row % 10);
            painter.drawText(QRect(0, row * line, writer.width(), line), Qt::AlignLeft | Qt::AlignVCenter, text);
        }
    }
    return path;
}

void listCounters(benchmark::State &state, const ListPage &list, qint64 jobBytes)
{
    state.counters["pages"] = list.pages;
    state.counters["KB_per_page"] = double(jobBytes) / list.pages / 1024;
    state.counters["bytes_vs_engine"] = double(jobBytes) / double(list.enginePdf.size());
}

bool hasQueue(benchmark::State &state)
{
    if (QPrinterInfo::defaultPrinterName().isEmpty()) {
        state.SkipWithError("no default CUPS printer");
        return false;
    }
    return true;
}

void BM_ListEnginePdfAlone(benchmark::State &state)
{
    ListPage &list = g_lists.at(int(state.range(0)));
    for (auto _ : state)
        list.enginePdf = list.host->PageLayoutPdf();
    list.pages = pageCount(list.enginePdf);
    if (list.pages == 0)
        state.SkipWithError("the engine did not lay the page out");
    listCounters(state, list, list.enginePdf.size());
}

// Times `printOnce`, its job going to a file or to the queue.
void listPrintouts(benchmark::State &state, bool toQueue, bool (*printOnce)(const ListPage &list))
{
    const ListPage &list = g_lists.at(int(state.range(0)));
    const QString pdf = g_work->filePath(QStringLiteral("printed-list.pdf"));
    std::optional<Printing::PdfRedirect> redirect;
    if (!toQueue)
        redirect.emplace(pdf);
    for (auto _ : state) {
        if (!printOnce(list))
            state.SkipWithError("printing failed");
    }
    if (toQueue)
        state.counters["pages"] = list.pages;
    else
        listCounters(state, list, QFile(pdf).size());
}

bool printDocument(const ListPage &list)
{
    return list.host->PrintDocument().ok();
}

// What PrintDocument adds to printToPdf.
bool layOverAndHandOver(const ListPage &list)
{
    PagePrinter::Job job;
    job.pdf = list.enginePdf;
    job.header = list.host->PrintOptions.Header;
    job.footer = list.host->PrintOptions.Footer;
    job.facts = {list.host->page()->title(), list.host->page()->url().toLocalFile(), QStringLiteral("10.12.2026")};
    return bool(PagePrinter::print(job));
}

void BM_ListPrintedToFile(benchmark::State &state)
{
    listPrintouts(state, false, printDocument);
}

void BM_ListPrintedToQueue(benchmark::State &state)
{
    if (hasQueue(state))
        listPrintouts(state, true, printDocument);
}

void BM_ListLaidOverToFile(benchmark::State &state)
{
    listPrintouts(state, false, layOverAndHandOver);
}

void BM_ListLaidOverToQueue(benchmark::State &state)
{
    if (hasQueue(state))
        listPrintouts(state, true, layOverAndHandOver);
}

void lawTextPrinted(benchmark::State &state, bool toQueue)
{
    TPdf viewer;
    viewer.LoadFile(g_lawText);
    const QString pdf = g_work->filePath(QStringLiteral("printed-law.pdf"));
    std::optional<Printing::PdfRedirect> redirect;
    if (!toQueue)
        redirect.emplace(pdf);
    MessageBox::Script boxes; // a failure's box
    for (auto _ : state)
        viewer.printAll(QStringLiteral("Zákon 119/2002 Sb."));
    if (!boxes.requests().empty())
        state.SkipWithError("printing failed");
    state.counters["pages"] = viewer.document()->pageCount();
    state.counters["file_KB"] = double(QFile(g_lawText).size()) / 1024;
    if (!toQueue)
        state.counters["bytes_vs_file"] = double(QFile(pdf).size()) / double(QFile(g_lawText).size());
}

void BM_LawTextPrintedToFile(benchmark::State &state)
{
    lawTextPrinted(state, false);
}

void BM_LawTextPrintedToQueue(benchmark::State &state)
{
    if (hasQueue(state))
        lawTextPrinted(state, true);
}

} // namespace

// The demo bank is argument 0. Each bank's engine PDF is made first; the
// later ones use it.
BENCHMARK(BM_ListEnginePdfAlone)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ListPrintedToFile)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ListPrintedToQueue)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_ListLaidOverToFile)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ListEnginePdfAlone)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_ListLaidOverToFile)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ListLaidOverToQueue)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_LawTextPrintedToFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LawTextPrintedToQueue)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

int main(int argc, char *argv[])
{
    EngineEnvironment::prepare();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir work;
    g_work = &work;
    g_lists.emplace(0, listPage(0));
    g_lists.emplace(10000, listPage(10000));
    g_lawText = writeLawText();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_lists.clear();
    return 0;
}
