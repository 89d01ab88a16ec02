// Backup and restore of the 10,000-question bank (about 20 MB), beside a
// plain `cp` of the same two files.

#include "benchmarks/BenchmarkBank.h"
#include "platform/table/DbfTable.h"
#include "trainer/backup/BankBackup.h"

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QString backupFolder()
{
    const QString folder = QStringLiteral(TABLE_BENCHMARK_FOLDER "/ZALOHA");
    QDir().mkpath(folder);
    return folder;
}

void BM_PlainCopy(benchmark::State &state)
{
    makeBank();
    const QString command = QStringLiteral("cp '%1' '%2' '%3/'")
                                .arg(bankPath(), DbfTable::memoPathFor(bankPath()), backupFolder());
    for (auto _ : state)
        if (std::system(qPrintable(command)) != 0)
            state.SkipWithError("cp failed");
    state.counters["bytes"] = double(QFileInfo(bankPath()).size() + QFileInfo(DbfTable::memoPathFor(bankPath())).size());
}

// The same with the copies flushed to the disk, as a backup is.
void BM_PlainCopyAndSync(benchmark::State &state)
{
    makeBank();
    const QString command = QStringLiteral("cp '%1' '%2' '%3/' && sync '%3/central.vqn' '%3/central.vqt'")
                                .arg(bankPath(), DbfTable::memoPathFor(bankPath()), backupFolder());
    for (auto _ : state)
        if (std::system(qPrintable(command)) != 0)
            state.SkipWithError("cp failed");
}

void BM_Backup(benchmark::State &state)
{
    makeBank();
    for (auto _ : state)
        if (const Result<> done = BankBackup::backup(bankPath(), backupFolder(), QDateTime::currentDateTime()); !done)
            state.SkipWithError(qPrintable(done.error()));
}

void BM_Restore(benchmark::State &state)
{
    makeBank();
    if (!BankBackup::backup(bankPath(), backupFolder(), QDateTime::currentDateTime()))
        state.SkipWithError("no backup");
    QTemporaryDir program(QStringLiteral(TABLE_BENCHMARK_FOLDER "/restore-XXXXXX"));
    QuestionTable table;
    table.setTableName(program.filePath(QuestionTable::FileName));
    for (auto _ : state)
        if (const Result<> done = BankBackup::restore(backupFolder(), table); !done)
            state.SkipWithError(qPrintable(done.error()));
}

} // namespace

BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCopyAndSync)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Restore)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
