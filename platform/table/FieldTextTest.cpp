#include "platform/table/FieldText.h"

#include <QTest>

class FieldTextTest : public QObject
{
    Q_OBJECT

private slots:
    void readsByTheConventions_data()
    {
        QTest::addColumn<char>("type");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("integer");
        QTest::addColumn<bool>("boolean");
        QTest::addColumn<bool>("blank");
        QTest::newRow("number padded") << 'N' << 0 << QByteArray("         42") << "42" << 42 << false << false;
        QTest::newRow("number with zeros") << 'N' << 0 << QByteArray("00000000042") << "42" << 42 << false << false;
        QTest::newRow("negative number") << 'N' << 0 << QByteArray("        -07") << "-7" << -7 << false << false;
        QTest::newRow("empty number") << 'N' << 0 << QByteArray("           ") << "" << 0 << false << true;
        QTest::newRow("number not a number") << 'N' << 0 << QByteArray("     12ab  ") << "12ab" << 0 << false << false;
        QTest::newRow("number too big") << 'N' << 0 << QByteArray("99999999999") << "99999999999" << 0 << false << false;
        QTest::newRow("N(19) past 63 bits") << 'N' << 0 << QByteArray("9999999999999999999") << "9999999999999999999"
                                            << 0 << false << false;
        QTest::newRow("N(20) widest") << 'N' << 0 << QByteArray("99999999999999999999") << "99999999999999999999"
                                      << 0 << false << false;
        QTest::newRow("N(20) most negative") << 'N' << 0 << QByteArray("-9999999999999999999")
                                             << "-9999999999999999999" << 0 << false << false;
        QTest::newRow("2^63 with a zero") << 'N' << 0 << QByteArray("09223372036854775808") << "9223372036854775808"
                                          << 0 << false << false;
        QTest::newRow("decimals") << 'N' << 2 << QByteArray("   3.75") << "3.75" << 3 << false << false;
        QTest::newRow("float") << 'F' << 0 << QByteArray("   -1.5") << "-1.5" << -1 << false << false;
        for (const char *yes : {"T", "t", "Y", "y"})
            QTest::newRow(qPrintable(QStringLiteral("Boolean %1").arg(yes))) << 'L' << 0 << QByteArray(yes) << "True" << 0 << true << false;
        for (const char *no : {"F", "f", "N", "n"})
            QTest::newRow(qPrintable(QStringLiteral("Boolean %1").arg(no))) << 'L' << 0 << QByteArray(no) << "False" << 0 << false << false;
        QTest::newRow("Boolean ?") << 'L' << 0 << QByteArray("?") << "" << 0 << false << true;
        QTest::newRow("Boolean blank") << 'L' << 0 << QByteArray(" ") << "" << 0 << false << true;
        QTest::newRow("text keeps leading blanks") << 'C' << 0 << QByteArray("  ab  ") << "  ab" << 0 << false << false;
        QTest::newRow("text Windows-1250") << 'C' << 0 << QByteArray("\x8a\xe1rka") << QStringLiteral("Šárka") << 0 << false << false;
        QTest::newRow("empty text") << 'C' << 0 << QByteArray("    ") << "" << 0 << false << true;
        QTest::newRow("date") << 'D' << 0 << QByteArray("20020627") << "20020627" << 20020627 << false << false;
    }

    void readsByTheConventions()
    {
        QFETCH(char, type);
        QFETCH(int, decimals);
        QFETCH(QByteArray, raw);
        const FieldDef field{QStringLiteral("F"), FieldType(type), int(raw.size()), decimals};
        QTEST(FieldText::read(field, raw), "text");
        QTEST(int(FieldText::readInteger(field, raw)), "integer");
        QTEST(FieldText::readBoolean(raw), "boolean");
        QTEST(FieldText::isBlank(field, raw), "blank");
    }

    // The find rule's comparison must agree with reading the column as text.
    void matchAgreesWithRead_data()
    {
        QTest::addColumn<char>("type");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("matches");
        QTest::newRow("number") << 'N' << 0 << QByteArray("         42") << "42" << true;
        QTest::newRow("number with zeros") << 'N' << 0 << QByteArray("00000000042") << "42" << true;
        QTest::newRow("text with zeros") << 'N' << 0 << QByteArray("         42") << "042" << false;
        QTest::newRow("text with a blank") << 'N' << 0 << QByteArray("         42") << " 42" << false;
        QTest::newRow("text with a sign") << 'N' << 0 << QByteArray("         42") << "+42" << false;
        QTest::newRow("other number") << 'N' << 0 << QByteArray("        142") << "42" << false;
        QTest::newRow("minus zero") << 'N' << 0 << QByteArray("         -0") << "0" << true;
        QTest::newRow("empty number, empty text") << 'N' << 0 << QByteArray("           ") << "" << true;
        QTest::newRow("empty number, zero") << 'N' << 0 << QByteArray("           ") << "0" << false;
        QTest::newRow("not a number") << 'N' << 0 << QByteArray("     12ab  ") << "12ab" << true;
        QTest::newRow("past 64 bits") << 'N' << 0 << QByteArray("99999999999999999999") << "99999999999999999999" << true;
        QTest::newRow("decimals") << 'N' << 2 << QByteArray("   3.75") << "3.75" << true;
        QTest::newRow("text padded") << 'C' << 0 << QByteArray("\x8a\xe1rka  ") << QStringLiteral("Šárka") << true;
        QTest::newRow("text leading blanks") << 'C' << 0 << QByteArray("  ab  ") << "ab" << false;
        QTest::newRow("text kept blanks") << 'C' << 0 << QByteArray("  ab  ") << "  ab" << true;
        QTest::newRow("text trailing blank") << 'C' << 0 << QByteArray("ab  ") << "ab " << false;
        QTest::newRow("byte without a character") << 'C' << 0 << QByteArray("a\x81") << QStringLiteral("a\uFFFD") << true;
        QTest::newRow("character outside the code page") << 'C' << 0 << QByteArray("a?") << QStringLiteral("a\u0416") << false;
        QTest::newRow("Boolean") << 'L' << 0 << QByteArray("t") << "True" << true;
        QTest::newRow("date") << 'D' << 0 << QByteArray("20020627") << "20020627" << true;
    }

    void matchAgreesWithRead()
    {
        QFETCH(char, type);
        QFETCH(int, decimals);
        QFETCH(QByteArray, raw);
        QFETCH(QString, text);
        const FieldDef field{QStringLiteral("F"), FieldType(type), int(raw.size()), decimals};
        QFETCH(bool, matches);
        QCOMPARE(FieldText::read(field, raw) == text, matches);
        QCOMPARE(FieldText::Match(field, text)(raw), matches);
    }

    void writesNumbersRightJustified_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("integer") << 11 << 0 << "196" << QByteArray("        196");
        QTest::newRow("blank") << 11 << 0 << "" << QByteArray("           ");
        QTest::newRow("smallest") << 11 << 0 << "-2147483648" << QByteArray("-2147483648");
        QTest::newRow("leading zeros dropped") << 5 << 0 << " 007 " << QByteArray("    7");
        QTest::newRow("decimals") << 8 << 2 << "12.5" << QByteArray("   12.50");
        QTest::newRow("too wide") << 3 << 0 << "1000" << QByteArray();
        QTest::newRow("N(19) past 63 bits") << 19 << 0 << "9999999999999999999" << QByteArray("9999999999999999999");
        QTest::newRow("N(20) widest") << 20 << 0 << "99999999999999999999" << QByteArray("99999999999999999999");
        QTest::newRow("N(20) most negative") << 20 << 0 << "-9999999999999999999" << QByteArray("-9999999999999999999");
        QTest::newRow("N(20) one digit too many") << 20 << 0 << "100000000000000000000" << QByteArray();
        QTest::newRow("N(20,2) past a double's digits") << 20 << 2 << "12345678901234567.25"
                                                        << QByteArray("12345678901234567.25");
        QTest::newRow("rounds half away from zero") << 8 << 2 << "1.005" << QByteArray("    1.01");
        QTest::newRow("negative half") << 8 << 2 << "-2.675" << QByteArray("   -2.68");
        QTest::newRow("rounding carries") << 8 << 2 << "9.999" << QByteArray("   10.00");
        QTest::newRow("no minus zero") << 8 << 2 << "-0.001" << QByteArray("    0.00");
        QTest::newRow("fraction only") << 5 << 2 << ".5" << QByteArray(" 0.50");
        QTest::newRow("exponent") << 8 << 2 << "1.5e3" << QByteArray(" 1500.00");
        QTest::newRow("lone point") << 8 << 2 << "." << QByteArray();
        QTest::newRow("fraction in an integer") << 11 << 0 << "1.5" << QByteArray();
        QTest::newRow("hexadecimal") << 11 << 0 << "0x10" << QByteArray();
    }

    void writesNumbersRightJustified()
    {
        QFETCH(int, length);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QFETCH(QByteArray, stored);
        const Result<QByteArray> bytes = FieldText::write(FieldDef{QStringLiteral("CISLO"), FieldType::Numeric, length, decimals}, text);
        QCOMPARE(bytes ? *bytes : QByteArray(), stored);
        QCOMPARE(bytes.ok(), !stored.isEmpty());
    }

    void memoPointers_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<int>("block"); // -1: not a pointer
        QTest::newRow("blank") << QByteArray(10, ' ') << 0;
        QTest::newRow("number") << QByteArray("        12") << 12;
        QTest::newRow("zero padded") << QByteArray("0000000012") << 12;
        QTest::newRow("negative") << QByteArray("        -1") << -1;
        QTest::newRow("garbage") << QByteArray("      1x 2") << -1;
        QTest::newRow("past 32 bits") << QByteArray("9999999999") << -1;
        QTest::newRow("past 64 bits") << QByteArray("99999999999999999999") << -1;
    }

    void memoPointers()
    {
        QFETCH(QByteArray, raw);
        QFETCH(int, block);
        const auto read = FieldText::memoBlock(raw);
        QCOMPARE(read ? int(*read) : -1, block);
    }
};

QTEST_MAIN(FieldTextTest)
#include "FieldTextTest.moc"
