#include "platform/text/LocaleTexts.h"

#include <QTest>

class LocaleTextsTest : public QObject
{
    Q_OBJECT

private slots:
    void timeZoneFieldsAreLeftOut_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("kept");
        QTest::newRow("trailing zone") << "HH:mm:ss t" << "HH:mm:ss";
        QTest::newRow("long zone name") << "H:mm:ss tttt" << "H:mm:ss";
        QTest::newRow("leading zone") << "t HH:mm" << "HH:mm";
        QTest::newRow("quoted t stays") << "H 'at' mm" << "H 'at' mm";
        QTest::newRow("no zone") << "H:mm:ss" << "H:mm:ss";
    }
    void timeZoneFieldsAreLeftOut()
    {
        QFETCH(QString, format);
        QFETCH(QString, kept);
        QCOMPARE(LocaleTexts::withoutTimeZone(format), kept);
    }

    void longTimeShowsSecondsButNoZone()
    {
        const QString text = LocaleTexts::longTime(QTime(10, 45, 54));
        QVERIFY2(text.contains(QStringLiteral("45")) && text.contains(QStringLiteral("54")), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("UTC")), qPrintable(text));
    }
};

QTEST_MAIN(LocaleTextsTest)
#include "LocaleTextsTest.moc"
