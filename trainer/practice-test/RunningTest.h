#pragma once

#include "trainer/practice-test/Question.h"
#include "trainer/practice-test/QuestionDraw.h"

#include <QString>

#include <array>
#include <optional>

// The state of one practice test while it runs: the answers, the count-down
// and the single evaluation. Positions are 1 to 24.
class RunningTest
{
public:
    static constexpr int Positions = 24;
    static constexpr int Duration = 2400;

    explicit RunningTest(const TestOrder &order);

    const TestOrder &order() const { return m_order; }
    int numberAt(int position) const;
    int answerAt(int position) const;
    int correctAt(int position) const;
    int pointsAt(int position) const;

    // Records the confirmed choice (1 to 3) for the question shown at the
    // position. A cancelled question takes its correct answer; a question the
    // bank lacks scores nothing.
    void confirm(int position, int choice, const std::optional<Question> &question);
    // The sum of the points of the positions answered correctly.
    int score() const;

    int secondsLeft() const { return m_secondsLeft; }
    // One second passes; true exactly when this tick runs the time out of a
    // test not yet evaluated.
    bool tick();

    // True the first time only: a test is evaluated once, whichever way it ends.
    bool claimEvaluation();
    bool evaluated() const { return m_evaluated; }

    // The position after this one; the last wraps to the first.
    static int nextPosition(int position);

private:
    static std::size_t index(int position);

    TestOrder m_order;
    std::array<int, Positions> m_answers{};
    std::array<int, Positions> m_correct{};
    std::array<int, Positions> m_points{};
    int m_secondsLeft = Duration;
    bool m_evaluated = false;
};

// Minutes and seconds, neither padded: 2345 seconds read "39:5".
QString countDownText(int seconds);
// "za 2 bodů." for every number of points.
QString pointsLine(int points);
QString statusLine(bool valid);
// Shown in place of the question text when the bank lacks the number.
QString missingQuestionText(int number);
