#include "trainer/practice-test/Evaluation.h"

#include <QTest>

namespace {

TestOrder order()
{
    return {3, 17, 99, 122, 8, 123, 45, 121, 125, 130, 140, 150, 157, 126, 127, 128,
            158, 160, 170, 180, 190, 196, 159, 161};
}

} // namespace

class EvaluationTest : public QObject
{
    Q_OBJECT

private slots:
    void passOrFail_data()
    {
        QTest::addColumn<int>("passMark");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("wrongAnswers");
        QTest::newRow("nothing answered") << 43 << 0 << "Nesplněno !!!" << true;
        QTest::newRow("one below") << 43 << 42 << "Nesplněno !!!" << true;
        QTest::newRow("at the mark") << 43 << 43 << "Splněno !!!" << true;
        QTest::newRow("one above") << 43 << 44 << "Splněno !!!" << false;
        QTest::newRow("all points") << 37 << 48 << "Splněno !!!" << false;
    }

    void passOrFail()
    {
        QFETCH(int, passMark);
        QFETCH(int, points);
        QFETCH(QString, result);
        QFETCH(bool, wrongAnswers);
        const Evaluation e = Evaluation::of(u'G', passMark, points, QStringLiteral("10:11:12"), order());
        QCOMPARE(e.result, result);
        QCOMPARE(e.wrongAnswersOffered, wrongAnswers);
        QCOMPARE(e.points, QString::number(points));
        QCOMPARE(e.passMark, QString::number(passMark));
    }

    void numbersJoinedInTestOrder()
    {
        const Evaluation e = Evaluation::of(u'A', 37, 10, QStringLiteral("9:05:00"), order());
        QCOMPARE(e.numbers, QStringLiteral("3,17,99,122,8,123,45,121,125,130,140,150,157,126,127,128,"
                                           "158,160,170,180,190,196,159,161"));
        QCOMPARE(e.numbers.count(u','), 23);
        QCOMPARE(e.group, QStringLiteral("A"));
        QCOMPARE(e.startTime, QStringLiteral("9:05:00"));
    }
};

QTEST_MAIN(EvaluationTest)
#include "EvaluationTest.moc"
