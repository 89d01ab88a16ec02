#pragma once

#include "trainer/practice-test/QuestionDraw.h"

#include <QString>

// What the evaluation dialog shows for a finished test.
struct Evaluation
{
    QString group;
    QString passMark;
    QString points;
    QString result;
    QString startTime;
    QString numbers;
    bool wrongAnswersOffered = false;

    static Evaluation of(QChar group, int passMark, int points, const QString &startTime,
                         const TestOrder &order);
};
