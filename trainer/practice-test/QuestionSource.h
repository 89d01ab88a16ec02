#pragma once

#include "platform/result/Result.h"
#include "trainer/practice-test/Question.h"

#include <optional>

// Where the running test finds its questions by number.
class QuestionSource
{
public:
    virtual ~QuestionSource() = default;
    // Makes the questions readable; opening an open source does nothing.
    virtual Result<> open() = 0;
    // The first question with this number, or nothing when the bank lacks it.
    virtual Result<std::optional<Question>> find(int number) = 0;
};
