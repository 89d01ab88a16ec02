#pragma once

#include "trainer/question-table/QuestionTable.h"

#include <QTest>

// Test support: a question bank of made-up questions. Question n has number
// n * 10, category and correct answer n % 3 + 1, points n % 3 + 1, and texts
// "Otázka n" / "Odpověď a n" ... padded with `padding` characters.
namespace TestBank {

inline QString questionText(int n, int padding = 0)
{
    return QStringLiteral("Otázka %1").arg(n) + QString(padding, u'.');
}

inline QString answerText(char letter, int n)
{
    return QStringLiteral("Odpověď %1 %2").arg(QChar::fromLatin1(letter)).arg(n);
}

inline bool make(const QString &tablePath, int questions, int padding = 0)
{
    QuestionTable table;
    table.setTableName(tablePath);
    if (!table.createIfMissing() || !table.open())
        return false;
    for (int n = 1; n <= questions; ++n) {
        Result<> result = table.append();
        const auto set = [&](const QString &field, const QString &value) {
            if (result)
                result = table.setText(field, value);
        };
        set(QuestionTable::C_Otazky, QString::number(n * 10));
        set(QuestionTable::Kategorie, QString::number(n % 3 + 1));
        set(QuestionTable::Otazka, questionText(n, padding));
        set(QuestionTable::Odpoved_a, answerText('a', n));
        set(QuestionTable::Odpoved_b, answerText('b', n));
        set(QuestionTable::Odpoved_c, answerText('c', n));
        set(QuestionTable::Spravna, QString::number(n % 3 + 1));
        set(QuestionTable::Poc_bodu, QString::number(n % 3 + 1));
        set(QuestionTable::Platnost, QStringLiteral("T"));
        if (!result || !table.post())
            return false;
    }
    return true;
}

} // namespace TestBank
