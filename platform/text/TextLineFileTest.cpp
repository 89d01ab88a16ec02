#include "platform/text/TextLineFile.h"

#include "platform/files/TestFiles.h"
#include "platform/messages/PlatformMessages.h"
#include "platform/text/Cp1250.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

class TextLineFileTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString pathOf(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void lineEnds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("lone LF") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("lone CR") << "a\rb\r" << QStringList{"a", "b"};
        QTest::newRow("mixed") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"};
        QTest::newRow("no final end") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("empty lines kept") << "\r\n\r\nx\r\n\r\n" << QStringList{"", "", "x", ""};
        QTest::newRow("LF CR is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::newRow("CR at very end") << "a\r" << QStringList{"a"};
    }
    void lineEnds()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(TextLineFile::splitLines(Cp1250::encode(text)), lines);
    }

    void firstLinesLeaveTheRest_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("length");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fewer than asked") << QByteArray("a\r\nb") << 3 << 9 << QStringList{"a", "b"};
        QTest::newRow("more than asked") << QByteArray("a\r\nb\nc\rd") << 2 << 9 << QStringList{"a", "b"};
        QTest::newRow("CR LF split at the count") << QByteArray("a\r\n") << 1 << 9 << QStringList{"a"};
        QTest::newRow("cut lines") << QByteArray("abcd\r\n\xC8" "esky\r\n") << 5 << 3
                                   << QStringList{"abc", u"Čes"_qs};
        QTest::newRow("a million empty lines after")
            << QByteArray("x\r\n") + QByteArray(2'000'000, '\n') << 78 << 9
            << QStringList{"x"} + QStringList(77);
    }
    void firstLinesLeaveTheRest()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(int, length);
        QFETCH(QStringList, lines);
        QCOMPARE(TextLineFile::firstLines(bytes, count, length), lines);
    }

    void readDecodesWindows1250()
    {
        // "Česky" and "Žluťoučký kůň" in Windows-1250 bytes.
        const QByteArray bytes = "\xC8" "esky\r\n\x8Elu\x9Do" "u\xE8" "k\xFD k\xF9\xF2\r\n";
        TestFiles::put(pathOf("cz.txt"), bytes);
        const auto lines = TextLineFile::read(pathOf("cz.txt"));
        QVERIFY(lines);
        QCOMPARE(*lines, (QStringList{u"Česky"_qs, u"Žluťoučký kůň"_qs}));
    }

    void readFailsOnWhatIsNoFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "nothing.txt";
        QTest::newRow("folder") << "sub";
    }
    void readFailsOnWhatIsNoFile()
    {
        QFETCH(QString, name);
        QDir(m_dir.path()).mkdir(QStringLiteral("sub"));
        QVERIFY(!TextLineFile::read(pathOf(name)));
    }

    void writeEndsLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("terminated");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("every line CR LF") << QStringList{"a", "", "b"} << true << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("last unterminated") << QStringList{"a", "b"} << false << QByteArray("a\r\nb");
        QTest::newRow("no lines") << QStringList() << true << QByteArray();
        QTest::newRow("Czech and outside") << QStringList{u"Řeč €"_qs, u"日本"_qs} << true
                                           << QByteArray("\xD8" "e\xE8 \x80\r\n??\r\n");
    }
    void writeEndsLines()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, terminated);
        QFETCH(QByteArray, bytes);
        const auto last = terminated ? TextLineFile::LastLine::Terminated
                                     : TextLineFile::LastLine::Unterminated;
        QCOMPARE(TextLineFile::encode(lines, last), bytes);
        QVERIFY(TextLineFile::write(pathOf("out.txt"), lines, last));
        QCOMPARE(TestFiles::contentOf(pathOf("out.txt")), bytes);
    }

    void writeThenReadGivesTheLines()
    {
        const QStringList lines{u"Jméno"_qs, "", u"Příloha č. 1"_qs};
        QVERIFY(TextLineFile::write(pathOf("round.txt"), lines));
        const Result<QStringList> read = TextLineFile::read(pathOf("round.txt"));
        QVERIFY2(read, qPrintable(read.error()));
        QCOMPARE(*read, lines);
    }

    // The box that shows a failure names the file and says why.
    void failuresGiveTheFileAndTheSystemsReason()
    {
        const QString missing = pathOf("nothing.txt");
        const Result<QStringList> read = TextLineFile::read(missing);
        QVERIFY(!read);
        QCOMPARE(read.error(), PlatformMessages::cannotRead(missing, QString::fromLocal8Bit(std::strerror(ENOENT))));

        const QString target = pathOf("missing/folder.txt");
        const Result<> written = TextLineFile::write(target, {"x"});
        QVERIFY(!written);
        QVERIFY2(written.error().contains(target), qPrintable(written.error()));
        QVERIFY2(written.error().contains(QString::fromLocal8Bit(std::strerror(ENOENT))), qPrintable(written.error()));
    }

    void writeFailureIsReported()
    {
        const QString target = pathOf("busy");
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("busy")));
        QVERIFY(!TextLineFile::write(target, {"x"}));
        QVERIFY(QFileInfo(target).isDir());
        QVERIFY(!TextLineFile::write(pathOf("missing/folder.txt"), {"x"}));
    }
};

QTEST_MAIN(TextLineFileTest)
#include "TextLineFileTest.moc"
