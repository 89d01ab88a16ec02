#include "trainer/backup/BankBackup.h"
#include "trainer/backup/TJina_obnova.h"
#include "trainer/backup/TJina_zaloha.h"
#include "trainer/test-support/SmallFileSystem.h"
#include "trainer/test-support/TestBank.h"

#include "platform/files/SafeFile.h"
#include "platform/files/TestFiles.h"
#include "platform/table/DbfTable.h"
#include "platform/text/LocaleTexts.h"
#include "platform/text/TextLineFile.h"
#include "platform/ui/MessageBox.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/stat.h>
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

    // Journals planted beside the bank, or brought in a backup folder from
    // elsewhere. Nothing outside the pair changes, the bank stays as it was,
    // the start says so naming the journal and creates no empty bank, the
    // bank still opens, and a restore from such a folder is refused.
    void hostileJournal_data()
    {
        QTest::addColumn<bool>("inBackup");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("lines");
        // In `lines`, "@" is the decoy folder, T and M the first's and the
        // second's real hashes, E the hash of @/evil.txt; S1 and S2 are the
        // program's own staged names of the two.
        const QList<std::pair<const char *, QString>> cases{
            {"staged names elsewhere", "1|2|../decoy/thesis.txt|@/thesis.txt||T|M"},
            {"evil over a victim", "1|../decoy/victim.txt|S1|../decoy/evil.txt||T|E"},
            {"staged names are the pair", "1|2|1|2||T|M"},
            {"staged names are the pair, hashes do not match", "1|2|2|1||M|T"},
            {"truncated", "1|2|S1"},
        };
        for (const bool inBackup : {false, true}) {
            const char *place = inBackup ? "backup folder: " : "bank: ";
            for (const auto &[name, lines] : cases)
                QTest::newRow((place + QByteArray(name)).constData()) << inBackup << "text" << lines;
            for (const char *kind : {"pipe", "sparse 1 GB", "link to /dev/zero"})
                QTest::newRow((place + QByteArray(kind)).constData()) << inBackup << kind << QString();
        }
    }
    void hostileJournal()
    {
        QFETCH(bool, inBackup);
        QFETCH(QString, kind);
        QFETCH(QString, lines);
        QTemporaryDir root;
        const QString decoy = root.filePath(QStringLiteral("decoy"));
        QVERIFY(QDir(root.path()).mkdir(QStringLiteral("decoy")) && QDir(root.path()).mkdir(QStringLiteral("program"))
                && QDir(root.path()).mkdir(QStringLiteral("other")));
        for (const char *name : {"thesis.txt", "victim.txt", "evil.txt"})
            TestFiles::put(decoy + u'/' + QLatin1String(name), QByteArray(name) + " of the user");
        ProgramFolder program(3, root.filePath(QStringLiteral("program")));
        ProgramFolder other(5, root.filePath(QStringLiteral("other")));
        QVERIFY(program.made && other.made);
        QVERIFY(BankBackup::backup(other.table(), other.zaloha(), BackupTime));
        // The journal lies beside the first of the pair it is settled for.
        const QString folder = inBackup ? other.zaloha() : program.path;
        const QString first = inBackup ? QStringLiteral("Central.z1") : QStringLiteral("central.vqn");
        const QString second = inBackup ? QStringLiteral("Central.z2") : QStringLiteral("central.vqt");
        const QString journal = folder + u'/' + first + QStringLiteral(".pair-journal");
        // The decoy folder seen from the journal's folder.
        const QString up = inBackup ? QStringLiteral("../../decoy/") : QStringLiteral("../decoy/");
        if (kind == u"pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(journal).constData(), 0600), 0);
        } else if (kind == u"sparse 1 GB") {
            QFile sparse(journal);
            QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(1) << 30));
        } else if (kind == u"link to /dev/zero") {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), journal));
        } else {
            const auto hash = [](const QByteArray &content) {
                return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
            };
            QStringList fields = lines.split(u'|');
            for (QString &field : fields)
                field = field == u"1"    ? first
                        : field == u"2"  ? second
                        : field == u"S1" ? TestFiles::ownCopy(first, QStringLiteral("new"))
                        : field == u"S2" ? TestFiles::ownCopy(second, QStringLiteral("new"))
                        : field == u"T"  ? QString::fromLatin1(hash(contentOf(folder + u'/' + first)))
                        : field == u"M"  ? QString::fromLatin1(hash(contentOf(folder + u'/' + second)))
                        : field == u"E"  ? QString::fromLatin1(hash(contentOf(decoy + QStringLiteral("/evil.txt"))))
                                         : QString(field).replace(QStringLiteral("../decoy/"), up).replace(u'@', decoy);
            TestFiles::put(journal, "pair replace 1\n" + fields.join(u'\n').toUtf8() + '\n');
        }
        const QMap<QString, QByteArray> before = TestFiles::treeOf(root.path());

        QString box;
        if (inBackup) {
            MessageBox::Script script;
            TJina_obnova dialog(program.bank, program.path);
            dialog.show();
            QVERIFY(dialog.chooseFolder(other.zaloha()));
            dialog.start->click();
            QCOMPARE(script.requests().size(), std::size_t(1));
            box = script.requests().front().text;
        } else {
            const Result<> started = program.bank.createIfMissing();
            QVERIFY(!started);
            box = started.error();
        }
        QVERIFY2(box.contains(journal) && box.contains(QStringLiteral("poškozen")), qPrintable(box));
        QCOMPARE(TestFiles::treeOf(root.path()), before);
        QVERIFY(program.bank.open());
        QCOMPARE(program.bank.recordCount(), 3);
    }

    // A backup killed just before it renames the memo copy leaves its journal
    // and copies in the backup folder; the next backup there settles them,
    // so no stray copy stays.
    void backupAfterAStoppedOneLeavesNoStrayCopies()
    {
        ProgramFolder program(4);
        ProgramFolder other(6, {}, 200);
        QVERIFY(program.made && other.made);
        QVERIFY(BankBackup::backup(other.table(), program.zaloha(), BackupTime));
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            const SafeFile::BetweenPairRenames stop([] { ::raise(SIGKILL); });
            (void)BankBackup::backup(program.table(), program.zaloha(), BackupTime);
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QVERIFY(BankBackup::backup(program.table(), program.zaloha(), BackupTime));
        QCOMPARE(QDir(program.zaloha()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
                 (QStringList{QStringLiteral("Central.z1"), QStringLiteral("Central.z2"), QStringLiteral("info.txt")}));
        QCOMPARE(contentOf(program.zaloha() + QStringLiteral("/Central.z1")), contentOf(program.table()));
        QCOMPARE(contentOf(program.zaloha() + QStringLiteral("/Central.z2")), contentOf(program.memo()));
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
