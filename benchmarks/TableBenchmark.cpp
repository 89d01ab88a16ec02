// The question table at 10,000 records: open, the 24 look-ups of a practice
// test, a walk that reads every column of every record, and one post.

#include "benchmarks/BenchmarkBank.h"

#include <benchmark/benchmark.h>

namespace {

QuestionTable &openBank()
{
    static QuestionTable table;
    if (!table.active()) {
        makeBank();
        table.setTableName(bankPath());
        if (const Result<> opened = table.open(); !opened)
            fail(opened);
    }
    return table;
}

void BM_Open(benchmark::State &state)
{
    makeBank();
    for (auto _ : state) {
        QuestionTable table;
        table.setTableName(bankPath());
        benchmark::DoNotOptimize(table.open());
    }
}

void BM_Locate24(benchmark::State &state)
{
    QuestionTable &table = openBank();
    for (auto _ : state)
        for (int i = 1; i <= 24; ++i) {
            const Result<bool> found = table.locateQuestion(i * 401);
            if (!found)
                fail(Failure{found.error()});
            benchmark::DoNotOptimize(*found);
        }
}

void BM_WalkEveryField(benchmark::State &state)
{
    QuestionTable &table = openBank();
    const QList<FieldDef> fields = table.fields();
    for (auto _ : state) {
        qsizetype characters = 0;
        for (Result<> moved = table.first(); moved && !table.eof(); moved = table.next())
            for (const FieldDef &field : fields)
                characters += table.fieldByName(field.name).asText().size();
        benchmark::DoNotOptimize(characters);
    }
}

// One post as the service window makes it: the lock, the check for records
// that other programs added, the record and the header.
void BM_EditAndPost(benchmark::State &state)
{
    QuestionTable &table = openBank();
    const Result<bool> found = table.locateQuestion(kQuestions / 2);
    if (!found)
        fail(Failure{found.error()});
    if (!*found)
        fail(Failure{QStringLiteral("The bank has no question %1.").arg(kQuestions / 2)});
    int points = 1;
    for (auto _ : state) {
        Result<> result = table.edit();
        if (result)
            result = table.setInteger(QuestionTable::Poc_bodu, points++ % 3 + 1);
        if (result)
            result = table.post();
        if (!result)
            fail(result);
    }
}

} // namespace

BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Locate24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkEveryField)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditAndPost)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
