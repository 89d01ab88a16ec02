#pragma once

#include <QString>

// One question record as the running test reads it.
struct Question
{
    int number = 0;
    QString text;
    QString answerA;
    QString answerB;
    QString answerC;
    int correct = 0; // 1 = a, 2 = b, 3 = c
    int points = 0;
    bool valid = false; // false: cancelled, every answer counts as correct
};
