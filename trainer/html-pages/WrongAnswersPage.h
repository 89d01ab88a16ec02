#pragma once

#include "platform/result/Result.h"

#include <QChar>
#include <QList>
#include "trainer/html-pages/PageFile.h"

#include <QStringList>

#include <array>

class QuestionSource;

// What the report reads of a finished test. Positions are 1 to 24.
struct FinishedTest
{
    static constexpr int Positions = 24;

    QChar group; // Zvolena_skupina
    int passMark = 0; // Nutne_body
    int points = 0; // Dosazene_body
    std::array<int, Positions> numbers{}; // Rada_otazek
    std::array<int, Positions> answers{}; // Odpovedi, 0 = not answered
    std::array<int, Positions> correct{}; // Spravne

    int numberAt(int position) const { return numbers[std::size_t(position - 1)]; }
    int answerAt(int position) const { return answers[std::size_t(position - 1)]; }
    int correctAt(int position) const { return correct[std::size_t(position - 1)]; }
};

// The wrong-answers report of a test, "Chybovnik.htm".
namespace WrongAnswersPage {

inline const QString FileName = QStringLiteral("Chybovnik.htm");

// The positions whose answer differs from the correct one, in test order: a
// position never answered and an answered cancelled question both match.
QList<int> listedPositions(const FinishedTest &test);

// The questions are looked up by number; one the bank lacks is listed under
// its number with the running test's missing-question text, never with
// another record's texts.
Result<> lines(const FinishedTest &test, QuestionSource &questions, const QString &versionCaption,
               PageText &out);

Result<> write(const FinishedTest &test, QuestionSource &questions, const QString &versionCaption,
               const QString &path);

} // namespace WrongAnswersPage
