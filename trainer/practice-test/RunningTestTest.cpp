#include "trainer/practice-test/RunningTest.h"

#include <QTest>

namespace {

TestOrder order()
{
    TestOrder o{};
    for (int k = 0; k < 24; ++k)
        o[static_cast<std::size_t>(k)] = k + 1;
    return o;
}

Question question(int correct, int points, bool valid = true)
{
    Question q;
    q.correct = correct;
    q.points = points;
    q.valid = valid;
    return q;
}

} // namespace

class RunningTestTest : public QObject
{
    Q_OBJECT

private slots:
    void nothingAnsweredScoresNothing()
    {
        RunningTest run(order());
        QCOMPARE(run.score(), 0);
        QCOMPARE(run.answerAt(24), 0);
    }

    void scoresOnlyCorrectAnswers()
    {
        RunningTest run(order());
        run.confirm(1, 2, question(2, 3));
        run.confirm(2, 1, question(3, 2));
        run.confirm(24, 3, question(3, 1));
        QCOMPARE(run.score(), 4);
        QCOMPARE(run.correctAt(2), 3);
        QCOMPARE(run.pointsAt(2), 2);
    }

    void cancelledQuestionAlwaysScores()
    {
        RunningTest run(order());
        run.confirm(5, 1, question(3, 2, false));
        QCOMPARE(run.answerAt(5), 3);
        QCOMPARE(run.score(), 2);
    }

    void secondAnswerReplacesTheFirst()
    {
        RunningTest run(order());
        run.confirm(7, 1, question(1, 3));
        run.confirm(7, 2, question(1, 3));
        QCOMPARE(run.answerAt(7), 2);
        QCOMPARE(run.score(), 0);
        run.confirm(7, 1, question(1, 3));
        QCOMPARE(run.score(), 3);
    }

    void missingQuestionScoresNothing()
    {
        RunningTest run(order());
        run.confirm(3, 1, question(1, 3));
        run.confirm(3, 1, std::nullopt);
        QCOMPARE(run.answerAt(3), 1);
        QCOMPARE(run.pointsAt(3), 0);
        QCOMPARE(run.score(), 0);
    }

    void positionAfterTheLastIsTheFirst()
    {
        QCOMPARE(RunningTest::nextPosition(1), 2);
        QCOMPARE(RunningTest::nextPosition(23), 24);
        QCOMPARE(RunningTest::nextPosition(24), 1);
    }

    void countDownText_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << 2400 << "40:0";
        QTest::newRow("first tick") << 2399 << "39:59";
        QTest::newRow("unpadded seconds") << 2345 << "39:5";
        QTest::newRow("last minute") << 59 << "0:59";
        QTest::newRow("end") << 0 << "0:0";
    }

    void countDownText()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(::countDownText(seconds), text);
    }

    void timeRunsOutOnceAtZero()
    {
        RunningTest run(order());
        for (int i = 0; i < RunningTest::Duration - 1; ++i)
            QVERIFY(!run.tick());
        QCOMPARE(run.secondsLeft(), 1);
        QVERIFY(run.tick());
        QCOMPARE(run.secondsLeft(), 0);
        QVERIFY(run.claimEvaluation());
        QVERIFY(!run.tick());
        QCOMPARE(run.secondsLeft(), 0);
    }

    void evaluationIsClaimedOnce()
    {
        RunningTest run(order());
        QVERIFY(!run.evaluated());
        QVERIFY(run.claimEvaluation());
        QVERIFY(!run.claimEvaluation());
        QVERIFY(run.evaluated());
    }

    void timeOutAfterEvaluationDoesNotReport()
    {
        RunningTest run(order());
        QVERIFY(run.claimEvaluation());
        for (int i = 0; i < RunningTest::Duration; ++i)
            QVERIFY(!run.tick());
    }

    void questionTexts()
    {
        QCOMPARE(pointsLine(1), QStringLiteral("za 1 bodů."));
        QCOMPARE(pointsLine(3), QStringLiteral("za 3 bodů."));
        QCOMPARE(statusLine(true), QStringLiteral("Platná otázka, odpovídejte"));
        QCOMPARE(statusLine(false), QStringLiteral("Zrušená otázka, vždy správná odpověd."));
        QVERIFY(missingQuestionText(57).contains(QStringLiteral("57")));
    }
};

QTEST_MAIN(RunningTestTest)
#include "RunningTestTest.moc"
