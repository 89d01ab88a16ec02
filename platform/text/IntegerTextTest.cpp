#include "platform/text/IntegerText.h"

#include <QTest>

class IntegerTextTest : public QObject
{
    Q_OBJECT

private slots:
    void accepted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint32>("value");
        QTest::newRow("decimal") << "2003" << 2003;
        QTest::newRow("leading zeros") << "0004" << 4;
        QTest::newRow("leading blanks") << "   17" << 17;
        QTest::newRow("plus") << "+5" << 5;
        QTest::newRow("minus") << "-12" << -12;
        QTest::newRow("blanks then sign") << "  -3" << -3;
        QTest::newRow("largest") << "2147483647" << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << qint32(-2147483647 - 1);
        QTest::newRow("dollar hex") << "$00FF8000" << 0x00FF8000;
        QTest::newRow("lower-case hex") << "$00ff8000" << 0x00FF8000;
        QTest::newRow("x hex") << "x1A" << 26;
        QTest::newRow("X hex") << "X1a" << 26;
        QTest::newRow("0x hex") << "0x10" << 16;
        QTest::newRow("hex wraps to 32 bits") << "$FFFFFFFF" << -1;
        QTest::newRow("system colour pattern") << "$8000000F" << qint32(0x8000000Fu);
        QTest::newRow("hex leading zeros beyond 8 digits") << "$0000000001" << 1;
        QTest::newRow("negative hex") << "-$10" << -16;
        QTest::newRow("zero") << "0" << 0;
    }
    void accepted()
    {
        QFETCH(QString, text);
        QFETCH(qint32, value);
        const Result<qint32> parsed = parseInteger(text);
        QVERIFY(parsed.ok());
        QCOMPARE(*parsed, value);
    }

    void rejected_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("sign only") << "-";
        QTest::newRow("prefix only") << "$";
        QTest::newRow("0x only") << "0x";
        QTest::newRow("trailing blank") << "12 ";
        QTest::newRow("trailing letter") << "2003a";
        QTest::newRow("tab before") << "\t12";
        QTest::newRow("blank after sign") << "- 1";
        QTest::newRow("two signs") << "--1";
        QTest::newRow("decimal overflow") << "2147483648";
        QTest::newRow("negative overflow") << "-2147483649";
        QTest::newRow("hex overflow") << "$100000000";
        QTest::newRow("bad hex digit") << "$12G";
        QTest::newRow("sign after prefix") << "$-1";
        QTest::newRow("colour name") << "clRed";
        QTest::newRow("fraction") << "1.5";
        QTest::newRow("non-ASCII digit") << QString::fromUtf8("\u0661");
        QTest::newRow("embedded null") << QString("12") + QChar(0) + "3";
    }
    void rejected()
    {
        QFETCH(QString, text);
        const Result<qint32> parsed = parseInteger(text);
        QVERIFY(!parsed);
        QCOMPARE(parsed.error(), "'" + text + "' is not a valid integer value");
    }
};

QTEST_MAIN(IntegerTextTest)
#include "IntegerTextTest.moc"
