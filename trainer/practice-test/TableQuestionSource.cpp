#include "trainer/practice-test/TableQuestionSource.h"

#include "trainer/question-table/QuestionTable.h"

Result<> TableQuestionSource::open()
{
    return m_table.open();
}

Result<std::optional<Question>> TableQuestionSource::find(int number)
{
    if (!m_table.active())
        return std::optional<Question>();
    const Result<bool> found = m_table.locateQuestion(number);
    if (!found)
        return Failure{found.error()};
    if (!*found)
        return std::optional<Question>();
    Question q;
    q.number = m_table.fieldByName(QuestionTable::C_Otazky).asInteger();
    q.text = m_table.fieldByName(QuestionTable::Otazka).asText();
    q.answerA = m_table.fieldByName(QuestionTable::Odpoved_a).asText();
    q.answerB = m_table.fieldByName(QuestionTable::Odpoved_b).asText();
    q.answerC = m_table.fieldByName(QuestionTable::Odpoved_c).asText();
    q.correct = m_table.fieldByName(QuestionTable::Spravna).asInteger();
    q.points = m_table.fieldByName(QuestionTable::Poc_bodu).asInteger();
    q.valid = m_table.fieldByName(QuestionTable::Platnost).asBoolean();
    return std::optional(q);
}
