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

    // Qt's patterns of several locales carry a two-digit year; a backup
    // dated "26" is ambiguous, so the year always has four digits.
    void shortDateHasAFourDigitYear_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("cs_CZ") << "cs_CZ" << "dd.MM.yyyy" << "10.12.2026";
        QTest::newRow("C") << "C" << "d MMM yyyy" << "10 Dec 2026";
        QTest::newRow("en_US") << "en_US" << "M/d/yyyy" << "12/10/2026";
        QTest::newRow("ko_KR") << "ko_KR" << "yyyy. M. d." << "2026. 12. 10.";
        QTest::newRow("ja_JP, four digits already") << "ja_JP" << "yyyy/MM/dd" << "2026/12/10";
    }
    void shortDateHasAFourDigitYear()
    {
        QFETCH(QString, locale);
        QFETCH(QString, format);
        QFETCH(QString, text);
        const QLocale chosen(locale);
        QCOMPARE(LocaleTexts::shortDateFormat(chosen), format);
        QCOMPARE(chosen.toString(QDate(2026, 12, 10), LocaleTexts::shortDateFormat(chosen)), text);
    }

    void yearIsWidenedOutsideQuotesOnly_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("widened");
        QTest::newRow("two digits") << "dd.MM.yy" << "dd.MM.yyyy";
        QTest::newRow("three letters") << "yyy-MM" << "yyyy-MM";
        QTest::newRow("quoted yy stays") << "'yy' dd.MM.yy" << "'yy' dd.MM.yyyy";
        QTest::newRow("quote within quotes") << "'it''s yy' yy" << "'it''s yy' yyyy";
        QTest::newRow("lone y is a letter") << "d y M" << "d y M";
    }
    void yearIsWidenedOutsideQuotesOnly()
    {
        QFETCH(QString, format);
        QFETCH(QString, widened);
        QCOMPARE(LocaleTexts::withFourDigitYear(format), widened);
    }

    // The test runs again under LC_ALL=cs_CZ.UTF-8 and LC_ALL=C; Qt takes
    // the system locale from the environment, installed or not.
    void systemShortDateHasAFourDigitYear()
    {
        const QString text = LocaleTexts::shortDate(QDate(2026, 12, 10));
        QVERIFY2(text.contains(QStringLiteral("2026")), qPrintable(text));
        if (qEnvironmentVariable("LC_ALL") == QStringLiteral("cs_CZ.UTF-8"))
            QCOMPARE(text, QStringLiteral("10.12.2026"));
        if (qEnvironmentVariable("LC_ALL") == QStringLiteral("C"))
            QCOMPARE(text, QStringLiteral("10 Dec 2026"));
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
