#include "platform/files/SafeFile.h"
#include "platform/files/TestFiles.h"

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

        const Result<> finished = SafeFile::finishPairReplace(pathOf("q.dbf"));
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
        QVERIFY(SafeFile::finishPairReplace(pathOf("q.dbf")));
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
        const Result<> finished = SafeFile::finishPairReplace(pathOf("q.dbf"));
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
        const Result<> finished = SafeFile::finishPairReplace(pathOf("q.dbf"));
        QVERIFY(!finished);
        QVERIFY2(finished.error().contains(pathOf("q.dbf.pair-journal")), qPrintable(finished.error()));
        QCOMPARE(TestFiles::contentOf(pathOf("q.dbf")), QByteArray("table"));
    }

    void leftoversGoExceptARunningReplace()
    {
        for (const char *name : {"q.dbf", "q.dbf.new-AbCd12", "Q.DBF.old-zz99ZZ", "q.dbf.new-1234567", "q.dbf.new-1",
                                 "q.dbf.backup", "other.dbf.new-AbCd12"})
            TestFiles::put(pathOf(name), "x");
        QFile running(pathOf("q.dbf.new-Runnin"));
        QVERIFY(running.open(QIODevice::WriteOnly));
        QCOMPARE(::flock(running.handle(), LOCK_SH), 0);
        SafeFile::removeLeftovers(pathOf("q.dbf"));
        verifyFolderHolds({"q.dbf", "q.dbf.new-Runnin", "q.dbf.new-1234567", "q.dbf.new-1", "q.dbf.backup",
                           "other.dbf.new-AbCd12"});
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
