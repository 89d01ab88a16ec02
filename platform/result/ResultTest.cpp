#include "platform/result/Result.h"

#include <QTest>

#include <memory>

class ResultTest : public QObject
{
    Q_OBJECT

private slots:
    void valueOrFailure()
    {
        const Result<int> value = 7;
        QVERIFY(value.ok());
        QCOMPARE(*value, 7);

        const Result<int> failed = Failure{"Soubor nelze otevřít."};
        QVERIFY(!failed);
        QCOMPARE(failed.error(), QString("Soubor nelze otevřít."));
    }

    // A text value and a failure's text stay apart.
    void textValueIsNoFailure()
    {
        const Result<QString> text = QString("Chyba");
        QVERIFY(text.ok());
        QCOMPARE(*text, QString("Chyba"));
    }

    void nothingOrFailure()
    {
        const Result<> done;
        QVERIFY(done.ok());
        const Result<> failed = Failure{"Tisk se nezdařil."};
        QVERIFY(!failed.ok());
        QCOMPARE(failed.error(), QString("Tisk se nezdařil."));
    }

    // A check quotes the message whatever the outcome.
    void successHasNoMessage()
    {
        QCOMPARE(Result<int>(7).error(), QString());
        QCOMPARE(Result<>().error(), QString());
    }

    void movesOutItsValue()
    {
        Result<std::unique_ptr<int>> owned = std::make_unique<int>(3);
        const std::unique_ptr<int> taken = std::move(owned).value();
        QCOMPARE(*taken, 3);
    }
};

QTEST_MAIN(ResultTest)
#include "ResultTest.moc"
