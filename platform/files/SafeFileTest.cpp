#include "platform/files/SafeFile.h"
#include "platform/files/TestFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class SafeFileTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    QString pathOf(const QString &name) const { return m_dir->filePath(name); }

    // Nothing but the expected files: no temporary or kept copies remain.
    void verifyFolderHolds(const QStringList &names)
    {
        QStringList present = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden
                                                            | QDir::NoDotAndDotDot);
        QStringList expected = names;
        present.sort();
        expected.sort();
        QCOMPARE(present, expected);
    }

    // Runs `attempt` in a child process that may not write into `folder` and
    // returns its exit status: 0 when it reported success, 1 when it reported
    // failure. Root ignores permission bits, so as root the child becomes
    // "nobody" first.
    int exitOfUnprivileged(const QString &folder, const std::function<bool()> &attempt)
    {
        const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                              | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
        if (!QFile::setPermissions(m_dir->path(), readOnly | QFileDevice::WriteOwner)
            || !QFile::setPermissions(folder, readOnly))
            return -1;
        const pid_t child = ::fork();
        if (child == 0) {
            const gid_t nobody = 65534;
            if (::geteuid() == 0
                && (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0))
                ::_exit(2);
            ::_exit(attempt() ? 0 : 1);
        }
        int status = -1;
        const bool waited = child > 0 && ::waitpid(child, &status, 0) == child;
        QFile::setPermissions(folder, readOnly | QFileDevice::WriteOwner);
        return waited && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static QByteArray hashOf(const QByteArray &content)
    {
        return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
    }

    // A journal as a pair replace writes it: the heading, the pair, its two
    // staged copies and the kept old first (or an empty line), two hashes.
    static QByteArray journalText(const QStringList &names, const QByteArray &firstHash, const QByteArray &secondHash)
    {
        return "pair replace 1\n" + names.join(u'\n').toUtf8() + '\n' + firstHash + '\n' + secondHash + '\n';
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void replacesAndCreates()
    {
        TestFiles::put(pathOf("a.dbf"), "old");
        QVERIFY(SafeFile::replace(pathOf("a.dbf"), "new content"));
        QCOMPARE(TestFiles::contentOf(pathOf("a.dbf")), QByteArray("new content"));
        QVERIFY(SafeFile::replace(pathOf("b.dbf"), QByteArray()));
        QCOMPARE(TestFiles::contentOf(pathOf("b.dbf")), QByteArray());
        verifyFolderHolds({"a.dbf", "b.dbf"});
    }

    // As a document or a settings file may be a link to the user's own copy.
    void aLinkIsWrittenThrough()
    {
        QVERIFY(QDir(m_dir->path()).mkdir("real"));
        TestFiles::put(pathOf("real/a.txt"), "old");
        QVERIFY(QFile::link(pathOf("real/a.txt"), pathOf("a.txt")));
        QVERIFY(SafeFile::replace(pathOf("a.txt"), "new"));
        QVERIFY(QFileInfo(pathOf("a.txt")).isSymLink());
        QCOMPARE(TestFiles::contentOf(pathOf("real/a.txt")), QByteArray("new"));
        verifyFolderHolds({"a.txt", "real"});
    }

    void keepsPermissionsOfTheOldFiles()
    {
        const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                          | QFileDevice::WriteUser | QFileDevice::ReadGroup;
        for (const char *name : {"a.txt", "q.dbf", "q.dbt"}) {
            TestFiles::put(pathOf(name), "old");
            QVERIFY(QFile::setPermissions(pathOf(name), mode));
        }
        QVERIFY(SafeFile::replace(pathOf("a.txt"), "new"));
        QVERIFY(SafeFile::replacePair(pathOf("q.dbf"), "new", pathOf("q.dbt"), "new"));
        for (const char *name : {"a.txt", "q.dbf", "q.dbt"})
            QCOMPARE(QFile::permissions(pathOf(name)), mode);
    }

    void failureKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("folder missing") << "missing/a.dbf";
        QTest::newRow("target is a folder") << "sub";
    }
    void failureKeepsTheOldFile()
    {
        QFETCH(QString, target);
        TestFiles::put(pathOf("keep.dbf"), "old");
        QVERIFY(QDir(m_dir->path()).mkdir("sub"));
        TestFiles::put(pathOf("sub/inside"), "x");
        const Result<> result = SafeFile::replace(pathOf(target), "new");
        QVERIFY(!result);
        QVERIFY2(result.error().contains(pathOf(target)), qPrintable(result.error()));
        QVERIFY(QFileInfo(pathOf("sub")).isDir());
        QCOMPARE(TestFiles::contentOf(pathOf("sub/inside")), QByteArray("x"));
        verifyFolderHolds({"keep.dbf", "sub"});
    }

    void writerFailingHalfWayKeepsTheOldFile()
    {
        TestFiles::put(pathOf("a.dbf"), "old content");
        const Result<> result = SafeFile::replaceWith(pathOf("a.dbf"), [](QIODevice &out) {
            out.write("half of the new");
            return false;
        });
        QVERIFY(!result);
        QVERIFY(!result.error().isEmpty());
        QCOMPARE(TestFiles::contentOf(pathOf("a.dbf")), QByteArray("old content"));
        verifyFolderHolds({"a.dbf"});
    }

    void programKilledMidWriteKeepsTheOldFile()
    {
        TestFiles::put(pathOf("a.dbf"), "old content");
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // Killed while it writes: there is no outcome to look at.
            (void)SafeFile::replaceWith(pathOf("a.dbf"), [](QIODevice &out) {
                out.write(QByteArray(100000, 'n'));
                ::raise(SIGKILL);
                return true;
            });
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(TestFiles::contentOf(pathOf("a.dbf")), QByteArray("old content"));
    }

    void readOnlyFolderKeepsTheOldFiles_data()
    {
        QTest::addColumn<bool>("pair");
        QTest::newRow("one file") << false;
        QTest::newRow("pair") << true;
    }
    void readOnlyFolderKeepsTheOldFiles()
    {
        QFETCH(bool, pair);
        QVERIFY(QDir(m_dir->path()).mkdir("locked"));
        const QString folder = pathOf("locked");
        const QString table = folder + "/q.dbf";
        const QString memo = folder + "/q.dbt";
        TestFiles::put(table, "old table");
        TestFiles::put(memo, "old memo");
        // Writable files: only a write in place could change them, and that is
        // what a safe replace never does.
        const auto everyone = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                              | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
        QVERIFY(QFile::setPermissions(table, everyone) && QFile::setPermissions(memo, everyone));
        const int status = exitOfUnprivileged(folder, [&] {
            return pair ? bool(SafeFile::replacePair(table, "new table", memo, "new memo"))
                        : bool(SafeFile::replace(table, "new table"));
        });
        QCOMPARE(status, 1);
        QCOMPARE(TestFiles::contentOf(table), QByteArray("old table"));
        QCOMPARE(TestFiles::contentOf(memo), QByteArray("old memo"));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"q.dbf", "q.dbt"}));
    }

    void writerSeesAWritableDevice()
    {
        QVERIFY(SafeFile::replaceWith(pathOf("w.txt"), [](QIODevice &out) {
            return out.write("part one, ") > 0 && out.write("part two") > 0;
        }));
        QCOMPARE(TestFiles::contentOf(pathOf("w.txt")), QByteArray("part one, part two"));
    }

    void pairReplacesBoth_data()
    {
        QTest::addColumn<bool>("oldPairExists");
        QTest::newRow("over an old pair") << true;
        QTest::newRow("new pair") << false;
    }
    void pairReplacesBoth()
    {
        QFETCH(bool, oldPairExists);
        if (oldPairExists) {
            TestFiles::put(pathOf("q.dbf"), "old table");
            TestFiles::put(pathOf("q.dbt"), "old memo");
        }
        QVERIFY(SafeFile::replacePair(pathOf("q.dbf"), "new table", pathOf("q.dbt"), "new memo"));
        QCOMPARE(TestFiles::contentOf(pathOf("q.dbf")), QByteArray("new table"));
        QCOMPARE(TestFiles::contentOf(pathOf("q.dbt")), QByteArray("new memo"));
        verifyFolderHolds({"q.dbf", "q.dbt"});
    }

    void pairFailureKeepsTheOldPair_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("remaining");
        // The memo target is a folder: the table is already renamed when the
        // memo rename fails, so the table is put back.
        QTest::newRow("second rename fails") << "q.dbf" << "memo-folder" << QStringList{"q.dbf", "q.dbt", "memo-folder"};
        QTest::newRow("second folder missing") << "q.dbf" << "missing/q.dbt" << QStringList{"q.dbf", "q.dbt", "memo-folder"};
        QTest::newRow("first rename fails") << "memo-folder" << "q.dbt" << QStringList{"q.dbf", "q.dbt", "memo-folder"};
        QTest::newRow("new first removed again") << "new.dbf" << "memo-folder" << QStringList{"q.dbf", "q.dbt", "memo-folder"};
    }
    void pairFailureKeepsTheOldPair()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, remaining);
        TestFiles::put(pathOf("q.dbf"), "old table");
        TestFiles::put(pathOf("q.dbt"), "old memo");
        QVERIFY(QDir(m_dir->path()).mkdir("memo-folder"));

        const Result<> result =
            SafeFile::replacePair(pathOf(first), "new table", pathOf(second), "new memo");
        QVERIFY(!result);
        QVERIFY(!result.error().isEmpty());
        QCOMPARE(TestFiles::contentOf(pathOf("q.dbf")), QByteArray("old table"));
        QCOMPARE(TestFiles::contentOf(pathOf("q.dbt")), QByteArray("old memo"));
        verifyFolderHolds(remaining);
    }

    // A program killed between the two renames leaves the table new beside
    // the old memo file, and the journal; the next finish completes the
    // replace, or undoes it when the staged second file is gone.
    void pairStoppedBetweenItsRenamesIsFinished_data()
    {
        QTest::addColumn<bool>("oldPair");
        QTest::addColumn<bool>("stagedSecondLost");
        QTest::newRow("over an old pair") << true << false;
        QTest::newRow("new pair") << false << false;
        // As the start-up of a version without journals would leave it.
        QTest::newRow("staged second file lost") << true << true;
        QTest::newRow("new pair, staged second file lost") << false << true;
    }
    void pairStoppedBetweenItsRenamesIsFinished()
    {
        QFETCH(bool, oldPair);
        QFETCH(bool, stagedSecondLost);
        const QByteArray oldTable = "old table";
        const QByteArray oldMemo(5000, 'o');
        const QByteArray newTable = "new table";
        const QByteArray newMemo(7000, 'n');
        if (oldPair) {
            TestFiles::put(pathOf("q.dbf"), oldTable);
            TestFiles::put(pathOf("q.dbt"), oldMemo);
        }
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            const SafeFile::BetweenPairRenames stop([] { ::raise(SIGKILL); });
            (void)SafeFile::replacePair(pathOf("q.dbf"), newTable, pathOf("q.dbt"), newMemo);
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(TestFiles::contentOf(pathOf("q.dbf")), newTable);
        QCOMPARE(TestFiles::contentOf(pathOf("q.dbt")), oldPair ? oldMemo : QByteArray("<none>"));
        if (stagedSecondLost)
            SafeFile::removeLeftovers(pathOf("q.dbt"));

        const Result<> finished = SafeFile::finishPairReplace(pathOf("q.dbf"), pathOf("q.dbt"));
        QVERIFY2(finished, qPrintable(finished.error()));
        if (!stagedSecondLost) {
            QCOMPARE(TestFiles::contentOf(pathOf("q.dbf")), newTable);
            QCOMPARE(TestFiles::contentOf(pathOf("q.dbt")), newMemo);
            verifyFolderHolds({"q.dbf", "q.dbt"});
        } else if (oldPair) {
            QCOMPARE(TestFiles::contentOf(pathOf("q.dbf")), oldTable);
            QCOMPARE(TestFiles::contentOf(pathOf("q.dbt")), oldMemo);
            verifyFolderHolds({"q.dbf", "q.dbt"});
        } else {
            verifyFolderHolds({});
        }
        // Done once: a second finish finds nothing to do.
        QVERIFY(SafeFile::finishPairReplace(pathOf("q.dbf"), pathOf("q.dbt")));
    }

    // Another program's replace between its renames is not taken for one
    // that stopped: the finish waits for it.
    void runningReplaceIsWaitedFor()
    {
        TestFiles::put(pathOf("q.dbf"), "old table");
        TestFiles::put(pathOf("q.dbt"), "old memo");
        int between[2];
        QCOMPARE(::pipe(between), 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            const SafeFile::BetweenPairRenames pause([&between] {
                (void)!::write(between[1], "x", 1);
                ::usleep(300000);
            });
            ::_exit(SafeFile::replacePair(pathOf("q.dbf"), "new table", pathOf("q.dbt"), "new memo") ? 0 : 1);
        }
        char got = 0;
        QCOMPARE(::read(between[0], &got, 1), ssize_t(1));
        const Result<> finished = SafeFile::finishPairReplace(pathOf("q.dbf"), pathOf("q.dbt"));
        QVERIFY2(finished, qPrintable(finished.error()));
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QCOMPARE(TestFiles::contentOf(pathOf("q.dbf")), QByteArray("new table"));
        QCOMPARE(TestFiles::contentOf(pathOf("q.dbt")), QByteArray("new memo"));
        ::close(between[0]);
        ::close(between[1]);
        verifyFolderHolds({"q.dbf", "q.dbt"});
    }

    void damagedJournalIsReported()
    {
        TestFiles::put(pathOf("q.dbf"), "table");
        TestFiles::put(pathOf("q.dbf.pair-journal"), "garbage");
        const Result<> finished = SafeFile::finishPairReplace(pathOf("q.dbf"), pathOf("q.dbt"));
        QVERIFY(!finished);
        QVERIFY2(finished.error().contains(pathOf("q.dbf.pair-journal")), qPrintable(finished.error()));
        QCOMPARE(TestFiles::contentOf(pathOf("q.dbf")), QByteArray("table"));
    }

    // Only the program's own hidden copies go, in exactly the letter case and
    // random part it writes, and not those a running replace holds; names a
    // user or another program may have made stay.
    void leftoversGoExceptARunningReplace_data()
    {
        QTest::addColumn<bool>("pair");
        QTest::newRow("single file") << false;
        QTest::newRow("file of a pair") << true;
    }
    void leftoversGoExceptARunningReplace()
    {
        QFETCH(bool, pair);
        using TestFiles::ownCopy;
        const QStringList gone = pair ? QStringList{ownCopy("q.dbf", "new", "AbCd12"), ownCopy("q.dbf", "old", "zz99ZZ"),
                                                    ownCopy("q.dbf.pair-journal", "new", "x1Y2z3")}
                                      : QStringList{ownCopy("q.dbf", "new", "AbCd12")};
        const QStringList stay{"q.dbf", "q.dbf.new-AbCd12", "Q.DBF.old-zz99ZZ", "q.dbf.old-backup", "q.dbf.new-leden2",
                               "q.dbf.pair-journal.old-mojeXX", "q.dbf.backup", ownCopy("Q.DBF", "new", "AbCd12"),
                               ownCopy("q.dbf", "NEW", "AbCd12"), ownCopy("q.dbf", "new", "AbCd1"),
                               ownCopy("q.dbf", "new", "AbCd123"), ownCopy("q.dbf", "new", "Ab-d12"),
                               ownCopy("other.dbf", "new", "AbCd12"), ".q.dbf.Jiny-new-AbCd12",
                               ownCopy("q.dbf", "new", "AbCd12").mid(1), ownCopy("q.dbf", "new", "Runnin")};
        const QStringList staysForOneFile = pair ? QStringList() : QStringList{ownCopy("q.dbf", "old", "zz99ZZ"),
                                                                               ownCopy("q.dbf.pair-journal", "new", "x1Y2z3")};
        for (const QString &name : gone + stay + staysForOneFile)
            TestFiles::put(pathOf(name), "x");
        QFile running(pathOf(ownCopy("q.dbf", "new", "Runnin")));
        QVERIFY(running.open(QIODevice::ReadOnly));
        QCOMPARE(::flock(running.handle(), LOCK_SH), 0);
        if (pair)
            SafeFile::removePairLeftovers(pathOf("q.dbf"));
        else
            SafeFile::removeLeftovers(pathOf("q.dbf"));
        verifyFolderHolds(stay + staysForOneFile);
    }

    // A file of the program's own name that is a named pipe, a folder or a
    // link is not waited on, and stays.
    void leftoverThatIsNoPlainFileStays()
    {
        const QString pipe = TestFiles::ownCopy("q.dbf", "new", "Pipe12");
        const QString folder = TestFiles::ownCopy("q.dbf", "new", "Fold12");
        const QString link = TestFiles::ownCopy("q.dbf", "new", "Link12");
        TestFiles::put(pathOf("victim.txt"), "victim");
        QCOMPARE(::mkfifo(QFile::encodeName(pathOf(pipe)).constData(), 0600), 0);
        QVERIFY(QDir(m_dir->path()).mkdir(folder));
        QVERIFY(QFile::link(pathOf("victim.txt"), pathOf(link)));
        SafeFile::removePairLeftovers(pathOf("q.dbf"));
        QStringList present = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                            | QDir::NoDotAndDotDot, QDir::Name);
        QStringList expected{pipe, folder, link, "victim.txt"};
        expected.sort();
        QCOMPARE(present, expected);
        QCOMPARE(TestFiles::contentOf(pathOf("victim.txt")), QByteArray("victim"));
    }

    // A pair replace killed between its renames leaves its journal and copies;
    // the next replace of the pair settles that one before it starts.
    void replaceAfterAStoppedOneLeavesNoStrayCopies()
    {
        TestFiles::put(pathOf("q.dbf"), "old table");
        TestFiles::put(pathOf("q.dbt"), "old memo");
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            const SafeFile::BetweenPairRenames stop([] { ::raise(SIGKILL); });
            (void)SafeFile::replacePair(pathOf("q.dbf"), "new table", pathOf("q.dbt"), "new memo");
            ::_exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QVERIFY(SafeFile::replacePair(pathOf("q.dbf"), "newer table", pathOf("q.dbt"), "newer memo"));
        QCOMPARE(TestFiles::contentOf(pathOf("q.dbf")), QByteArray("newer table"));
        QCOMPARE(TestFiles::contentOf(pathOf("q.dbt")), QByteArray("newer memo"));
        verifyFolderHolds({"q.dbf", "q.dbt"});
    }

    // Settled, but its journal and copy cannot be removed from a folder that
    // may not be written: that is no success.
    void journalThatCannotBeRemovedIsAFailure()
    {
        QVERIFY(QDir(m_dir->path()).mkdir("locked"));
        const QString folder = pathOf("locked");
        TestFiles::put(folder + "/q.dbf", "new table");
        TestFiles::put(folder + "/q.dbt", "new memo");
        const QString staged = TestFiles::ownCopy("q.dbt", "new");
        TestFiles::put(folder + u'/' + staged, "new memo");
        TestFiles::put(folder + "/q.dbf.pair-journal",
                       journalText({"q.dbf", "q.dbt", TestFiles::ownCopy("q.dbf", "new"), staged, QString()},
                                   hashOf("new table"), hashOf("new memo")));
        const int status = exitOfUnprivileged(folder, [&] {
            return bool(SafeFile::finishPairReplace(folder + "/q.dbf", folder + "/q.dbt"));
        });
        QCOMPARE(status, 1);
        QVERIFY(QFile::exists(folder + "/q.dbf.pair-journal"));
        QCOMPARE(TestFiles::contentOf(folder + "/q.dbt"), QByteArray("new memo"));
    }

    // Journals that are not the program's own record of this pair: nothing
    // outside the pair changes, the pair is as it was or whole new, and a
    // damaged journal stays and is named in the failure.
    void hostileJournal_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<bool>("damaged");
        // In `lines`, "@" is the test folder; T, M, N and E are the hashes of
        // the old table and memo, the new memo and the decoy evil.txt.
        const QString sf = TestFiles::ownCopy("q.dbf", "new");
        const QString ss = TestFiles::ownCopy("q.dbt", "new");
        const QString k = TestFiles::ownCopy("q.dbf", "old");
        const auto row = [](const QString &name, const QString &lines, bool damaged) {
            QTest::newRow(qPrintable(name)) << "text" << lines << damaged;
        };
        row("staged names outside the folder", "q.dbf|q.dbt|../decoy/thesis.txt|@/decoy/victim.txt||N|N", true);
        row("a decoy renamed over a decoy", "q.dbf|../decoy/victim.txt|" + sf + "|../decoy/evil.txt||T|E", true);
        row("staged names are the pair", "q.dbf|q.dbt|q.dbf|q.dbt||T|N", true);
        row("kept copy is the pair", "q.dbf|q.dbt|" + sf + "|" + ss + "|q.dbt|T|N", true);
        row("other pair", "r.dbf|q.dbt|" + sf + "|" + ss + "||T|N", true);
        row("name with a folder", "q.dbf|q.dbt|sub/" + sf + "|" + ss + "||T|N", true);
        row("name with ..", "q.dbf|q.dbt|../bank/" + sf + "|" + ss + "||T|N", true);
        row("absolute name", "q.dbf|q.dbt|@/bank/" + sf + "|" + ss + "||T|N", true);
        row("old name pattern", "q.dbf|q.dbt|q.dbf.new-AbC123|q.dbt.new-AbC123||T|N", true);
        row("other letter case", "q.dbf|q.dbt|" + sf.toUpper() + "|" + ss + "||T|N", true);
        row("another program's copy", "q.dbf|q.dbt|.q.dbf.Jiny-new-AbC123|" + ss + "||T|N", true);
        row("hash not hexadecimal", "q.dbf|q.dbt|" + sf + "|" + ss + "||T|" + QString(64, u'z'), true);
        row("hashes match: finished", "q.dbf|q.dbt|" + sf + "|" + ss + "|" + k + "|T|N", false);
        row("hashes do not match: old pair stays", "q.dbf|q.dbt|" + sf + "|" + ss + "|" + k + "|E|E", false);
        QTest::newRow("unknown version") << "version" << "q.dbf|q.dbt|" + sf + "|" + ss + "||T|N" << true;
        QTest::newRow("truncated") << "truncated" << "q.dbf|q.dbt|" + sf + "|" + ss + "||T|N" << true;
        QTest::newRow("empty") << "empty" << QString() << true;
        QTest::newRow("folder") << "folder" << QString() << true;
        QTest::newRow("link to a good journal") << "link" << "q.dbf|q.dbt|" + sf + "|" + ss + "||T|N" << true;
        QTest::newRow("link to /dev/zero") << "zero" << QString() << true;
        QTest::newRow("named pipe") << "pipe" << QString() << true;
        QTest::newRow("sparse 1 GB") << "large" << QString() << true;
    }
    void hostileJournal()
    {
        QFETCH(QString, kind);
        QFETCH(QString, lines);
        QFETCH(bool, damaged);
        QVERIFY(QDir(m_dir->path()).mkpath("bank/sub") && QDir(m_dir->path()).mkdir("decoy"));
        const QString table = pathOf("bank/q.dbf");
        const QString memo = pathOf("bank/q.dbt");
        const QString journal = table + ".pair-journal";
        TestFiles::put(table, "old table");
        TestFiles::put(memo, "old memo");
        TestFiles::put(pathOf("bank/sub/" + TestFiles::ownCopy("q.dbf", "new")), "old table");
        TestFiles::put(pathOf("bank/" + TestFiles::ownCopy("q.dbf", "new")), "old table");
        TestFiles::put(pathOf("bank/" + TestFiles::ownCopy("q.dbt", "new")), "new memo");
        TestFiles::put(pathOf("bank/" + TestFiles::ownCopy("q.dbf", "old")), "old table");
        TestFiles::put(pathOf("bank/" + TestFiles::ownCopy("q.dbf", "new").toUpper()), "old table");
        TestFiles::put(pathOf("bank/.q.dbf.Jiny-new-AbC123"), "old table");
        TestFiles::put(pathOf("bank/q.dbf.new-AbC123"), "old table");
        TestFiles::put(pathOf("bank/q.dbt.new-AbC123"), "new memo");
        for (const char *name : {"thesis.txt", "victim.txt"})
            TestFiles::put(pathOf(QStringLiteral("decoy/") + name), name);
        TestFiles::put(pathOf("decoy/evil.txt"), "evil");

        QString text = lines;
        text.replace(u'@', m_dir->path());
        QStringList fields = text.split(u'|');
        QByteArray content;
        if (fields.size() == 7) {
            QList<QByteArray> hashes;
            for (const QString &hash : fields.mid(5))
                hashes << (hash == u"T" ? hashOf("old table")
                           : hash == u"M" ? hashOf("old memo")
                           : hash == u"N" ? hashOf("new memo")
                           : hash == u"E" ? hashOf("evil")
                                          : hash.toLatin1());
            content = journalText(fields.mid(0, 5), hashes[0], hashes[1]);
        }
        if (kind == u"version")
            content.replace("pair replace 1", "pair replace 2");
        else if (kind == u"truncated")
            content.chop(40);
        if (kind == u"folder")
            QVERIFY(QDir().mkdir(journal));
        else if (kind == u"link") {
            TestFiles::put(pathOf("decoy/journal"), content);
            QVERIFY(QFile::link(pathOf("decoy/journal"), journal));
        } else if (kind == u"zero")
            QVERIFY(QFile::link("/dev/zero", journal));
        else if (kind == u"pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(journal).constData(), 0600), 0);
        else if (kind == u"large") {
            QFile sparse(journal);
            QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(1) << 30));
        } else
            TestFiles::put(journal, content);

        QMap<QString, QByteArray> before = TestFiles::treeOf(m_dir->path());
        const Result<> finished = SafeFile::finishPairReplace(table, memo);
        QMap<QString, QByteArray> after = TestFiles::treeOf(m_dir->path());
        if (damaged) {
            QVERIFY(!finished);
            QVERIFY2(finished.error().contains(journal), qPrintable(finished.error()));
            QCOMPARE(after, before);
            return;
        }
        QVERIFY2(finished, qPrintable(finished.error()));
        const QByteArray pair = TestFiles::contentOf(table) + '|' + TestFiles::contentOf(memo);
        QVERIFY2(pair == "old table|old memo" || pair == "old table|new memo", pair.constData());
        // Only the pair, the journal and the copies it named may change.
        for (const QString &named : {table, memo, journal, pathOf("bank/" + TestFiles::ownCopy("q.dbf", "new")),
                                     pathOf("bank/" + TestFiles::ownCopy("q.dbt", "new")),
                                     pathOf("bank/" + TestFiles::ownCopy("q.dbf", "old"))}) {
            before.remove(named);
            after.remove(named);
        }
        QCOMPARE(after, before);
        QVERIFY(!QFile::exists(journal));
    }

    void fullDiskNamesTheCause_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("replace") << "replace";
        QTest::newRow("replace by a writer") << "writer";
        QTest::newRow("pair") << "pair";
    }
    void fullDiskNamesTheCause()
    {
        QFETCH(QString, how);
        const TestFiles::SmallFileSystem disk;
        if (!disk.mounted())
            QSKIP("Mounting a small file system is not allowed here.");
        const QString table = disk.filePath(QStringLiteral("q.dbf"));
        const QString memo = disk.filePath(QStringLiteral("q.dbt"));
        TestFiles::put(table, "old table");
        TestFiles::put(memo, "old memo");
        const QByteArray big(100 * 1024, 'n');
        Result<> result;
        if (how == u"replace")
            result = SafeFile::replace(table, big);
        else if (how == u"writer")
            result = SafeFile::replaceWith(table, [&big](QIODevice &out) { return out.write(big) == big.size(); });
        else
            result = SafeFile::replacePair(table, "new table", memo, big);
        QVERIFY(!result);
        QVERIFY2(result.error().contains(QStringLiteral("No space left on device")), qPrintable(result.error()));
        QCOMPARE(TestFiles::contentOf(table), QByteArray("old table"));
        QCOMPARE(TestFiles::contentOf(memo), QByteArray("old memo"));
        QCOMPARE(QDir(disk.filePath(QString())).entryList(QDir::Files), QStringList({"q.dbf", "q.dbt"}));
    }

    // A fixed name in a folder that others share (mode 1777): whatever link
    // was planted under it, the name gets the new file, and what the link
    // names is neither written, made, nor lends its permissions.
    void replacingANameNeverFollowsALink_data()
    {
        QTest::addColumn<QString>("target"); // what the planted link names
        QTest::newRow("a file") << "home/thesis.txt";
        QTest::newRow("a file that is not there") << "home/new.txt";
        QTest::newRow("a link to a file") << "home-link";
        QTest::newRow("a folder") << "home";
        QTest::newRow("itself") << "shared/page.htm";
    }
    void replacingANameNeverFollowsALink()
    {
        QFETCH(QString, target);
        QVERIFY(QDir(m_dir->path()).mkdir("home"));
        QVERIFY(QDir(m_dir->path()).mkdir("shared"));
        QCOMPARE(::chmod(QFile::encodeName(pathOf("shared")).constData(), 01777), 0);
        TestFiles::put(pathOf("home/thesis.txt"), "the user's own");
        QCOMPARE(::chmod(QFile::encodeName(pathOf("home/thesis.txt")).constData(), 0666), 0);
        QVERIFY(QFile::link(pathOf("home/thesis.txt"), pathOf("home-link")));
        const QString name = pathOf("shared/page.htm");
        QVERIFY(QFile::link(pathOf(target), name));

        QVERIFY(SafeFile::replaceName(name, "page"));
        const QFileInfo written(name);
        QVERIFY(!written.isSymLink());
        QVERIFY(written.isFile());
        QCOMPARE(TestFiles::contentOf(name), QByteArray("page"));
        QCOMPARE(written.permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(TestFiles::contentOf(pathOf("home/thesis.txt")), QByteArray("the user's own"));
        QCOMPARE(QDir(pathOf("home")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"thesis.txt"}));
        QCOMPARE(QDir(pathOf("shared")).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                  | QDir::NoDotAndDotDot),
                 QStringList({"page.htm"}));
    }

    // A file standing under the name (an earlier run's page, or one that
    // someone else made writable for all) is replaced, and the new file is
    // its owner's alone; a folder there stays.
    void replacingANameReplacesAFile()
    {
        TestFiles::put(pathOf("page.htm"), "earlier");
        QCOMPARE(::chmod(QFile::encodeName(pathOf("page.htm")).constData(), 0666), 0);
        QVERIFY(SafeFile::replaceName(pathOf("page.htm"), "page"));
        QCOMPARE(TestFiles::contentOf(pathOf("page.htm")), QByteArray("page"));
        QCOMPARE(QFile::permissions(pathOf("page.htm")) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        verifyFolderHolds({"page.htm"});
        QVERIFY(QDir(m_dir->path()).mkdir("sub"));
        const Result<> overFolder = SafeFile::replaceName(pathOf("sub"), "page");
        QVERIFY(!overFolder);
        QVERIFY2(overFolder.error().contains(pathOf("sub")), qPrintable(overFolder.error()));
        verifyFolderHolds({"page.htm", "sub"});
    }
};

QTEST_MAIN(SafeFileTest)
#include "SafeFileTest.moc"
