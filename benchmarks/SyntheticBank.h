#pragma once

#include "trainer/question-table/QuestionTable.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>

// A made-up bank of `count` questions in `folder`, kept between runs; every
// tenth question is cancelled and the correct answer cycles through a, b, c.
inline QString makeSyntheticBank(const QString &folder, int count)
{
    const QString path = folder + u'/' + QuestionTable::FileName;
    QDir().mkpath(folder);
    QuestionTable table;
    table.setTableName(path);
    if (table.createIfMissing() && table.open() && table.recordCount() == count)
        return path;
    table.close();
    QFile::remove(path);
    Result<> result = table.createIfMissing();
    if (result)
        result = table.open();
    for (int number = 1; result && number <= count; ++number) {
        const QString text = QStringLiteral("Otázka %1: která z uvedených možností odpovídá zákonu o zbraních "
                                            "a střelivu v platném znění?").arg(number);
        result = table.append();
        for (const QString &field : {QuestionTable::Otazka, QuestionTable::Odpoved_a, QuestionTable::Odpoved_b,
                                     QuestionTable::Odpoved_c})
            if (result)
                result = table.setText(field, field + QStringLiteral(" – ") + text);
        if (result)
            result = table.setInteger(QuestionTable::C_Otazky, number);
        if (result)
            result = table.setInteger(QuestionTable::Spravna, number % 3 + 1);
        if (result)
            result = table.setBoolean(QuestionTable::Platnost, number % 10 != 0);
        if (result)
            result = table.post();
    }
    if (!result) {
        std::fprintf(stderr, "%s\n", qPrintable(result.error()));
        std::exit(1);
    }
    return path;
}
