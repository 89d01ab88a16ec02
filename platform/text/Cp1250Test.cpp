#include "platform/text/Cp1250.h"

#include <QTest>
#include <iconv.h>

// glibc's iconv serves as the independent table.
class Cp1250Test : public QObject
{
    Q_OBJECT

private:
    static QString iconvDecode(unsigned char byte)
    {
        iconv_t cd = iconv_open("UTF-16LE", "CP1250");
        char in[1] = {static_cast<char>(byte)};
        char16_t out[2] = {};
        char *inPtr = in;
        char *outPtr = reinterpret_cast<char *>(out);
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        iconv_close(cd);
        if (rc == size_t(-1))
            return QString(QChar(0xFFFD));
        return QString(QChar(out[0]));
    }

private slots:
    void everyByteMatchesIconv()
    {
        for (int b = 0; b < 256; ++b) {
            const QByteArray byte(1, static_cast<char>(b));
            QCOMPARE(Cp1250::decode(byte), iconvDecode(static_cast<unsigned char>(b)));
        }
    }

    void everyMappedByteRoundTrips()
    {
        for (int b = 0; b < 256; ++b) {
            const QByteArray byte(1, static_cast<char>(b));
            const QString text = Cp1250::decode(byte);
            if (text.at(0) != QChar(0xFFFD))
                QCOMPARE(Cp1250::encode(text), byte);
        }
    }

    void unmappableCharactersBecomeQuestionMarks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("czech") << QStringLiteral("Příliš žluťoučký") << QByteArray("P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD");
        QTest::newRow("cyrillic") << QStringLiteral("Жa") << QByteArray("?a");
        QTest::newRow("replacement char") << QString(QChar(0xFFFD)) << QByteArray("?");
        QTest::newRow("outside BMP counts once") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
    }
    void unmappableCharactersBecomeQuestionMarks()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Cp1250::encode(text), bytes);
    }
};

QTEST_MAIN(Cp1250Test)
#include "Cp1250Test.moc"
