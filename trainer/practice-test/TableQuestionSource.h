#pragma once

#include "trainer/practice-test/QuestionSource.h"

class QuestionTable;

// The running test's questions read from the question bank table.
class TableQuestionSource : public QuestionSource
{
public:
    explicit TableQuestionSource(QuestionTable &table) : m_table(table) {}

    Result<> open() override;
    Result<std::optional<Question>> find(int number) override;

private:
    QuestionTable &m_table;
};
