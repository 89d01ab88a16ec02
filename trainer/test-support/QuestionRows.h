#pragma once

#include "trainer/question-table/QuestionTable.h"

#include <QList>
#include <QStringList>
#include <QTest>

#include <optional>

// Test support: question records written field by field into a test's own
// table. A field left unset stays empty in the record.
struct QuestionRow
{
    std::optional<int> number = {};
    QString text = {};
    std::optional<int> correct = {};
    std::optional<int> points = {};
    std::optional<bool> valid = {};
    QStringList answers = {}; // a, b and c, or none
};

// Appends `rows` in order to the open `table`, posting each.
inline void appendQuestions(QuestionTable &table, const QList<QuestionRow> &rows)
{
    static const QString answerFields[] = {QuestionTable::Odpoved_a, QuestionTable::Odpoved_b,
                                           QuestionTable::Odpoved_c};
    for (const QuestionRow &row : rows) {
        QVERIFY(table.append());
        if (row.number)
            QVERIFY(table.setInteger(QuestionTable::C_Otazky, *row.number));
        QVERIFY(table.setText(QuestionTable::Otazka, row.text));
        for (qsizetype i = 0; i < row.answers.size() && i < 3; ++i)
            QVERIFY(table.setText(answerFields[i], row.answers.at(i)));
        if (row.correct)
            QVERIFY(table.setInteger(QuestionTable::Spravna, *row.correct));
        if (row.points)
            QVERIFY(table.setInteger(QuestionTable::Poc_bodu, *row.points));
        if (row.valid)
            QVERIFY(table.setBoolean(QuestionTable::Platnost, *row.valid));
        QVERIFY(table.post());
    }
}
