#include "trainer/practice-test/Evaluation.h"

#include <QStringList>

Evaluation Evaluation::of(QChar group, int passMark, int points, const QString &startTime,
                          const TestOrder &order)
{
    QStringList numbers;
    for (int number : order)
        numbers << QString::number(number);
    Evaluation e;
    e.group = QString(group);
    e.passMark = QString::number(passMark);
    e.points = QString::number(points);
    e.result = points < passMark ? QStringLiteral("Nesplněno !!!") : QStringLiteral("Splněno !!!");
    e.startTime = startTime;
    e.numbers = numbers.join(u',');
    // A pass exactly at the mark still offers the wrong answers.
    e.wrongAnswersOffered = points <= passMark;
    return e;
}
