#pragma once

// The 10,000-question bank that the benchmarks share, made once in the build
// folder and kept, so other readers can be timed on the same files.

#include "trainer/question-table/QuestionTable.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

inline constexpr int kQuestions = 10000;

inline QString bankPath()
{
    return QStringLiteral(TABLE_BENCHMARK_FOLDER "/") + QuestionTable::FileName;
}

inline void fail(const Result<> &result)
{
    std::fprintf(stderr, "%s\n", qPrintable(result.error()));
    std::exit(1);
}

inline void makeBank()
{
    QDir().mkpath(QStringLiteral(TABLE_BENCHMARK_FOLDER));
    QuestionTable table;
    table.setTableName(bankPath());
    if (table.createIfMissing() && table.open() && table.recordCount() == kQuestions)
        return;
    table.close();
    QFile::remove(bankPath());
    if (const Result<> created = table.createIfMissing(); !created)
        fail(created);
    if (const Result<> opened = table.open(); !opened)
        fail(opened);
    for (int number = 1; number <= kQuestions; ++number) {
        const QString text = QStringLiteral("Otázka %1: která z uvedených možností odpovídá zákonu o zbraních "
                                            "a střelivu v platném znění?").arg(number);
        Result<> result = table.append();
        for (const QString &field : {QuestionTable::Otazka, QuestionTable::Odpoved_a, QuestionTable::Odpoved_b,
                                     QuestionTable::Odpoved_c})
            if (result)
                result = table.setText(field, field + QStringLiteral(" – ") + text);
        for (const auto &[field, value] : {std::pair{QuestionTable::C_Otazky, number},
                                           std::pair{QuestionTable::Kategorie, number % 3 + 1},
                                           std::pair{QuestionTable::Spravna, number % 3 + 1},
                                           std::pair{QuestionTable::Poc_bodu, number % 3 + 1}})
            if (result)
                result = table.setInteger(field, value);
        if (result)
            result = table.setBoolean(QuestionTable::Platnost, number % 97 != 0);
        if (result)
            result = table.post();
        if (!result)
            fail(result);
    }
}

