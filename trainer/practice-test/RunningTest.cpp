#include "trainer/practice-test/RunningTest.h"

RunningTest::RunningTest(const TestOrder &order) : m_order(order) {}

std::size_t RunningTest::index(int position)
{
    return static_cast<std::size_t>(position - 1);
}

int RunningTest::numberAt(int position) const { return m_order.at(index(position)); }
int RunningTest::answerAt(int position) const { return m_answers.at(index(position)); }
int RunningTest::correctAt(int position) const { return m_correct.at(index(position)); }
int RunningTest::pointsAt(int position) const { return m_points.at(index(position)); }

void RunningTest::confirm(int position, int choice, const std::optional<Question> &question)
{
    const std::size_t i = index(position);
    m_answers.at(i) = choice;
    if (!question) {
        m_correct.at(i) = 0;
        m_points.at(i) = 0;
        return;
    }
    if (!question->valid)
        m_answers.at(i) = question->correct;
    m_correct.at(i) = question->correct;
    m_points.at(i) = question->points;
}

int RunningTest::score() const
{
    int sum = 0;
    for (std::size_t i = 0; i < m_answers.size(); ++i) {
        if (m_answers[i] == m_correct[i])
            sum += m_points[i];
    }
    return sum;
}

bool RunningTest::tick()
{
    if (m_secondsLeft > 0)
        --m_secondsLeft;
    return m_secondsLeft == 0 && !m_evaluated;
}

bool RunningTest::claimEvaluation()
{
    if (m_evaluated)
        return false;
    m_evaluated = true;
    return true;
}

int RunningTest::nextPosition(int position)
{
    return position >= Positions ? 1 : position + 1;
}

QString countDownText(int seconds)
{
    return QString::number(seconds / 60) + u':' + QString::number(seconds % 60);
}

QString pointsLine(int points)
{
    return QStringLiteral("za ") + QString::number(points) + QStringLiteral(" bodů.");
}

QString statusLine(bool valid)
{
    return valid ? QStringLiteral("Platná otázka, odpovídejte")
                 : QStringLiteral("Zrušená otázka, vždy správná odpověd.");
}

QString missingQuestionText(int number)
{
    return QStringLiteral("Otázka č. ") + QString::number(number)
        + QStringLiteral(" v databázi otázek chybí.");
}
