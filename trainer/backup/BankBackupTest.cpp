#include "trainer/backup/BankBackup.h"
#include "trainer/backup/SmallFileSystem.h"
#include "trainer/backup/TJina_obnova.h"
#include "trainer/backup/TJina_zaloha.h"
#include "trainer/service/TestBank.h"

#include "platform/files/SafeFile.h"
#include "platform/files/TestFiles.h"
#include "platform/table/DbfTable.h"
#include "platform/text/LocaleTexts.h"
#include "platform/text/TextLineFile.h"
#include "platform/ui/MessageBox.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

using TestFiles::contentOf;

namespace {

const QDateTime BackupTime(QDate(2026, 3, 7), QTime(9, 5, 4));

// A program folder with its bank of `questions` and its ZALOHA folder.
struct ProgramFolder
{
    explicit ProgramFolder(int questions, const QString &at = {}, int padding = 0)
        : path(at.isEmpty() ? temp.path() : at)
    {
        QDir(path).mkdir(QStringLiteral("ZALOHA"));
        made = TestBank::make(table(), questions, padding);
        bank.setTableName(table());
    }
    QString table() const { return path + QStringLiteral("/central.vqn"); }
    QString memo() const { return path + QStringLiteral("/central.vqt"); }
    QString zaloha() const { return path + QStringLiteral("/ZALOHA"); }
    QByteArray pair() const { return contentOf(table()) + contentOf(memo()); }

    QTemporaryDir temp;
    QString path;
    bool made = false;
    QuestionTable bank;
};

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class BankBackupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    }

    void backupIsByteIdenticalWithItsInfoFile()
    {
        ProgramFolder program(5);
        QVERIFY(program.made);
        TestFiles::put(program.zaloha() + QStringLiteral("/CENTRAL.Z1"), "an earlier backup");
        QList<int> steps;
        const Result<> done = BankBackup::backup(program.table(), program.zaloha(), BackupTime,
                                                 [&steps](int copied) { steps.append(copied); });
        QVERIFY2(done, qPrintable(done.error()));
        QCOMPARE(steps, (QList<int>{0, 1, 2}));
        // The earlier backup's file is overwritten under its own spelling.
        QCOMPARE(filesIn(program.zaloha()),
                 (QStringList{QStringLiteral("CENTRAL.Z1"), QStringLiteral("Central.z2"), QStringLiteral("info.txt")}));
        QCOMPARE(contentOf(program.zaloha() + QStringLiteral("/CENTRAL.Z1")), contentOf(program.table()));
        QCOMPARE(contentOf(program.zaloha() + QStringLiteral("/Central.z2")), contentOf(program.memo()));

        const QByteArray info = contentOf(program.zaloha() + QStringLiteral("/info.txt"));
        const QStringList lines = {
            QStringLiteral("Informace o zaloze na toto medium:"),
            QStringLiteral("Datum zalohy    : ") + LocaleTexts::shortDate(BackupTime.date()),
            QStringLiteral("Cas odzalohovani: ") + LocaleTexts::longTime(BackupTime.time()),
            QString(),
            QStringLiteral("Corect End Kestrin information file."),
        };
        QCOMPARE(info, TextLineFile::encode(lines));
        QVERIFY(info.endsWith("file.\r\n"));
        QCOMPARE(info.count("\r\n"), 5);

        const auto state = BankBackup::stateOf(program.zaloha());
        QVERIFY(state);
        QCOMPARE(state->date, u' ' + LocaleTexts::shortDate(BackupTime.date()));
        QCOMPARE(state->time, u' ' + LocaleTexts::longTime(BackupTime.time()));
        // Also run under a Czech locale, whose pattern in Qt has a two-digit year.
        if (qEnvironmentVariable("LC_ALL") == QStringLiteral("cs_CZ.UTF-8"))
            QCOMPARE(state->date, QStringLiteral(" 07.03.2026"));
    }

    void infoValuesAreCutAtTwentyEightCharacters()
    {
        QTemporaryDir folder;
        QVERIFY(TextLineFile::write(folder.filePath(QStringLiteral("INFO.TXT")),
                                    {QStringLiteral("x"), QStringLiteral("Datum zalohy    : ") + QString(40, u'1'),
                                     QStringLiteral("short")}));
        const auto state = BankBackup::stateOf(folder.path());
        QVERIFY(state);
        QCOMPARE(state->date, u' ' + QString(27, u'1'));
        QCOMPARE(state->time, QString());
        QVERIFY(!BankBackup::stateOf(folder.filePath(QStringLiteral("none"))));
    }

    // The error box of a backup whose info file cannot be written names the
    // file and says why.
    void infoFileFailureGivesTheReason()
    {
        ProgramFolder program(3);
        QVERIFY(program.made);
        const QString info = program.zaloha() + QStringLiteral("/info.txt");
        QVERIFY(QDir(program.zaloha()).mkdir(QStringLiteral("info.txt")));
        const Result<> done = BankBackup::backup(program.table(), program.zaloha(), BackupTime);
        QVERIFY(!done);
        QVERIFY2(done.error().contains(info), qPrintable(done.error()));
        QVERIFY2(done.error().contains(QString::fromLocal8Bit(std::strerror(EISDIR))), qPrintable(done.error()));
    }

    void restorePutsTheBackupInPlaceOfAnOpenBank()
    {
        ProgramFolder program(4);
        ProgramFolder other(9);
        QVERIFY(program.made && other.made);
        QVERIFY(BankBackup::backup(other.table(), other.zaloha(), BackupTime));
        QVERIFY(program.bank.open());
        QCOMPARE(program.bank.recordCount(), 4);

        const Result<> done = BankBackup::restore(other.zaloha(), program.bank);
        QVERIFY2(done, qPrintable(done.error()));
        QVERIFY(!program.bank.active());
        QCOMPARE(program.pair(), other.pair());
        QVERIFY(program.bank.open());
        QCOMPARE(program.bank.recordCount(), 9);
    }

    // A restore killed between its two renames leaves the new table beside
    // the old memo file; the next start or open of the bank settles it, so
    // the bank is the backup byte for byte.
    void restoreStoppedBetweenItsRenamesIsSettled_data()
    {
        QTest::addColumn<bool>("atStart");
        QTest::newRow("next start") << true;
        QTest::newRow("next open") << false;
    }
    void restoreStoppedBetweenItsRenamesIsSettled()
    {
        QFETCH(bool, atStart);
        ProgramFolder program(3);
        ProgramFolder other(5, {}, 300);
        QVERIFY(program.made && other.made);
        QVERIFY(BankBackup::backup(other.table(), other.zaloha(), BackupTime));
        const QByteArray before = program.pair();
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            const SafeFile::BetweenPairRenames stop([] { ::raise(SIGKILL); });
            (void)BankBackup::restore(other.zaloha(), program.bank);
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QVERIFY(program.pair() != before && program.pair() != other.pair());

        const Result<> settled = atStart ? program.bank.createIfMissing() : program.bank.open();
        QVERIFY2(settled, qPrintable(settled.error()));
        QCOMPARE(contentOf(program.table()), contentOf(other.table()));
        QCOMPARE(contentOf(program.memo()), contentOf(other.memo()));
        QCOMPARE(filesIn(program.path), (QStringList{QStringLiteral("central.vqn"), QStringLiteral("central.vqt")}));
        QVERIFY(program.bank.open());
        QCOMPARE(program.bank.recordCount(), 5);
    }

    void restoreIsRefused_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no info.txt") << "info.txt" << "info.txt";
        QTest::newRow("no memo copy") << "Central.z2" << "Central.z2";
        QTest::newRow("table copy not a table") << "Central.z1=garbage" << "Central.z1";
        QTest::newRow("memo copy cut short") << "Central.z2=" << "Central.z1";
        QTest::newRow("a table of other columns") << "other table" << "C_Otazky";
    }
    void restoreIsRefused()
    {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        ProgramFolder program(3);
        ProgramFolder other(6);
        QVERIFY(program.made && other.made);
        QVERIFY(BankBackup::backup(other.table(), other.zaloha(), BackupTime));
        const QString backup = other.zaloha() + u'/';
        if (damage == u"other table")
            QVERIFY(DbfTable::create(backup + QStringLiteral("Central.z1"),
                                     {{QStringLiteral("Jmeno"), FieldType::Character, 10}, {QStringLiteral("Text"), FieldType::Memo}}));
        else if (damage.contains(u'='))
            TestFiles::put(backup + damage.section(u'=', 0, 0), damage.section(u'=', 1).toLatin1());
        else
            QVERIFY(QFile::remove(backup + damage));
        const QByteArray before = program.pair();
        QVERIFY(program.bank.open());

        const Result<> done = BankBackup::restore(other.zaloha(), program.bank);
        QVERIFY(!done);
        QVERIFY2(done.error().contains(reason), qPrintable(done.error()));
        QCOMPARE(program.pair(), before);
        QCOMPARE(filesIn(program.path), (QStringList{QStringLiteral("central.vqn"), QStringLiteral("central.vqt")}));
    }

    void restoreThatFailsHalfWayKeepsTheBankInUse()
    {
        SmallFileSystem small;
        if (!small.mounted())
            QSKIP("Mounting a small tmpfs is not allowed here.");
        ProgramFolder program(2, small.path());
        ProgramFolder big(40, {}, 1500); // its pair is larger than the small file system
        QVERIFY(program.made && big.made);
        QVERIFY(BankBackup::backup(big.table(), big.zaloha(), BackupTime));
        const QByteArray before = program.pair();

        const Result<> done = BankBackup::restore(big.zaloha(), program.bank);
        QVERIFY(!done);
        QVERIFY2(done.error().contains(QStringLiteral("central.vq")), qPrintable(done.error()));
        QCOMPARE(program.pair(), before);
        QCOMPARE(filesIn(program.path), (QStringList{QStringLiteral("central.vqn"), QStringLiteral("central.vqt")}));
        QVERIFY(program.bank.open());
        QCOMPARE(program.bank.recordCount(), 2);
    }

    // The box tells of the failure, and the gauge does not show a backup
    // that was not made.
    void failedBackupIsReportedWithoutSuccess_data()
    {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("pair larger than the disk") << true;
        // Both copies are made first; the info file's name is taken by a folder.
        QTest::newRow("info file cannot be written") << false;
    }
    void failedBackupIsReportedWithoutSuccess()
    {
        QFETCH(bool, diskFull);
        SmallFileSystem small;
        if (diskFull && !small.mounted())
            QSKIP("Mounting a small tmpfs is not allowed here.");
        QTemporaryDir plain;
        const QString target = diskFull ? small.path() : plain.path();
        ProgramFolder big(40, {}, 1500);
        QVERIFY(big.made);
        TestFiles::put(target + QStringLiteral("/Central.z1"), "kept");
        if (!diskFull)
            QVERIFY(QDir(target).mkdir(QStringLiteral("info.txt")));
        TJina_zaloha dialog(big.table(), big.path);
        dialog.show();
        QVERIFY(dialog.chooseFolder(target));
        QCOMPARE(dialog.chosenFolder(), target);

        MessageBox::Script script;
        int gaugeAtTheBox = -1;
        script.whileOpen([&](const MessageBox::Request &) { gaugeAtTheBox = dialog.Gauge1->value(); });
        dialog.start->click();
        QCOMPARE(script.requests().size(), std::size_t(1));
        const MessageBox::Request &box = script.requests().front();
        QCOMPARE(box.caption, QStringLiteral("Výsledek zálohy:"));
        QVERIFY2(box.text.startsWith(QStringLiteral("Data se nepodařilo odzálohovat.\n")), qPrintable(box.text));
        QVERIFY(dialog.isVisible());
        QCOMPARE(gaugeAtTheBox, 0);
        QCOMPARE(dialog.Gauge1->value(), 0);
        if (diskFull) {
            QCOMPARE(contentOf(target + QStringLiteral("/Central.z1")), QByteArray("kept"));
            QVERIFY(!QFile::exists(target + QStringLiteral("/info.txt")));
        }
    }

    void dialogsOpenOnTheBackupFolder()
    {
        ProgramFolder program(2);
        QVERIFY(program.made);
        {
            TJina_obnova restore(program.bank, program.path + u'/');
            restore.show();
            QCOMPARE(restore.chosenFolder(), program.zaloha());
            QVERIFY(!restore.start->isEnabled());
            QVERIFY(!restore.Label2->isVisibleTo(&restore));
            QCOMPARE(restore.d->text(), QString());
        }
        TJina_zaloha backup(program.table(), program.path + u'/');
        backup.show();
        QCOMPARE(backup.Gauge1->value(), 0);
        MessageBox::Script script;
        backup.start->click();
        QCOMPARE(script.requests().size(), std::size_t(1));
        QCOMPARE(script.requests().front().caption, QStringLiteral("Výsledek zálohy:"));
        QCOMPARE(script.requests().front().text, QStringLiteral("Data byly v pořádku odzálohovány ... "));
        QVERIFY(!backup.isVisible());
        QCOMPARE(backup.Gauge1->value(), 2);
        QCOMPARE(QDir::currentPath(), program.path);

        TJina_obnova restore(program.bank, program.path + u'/');
        restore.show();
        QVERIFY(restore.start->isEnabled());
        QVERIFY(restore.Label2->isVisibleTo(&restore));
        QVERIFY(restore.d->text().startsWith(u' '));
        restore.start->click();
        QCOMPARE(script.requests().back().text, QStringLiteral("Obnova dat provedena v pořádku ... "));
    }

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(BankBackupTest)
#include "BankBackupTest.moc"
