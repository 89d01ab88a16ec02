// The question table at 10,000 records: open, the 24 look-ups of a practice
// test, and a walk that reads every column of every record.

#include "benchmarks/BenchmarkBank.h"

#include <benchmark/benchmark.h>

namespace {

QuestionTable &openBank()
{
    static QuestionTable table;
    if (!table.active()) {
        makeBank();
        table.setTableName(bankPath());
        if (const TableResult opened = table.open(); !opened)
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
        for (int i = 1; i <= 24; ++i)
            benchmark::DoNotOptimize(table.locateQuestion(i * 401));
}

void BM_WalkEveryField(benchmark::State &state)
{
    QuestionTable &table = openBank();
    const QList<FieldDef> fields = table.fields();
    for (auto _ : state) {
        qsizetype characters = 0;
        for (table.first(); !table.eof(); table.next())
            for (const FieldDef &field : fields)
                characters += table.fieldByName(field.name).asText().size();
        benchmark::DoNotOptimize(characters);
    }
}

} // namespace

BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Locate24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkEveryField)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
