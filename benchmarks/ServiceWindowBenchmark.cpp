// The service window on the 10,000-question bank: from creating the window to
// its grid's first paint, and a scroll from the first row to the last, page
// by page, counting the rows read from the table against the rows shown.

#include "benchmarks/BenchmarkBank.h"
#include "trainer/service/QuestionGridModel.h"
#include "trainer/service/TServisni_okno.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTableView>


namespace {

// Tells when a widget has been painted.
class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void BM_ServiceWindowFirstPaint(benchmark::State &state)
{
    makeBank();
    int rowsRead = 0;
    for (auto _ : state) {
        QuestionTable table;
        table.setTableName(bankPath());
        TServisni_okno window(table);
        PaintWatch watch;
        window.DBGrid1->viewport()->installEventFilter(&watch);
        window.show();
        while (!watch.painted)
            QApplication::processEvents();
        rowsRead = window.model()->rowsRead();
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
    state.counters["rows_read"] = rowsRead;
}

void BM_ServiceWindowScrollToLast(benchmark::State &state)
{
    makeBank();
    QuestionTable table;
    table.setTableName(bankPath());
    TServisni_okno window(table);
    window.show();
    QApplication::processEvents();
    QTableView &grid = *window.DBGrid1;
    QScrollBar &bar = *grid.verticalScrollBar();
    const auto rowsInView = [&grid] {
        const int last = grid.rowAt(grid.viewport()->height() - 1);
        return (last < 0 ? grid.model()->rowCount() - 1 : last) - grid.rowAt(0) + 1;
    };
    int shown = 0;
    int read = 0;
    int pages = 0;
    for (auto _ : state) {
        bar.setValue(0);
        grid.viewport()->repaint();
        const int readBefore = window.model()->rowsRead();
        shown = 0;
        pages = 0;
        do {
            bar.setValue(bar.value() + bar.pageStep());
            grid.viewport()->repaint();
            shown += rowsInView();
            ++pages;
        } while (bar.value() < bar.maximum());
        read = window.model()->rowsRead() - readBefore;
    }
    state.counters["pages"] = pages;
    state.counters["rows_shown"] = shown;
    state.counters["rows_read"] = read;
    if (read > shown)
        state.SkipWithError("the grid read rows it did not show");
}

} // namespace

BENCHMARK(BM_ServiceWindowFirstPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ServiceWindowScrollToLast)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
