// Writes a synthetic question bank for trying the trainer: 196 made-up
// questions, numbered as the draw expects. It is no exam content.

#include "trainer/question-table/QuestionTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

int categoryOf(int number)
{
    return number <= 124 ? 1 : number <= 157 ? 2 : 3;
}

QString categoryName(int category)
{
    static const QStringList names = {QStringLiteral("Právní předpisy"), QStringLiteral("Nauka o zbraních a střelivu"),
                                      QStringLiteral("Zdravotnické minimum")};
    return names[category - 1];
}

bool isCancelled(int number)
{
    return number == 124 || number == 150;
}

Result<> addQuestion(QuestionTable &table, int number)
{
    const int category = categoryOf(number);
    const int correct = number % 3 + 1;
    const QStringList letters = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    Result<> result = table.append();
    const auto set = [&](const QString &field, const QString &value) {
        if (result)
            result = table.setText(field, value);
    };
    set(QuestionTable::C_Otazky, QString::number(number));
    set(QuestionTable::Kategorie, QString::number(category));
    set(QuestionTable::Otazka, QStringLiteral("Ukázková otázka č. %1 z okruhu „%2“. Text je smyšlený, slouží jen "
                                              "k vyzkoušení programu a není zkušební otázkou.")
                                   .arg(number)
                                   .arg(categoryName(category)));
    const QList<QString> answers = {QuestionTable::Odpoved_a, QuestionTable::Odpoved_b, QuestionTable::Odpoved_c};
    for (int i = 0; i < 3; ++i)
        set(answers[i], QStringLiteral("Ukázková odpověď %1 k otázce %2%3.")
                            .arg(letters[i])
                            .arg(number)
                            .arg(i + 1 == correct ? QStringLiteral(" (správná)") : QString()));
    set(QuestionTable::Spravna, QString::number(correct));
    set(QuestionTable::Poc_bodu, QString::number(category == 1 ? 2 : category == 2 ? 1 : 3));
    if (result)
        result = table.setBoolean(QuestionTable::Platnost, !isCancelled(number));
    return result ? table.post() : result;
}

Result<> writeBank(const QString &folder)
{
    QuestionTable table;
    const QString path = QDir(folder).filePath(QuestionTable::FileName);
    QFile::remove(path);
    table.setTableName(path);
    Result<> result = table.createIfMissing();
    if (result)
        result = table.open();
    for (int number = 1; result && number <= 196; ++number)
        result = addQuestion(table, number);
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: demo-bank <program folder>\n");
        return 2;
    }
    QDir().mkpath(arguments[1]);
    const Result<> written = writeBank(arguments[1]);
    if (!written) {
        std::fprintf(stderr, "%s\n", qPrintable(written.error()));
        return 1;
    }
    return 0;
}
