// Writing the question-list page of a 10,000-question bank, against a short
// python3-dbfread script that writes the same page from the same files. The
// two pages must be byte for byte the same, or the run stops.

#include "SyntheticBank.h"
#include "trainer/html-pages/QuestionListPage.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

namespace {

constexpr int kQuestions = 10000;
const QString Folder = QStringLiteral(LIST_BENCHMARK_FOLDER);
const QString Caption = QStringLiteral("Verze programu: 2002.A");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void BM_QuestionListPage(benchmark::State &state)
{
    QuestionTable table;
    table.setTableName(makeSyntheticBank(Folder, kQuestions));
    const QString page = Folder + QStringLiteral("/Otazky_ZP.htm");
    for (auto _ : state) {
        if (const Result<> written = QuestionListPage::write(table, Caption, page); !written)
            state.SkipWithError(qPrintable(written.error()));
    }
    state.counters["bytes"] = double(QFileInfo(page).size());
}
BENCHMARK(BM_QuestionListPage)->Unit(benchmark::kMillisecond);

// Wall time of the script run; "inside" is the script's own time without the
// interpreter's start.
void BM_PythonDbfreadListPage(benchmark::State &state)
{
    makeSyntheticBank(Folder, kQuestions);
    const QString ours = Folder + QStringLiteral("/Otazky_ZP.htm");
    const QString theirs = Folder + QStringLiteral("/python.htm");
    double inside = 0;
    for (auto _ : state) {
        QProcess script;
        script.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral(LIST_BENCHMARK_SCRIPT), Folder, theirs});
        if (!script.waitForFinished(-1) || script.exitCode() != 0) {
            state.SkipWithError("the python3-dbfread script failed");
            break;
        }
        inside += script.readAllStandardOutput().trimmed().toDouble();
    }
    state.counters["inside_ms"] = inside / double(state.iterations());
    if (readAll(ours) != readAll(theirs))
        state.SkipWithError("the script's page differs from ours");
}
BENCHMARK(BM_PythonDbfreadListPage)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
