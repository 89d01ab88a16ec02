#pragma once

#include "trainer/practice-test/QuestionDraw.h"

#include <QChar>

// What the test-start dialog hands to the running test: the chosen licence
// group, its pass mark and the drawn numbers.
struct TestSetup
{
    QChar group; // Zvolena_skupina
    int passMark = 0; // Nutne_body
    DrawnRanges ranges; // Rada_1, Rada_2, Rada_3
};
