#include "platform/files/SafeFile.h"
#include "platform/files/TestFiles.h"
#include "trainer/question-table/QuestionTable.h"
#include "trainer/test-support/QuestionRows.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

class QuestionTableTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QuestionTable m_table;

    // Questions with numbers in this order; the one numbered 0 is added
    // without a number and without Platnost.
    void fill(const QList<int> &numbers)
    {
        QList<QuestionRow> rows;
        for (int number : numbers) {
            QuestionRow row{.text = QStringLiteral("Otázka %1").arg(number)};
            if (number != 0) {
                row.number = number;
                row.valid = true;
            }
            rows << row;
        }
        QVERIFY(m_table.open());
        appendQuestions(m_table, rows);
        m_table.close();
    }

    QStringList filesInFolder() const { return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_table.setTableName(m_dir->filePath(QuestionTable::FileName));
        QVERIFY(m_table.createIfMissing());
    }

    void createsBothFilesWithTheQuestionRecord()
    {
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList({"central.vqn", "central.vqt"}));
        QVERIFY(!m_table.active());
        QVERIFY(m_table.open());
        QCOMPARE(m_table.recordCount(), 0);
        QVERIFY(m_table.eof());
        QStringList layout;
        for (const FieldDef &field : m_table.fields())
            layout << QStringLiteral("%1 %2 %3.%4").arg(field.name, QChar(char(field.type))).arg(field.length).arg(field.decimals);
        QCOMPARE(layout, QStringList({"C_Otazky N 11.0", "Kategorie N 11.0", "Otazka M 10.0", "Odpoved_a M 10.0",
                                      "Odpoved_b M 10.0", "Odpoved_c M 10.0", "Spravna N 11.0", "Poc_bodu N 11.0",
                                      "Platnost L 1.0"}));
    }

    void findsAnExistingTableIgnoringCase()
    {
        fill({3});
        QVERIFY(QFile::rename(m_dir->filePath(QuestionTable::FileName), m_dir->filePath(QStringLiteral("CENTRAL.VQN"))));
        QVERIFY(QFile::rename(m_dir->filePath(QStringLiteral("central.vqt")), m_dir->filePath(QStringLiteral("Central.vqt"))));
        QVERIFY(m_table.createIfMissing());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList({"CENTRAL.VQN", "Central.vqt"}));
        QVERIFY(m_table.open());
        QCOMPARE(m_table.recordCount(), 1);
    }

    void leavesAnExistingFileAsItIs()
    {
        const QString path = m_dir->filePath(QuestionTable::FileName);
        TestFiles::put(path, "not a table");

        QVERIFY(m_table.createIfMissing());
        QCOMPARE(TestFiles::contentOf(path), QByteArray("not a table"));
        const Result<> opened = m_table.open();
        QVERIFY(!opened);
        QVERIFY2(opened.error().contains(QStringLiteral("central.vqn")), qPrintable(opened.error()));
        QVERIFY(!m_table.active());
    }

    void openAndCloseTwiceDoNothing()
    {
        fill({5, 6, 7});
        m_table.close();
        QVERIFY(!m_table.active());
        QVERIFY(m_table.open());
        QCOMPARE(m_table.recordNumber(), 1);
        QVERIFY(*m_table.locateQuestion(7));
        QVERIFY(m_table.open());
        QCOMPARE(m_table.recordNumber(), 3);
        m_table.close();
        QVERIFY(m_table.open());
        QCOMPARE(m_table.recordNumber(), 1);
    }

    void findRule_data()
    {
        QTest::addColumn<int>("startAt");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("expectedRecord");
        QTest::addColumn<bool>("found");
        QTest::newRow("present") << 1 << 196 << 3 << true;
        QTest::newRow("present before the current") << 4 << 12 << 2 << true;
        QTest::newRow("absent keeps the current") << 2 << 100 << 2 << false;
        QTest::newRow("first of two equal numbers") << 4 << 5 << 1 << true;
        QTest::newRow("zero is not an empty number") << 3 << 0 << 3 << false;
    }

    void findRule()
    {
        QFETCH(int, startAt);
        QFETCH(int, number);
        QFETCH(int, expectedRecord);
        QFETCH(bool, found);
        fill({5, 12, 196, 5, 0});
        QVERIFY(m_table.open());
        QVERIFY(*m_table.moveTo(startAt));
        QCOMPARE(*m_table.locateQuestion(number), found);
        QCOMPARE(m_table.recordNumber(), expectedRecord);
        QCOMPARE(*m_table.locateQuestion(number), found);
        QCOMPARE(m_table.recordNumber(), expectedRecord);
    }

    void unsetFieldsReadEmpty()
    {
        fill({0});
        QVERIFY(m_table.open());
        QCOMPARE(m_table.fieldByName(QuestionTable::C_Otazky).asText(), QString());
        QCOMPARE(m_table.fieldByName(QuestionTable::C_Otazky).asInteger(), 0);
        QVERIFY(!m_table.fieldByName(QuestionTable::Platnost).asBoolean());
        QCOMPARE(m_table.fieldByName(QuestionTable::Odpoved_a).asText(), QString());
        QCOMPARE(m_table.fieldByName(QStringLiteral("platnost")).asText(), QString());
        QVERIFY(!m_table.setText(QStringLiteral("Neni"), QStringLiteral("x")));
    }

    void editsTheCurrentRecordInPlace()
    {
        fill({1, 2});
        QVERIFY(m_table.open());
        QVERIFY(*m_table.locateQuestion(2));
        QVERIFY(m_table.edit());
        QVERIFY(m_table.setText(QuestionTable::Odpoved_b, QStringLiteral("Ano, ověřeno")));
        QVERIFY(m_table.setInteger(QuestionTable::Poc_bodu, 3));
        QVERIFY(m_table.post());
        m_table.close();
        QVERIFY(m_table.open());
        QCOMPARE(m_table.recordCount(), 2);
        QVERIFY(*m_table.locateQuestion(2));
        QCOMPARE(m_table.recordNumber(), 2);
        QCOMPARE(m_table.fieldByName(QuestionTable::Odpoved_b).asText(), QStringLiteral("Ano, ověřeno"));
        QCOMPARE(m_table.fieldByName(QuestionTable::Poc_bodu).asInteger(), 3);
    }

    void relativeNameIsTakenFromTheCurrentFolder()
    {
        QVERIFY(QFile::remove(m_dir->filePath(QuestionTable::FileName)));
        QVERIFY(QFile::remove(m_dir->filePath(QStringLiteral("central.vqt"))));
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        m_table.setTableName(QuestionTable::FileName);
        const Result<> created = m_table.createIfMissing();
        QDir::setCurrent(saved);
        QVERIFY2(created, qPrintable(created.error()));
        QCOMPARE(filesInFolder(), QStringList({"central.vqn", "central.vqt"}));
    }

    void createStoppedBetweenItsRenamesIsMended()
    {
        for (const QString &name : filesInFolder())
            QVERIFY(QFile::remove(m_dir->filePath(name)));
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            const SafeFile::BetweenPairRenames stop([] { ::raise(SIGKILL); });
            (void)m_table.createIfMissing();
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QVERIFY(!QFile::exists(m_dir->filePath(QuestionTable::FileName)));

        const Result<> created = m_table.createIfMissing();
        QVERIFY2(created, qPrintable(created.error()));
        QCOMPARE(filesInFolder(), QStringList({"central.vqn", "central.vqt"}));
        const Result<> opened = m_table.open();
        QVERIFY2(opened, qPrintable(opened.error()));
        QCOMPARE(m_table.recordCount(), 0);
    }

    // Older versions created the table first, so it may stand without its
    // memo file; and stopped replaces leave their temporary files.
    void startUpMendsWhatAnInterruptedCreateLeft_data()
    {
        QTest::addColumn<QList<int>>("questions");
        QTest::newRow("empty table") << QList<int>();
        QTest::newRow("table with a question") << QList<int>{1};
    }

    void startUpMendsWhatAnInterruptedCreateLeft()
    {
        QFETCH(QList<int>, questions);
        fill(questions);
        QVERIFY(QFile::remove(m_dir->filePath(QStringLiteral("central.vqt"))));
        const QByteArray table = TestFiles::contentOf(m_dir->filePath(QuestionTable::FileName));
        for (const QString &name : {TestFiles::ownCopy("central.vqn", "new", "Ab12Cd"),
                                    TestFiles::ownCopy("central.vqt", "new", "x9Y8z7"),
                                    TestFiles::ownCopy("central.vqt", "old", "QwErTy")})
            TestFiles::put(m_dir->filePath(name), "leftover");
        for (const char *name : {"central.vqn.backup", "central.vqn.new-1"})
            TestFiles::put(m_dir->filePath(QString::fromLatin1(name)), "kept");

        QVERIFY(m_table.createIfMissing());
        QCOMPARE(TestFiles::contentOf(m_dir->filePath(QuestionTable::FileName)), table);
        const QStringList kept = {"central.vqn", "central.vqn.backup", "central.vqn.new-1"};
        if (questions.isEmpty()) {
            QCOMPARE(filesInFolder(), kept + QStringList{"central.vqt"});
            QVERIFY(m_table.open());
            QCOMPARE(m_table.recordCount(), 0);
        } else {
            // Its memo texts are gone: that stays for open() to tell.
            QCOMPARE(filesInFolder(), kept);
            const Result<> opened = m_table.open();
            QVERIFY(!opened);
            QVERIFY2(opened.error().contains(QStringLiteral("central.vqt tabulky central.vqn chybí")),
                     qPrintable(opened.error()));
        }
    }

    // Copies a user made of the bank, and another program's, stay through
    // starts, opens and saves: only the program's own stale copies go.
    void namesOfTheUsersOwnStay_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name :
             {QStringLiteral("central.vqn.old-backup"), QStringLiteral("central.vqn.new-leden2"),
              QStringLiteral("CENTRAL.VQN.NEW-kopie1"), QStringLiteral("central.vqn.pair-journal.old-mojeXX"),
              QStringLiteral("central.vqt.old-backup"), QStringLiteral(".central.vqn.Jiny-new-AbC123"),
              TestFiles::ownCopy("CENTRAL.VQN", "new"), TestFiles::ownCopy("central.vqn", "NEW"),
              TestFiles::ownCopy("central.vqn", "new", "AbC12"), TestFiles::ownCopy("central.vqt", "old", "AbC_12"),
              TestFiles::ownCopy("central.vqn", "new").mid(1)})
            QTest::newRow(qPrintable(name)) << name;
    }
    void namesOfTheUsersOwnStay()
    {
        QFETCH(QString, name);
        fill({1, 2});
        TestFiles::put(m_dir->filePath(name), "the user's");
        const QStringList files = filesInFolder();
        for (int round = 0; round < 2; ++round) {
            QVERIFY(m_table.createIfMissing());
            QVERIFY(m_table.open());
            QVERIFY(m_table.edit());
            QVERIFY(m_table.setText(QuestionTable::Otazka, QStringLiteral("Změněná otázka")));
            QVERIFY(m_table.post());
            m_table.close();
        }
        QCOMPARE(filesInFolder(), files);
        QCOMPARE(TestFiles::contentOf(m_dir->filePath(name)), QByteArray("the user's"));
    }
};

QTEST_MAIN(QuestionTableTest)
#include "QuestionTableTest.moc"
