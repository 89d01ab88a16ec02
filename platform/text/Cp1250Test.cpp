#include "platform/text/Cp1250.h"

#include <QTest>
#include <iconv.h>

// glibc's iconv serves as the independent table.
class Cp1250Test : public QObject
{
    Q_OBJECT

private:
    // One conversion direction of glibc's table; a character it cannot
    // convert comes back empty.
    class Iconv
    {
    public:
        Iconv(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
        ~Iconv()
        {
            if (isValid())
                iconv_close(m_cd);
        }
        Iconv(const Iconv &) = delete;
        Iconv &operator=(const Iconv &) = delete;

        bool isValid() const { return m_cd != iconv_t(-1); }

        QByteArray convert(QByteArray in)
        {
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
            char out[8] = {};
            char *inPtr = in.data();
            char *outPtr = out;
            size_t inLeft = size_t(in.size());
            size_t outLeft = sizeof out;
            if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1))
                return {};
            return QByteArray(out, qsizetype(sizeof out - outLeft));
        }

    private:
        iconv_t m_cd;
    };

    static QString iconvDecode(Iconv &toUtf16, unsigned char byte)
    {
        const QByteArray utf16 = toUtf16.convert(QByteArray(1, char(byte)));
        if (utf16.size() != 2)
            return QString(QChar(0xFFFD));
        return QString(QChar(char16_t(uchar(utf16[0]) | uchar(utf16[1]) << 8)));
    }

private slots:
    void everyByteMatchesIconv()
    {
        Iconv toUtf16("UTF-16LE", "CP1250");
        QVERIFY(toUtf16.isValid());
        for (int b = 0; b < 256; ++b) {
            const QByteArray byte(1, static_cast<char>(b));
            QCOMPARE(Cp1250::decode(byte), iconvDecode(toUtf16, static_cast<unsigned char>(b)));
        }
    }

    // The reverse table must not invent or miss a mapping anywhere in the BMP.
    void everyCharacterEncodesAsIconvDoes()
    {
        Iconv toCp1250("CP1250", "UTF-16LE");
        QVERIFY(toCp1250.isValid());
        for (char32_t c = 0; c <= 0xFFFF; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF)
                continue;
            const char utf16[2] = {char(c & 0xFF), char(c >> 8)};
            QByteArray expected = toCp1250.convert(QByteArray(utf16, 2));
            if (expected.isEmpty())
                expected = "?";
            const QByteArray actual = Cp1250::encode(QString(QChar(char16_t(c))));
            if (actual != expected)
                QFAIL(qPrintable(QStringLiteral("U+%1 encodes as %2, iconv gives %3")
                                     .arg(uint(c), 4, 16, QLatin1Char('0'))
                                     .arg(QString::fromLatin1(actual.toHex()),
                                          QString::fromLatin1(expected.toHex()))));
        }
    }

    // Long texts decode in runs; every length and every place of a non-ASCII
    // byte must give what the bytes give one by one.
    void longTextsDecodeAsSingleBytes()
    {
        for (int length = 0; length <= 40; ++length)
            for (int place = 0; place <= length; ++place) {
                QByteArray bytes(length, 'a');
                if (place < length)
                    bytes[place] = char(0x8A + place);
                QString expected;
                for (char byte : bytes)
                    expected += Cp1250::decode(QByteArray(1, byte));
                QCOMPARE(Cp1250::decode(bytes), expected);
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
