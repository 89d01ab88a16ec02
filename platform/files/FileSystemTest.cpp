#include "platform/files/FileSystem.h"
#include "platform/files/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

class FileSystemTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString pathOf(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void programFolderHoldsTheRunningProgram()
    {
        QCOMPARE(FileSystem::programFolder(), QCoreApplication::applicationDirPath());
        QVERIFY(!FileSystem::programFolder().endsWith(u'/'));
    }

    void temporaryFolderFollowsTmpdir_data()
    {
        QTest::addColumn<QByteArray>("tmpdir");
        QTest::addColumn<QString>("folder");
        const QByteArray existing = QFile::encodeName(m_dir.path());
        QTest::newRow("existing folder") << existing + '/' << m_dir.path();
        // Files meant for it must not end up in "/": the folder stays the one
        // named, and writing into it fails.
        QTest::newRow("missing folder") << QByteArray("/no/such/folder") << QStringLiteral("/no/such/folder");
        QTest::newRow("untidy name") << QByteArray("/no//such/./folder/") << QStringLiteral("/no/such/folder");
        QTest::newRow("not set") << QByteArray() << QStringLiteral("/tmp");
        QTest::newRow("root") << QByteArray("/") << QStringLiteral("/");
    }
    void temporaryFolderFollowsTmpdir()
    {
        QFETCH(QByteArray, tmpdir);
        QFETCH(QString, folder);
        const QByteArray saved = qgetenv("TMPDIR");
        if (tmpdir.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", tmpdir);
        const QString got = FileSystem::temporaryFolder();
        qputenv("TMPDIR", saved);
        QCOMPARE(got, folder);
    }

    void existenceTellsFilesFromFolders()
    {
        TestFiles::put(pathOf("f.txt"), "x");
        QVERIFY(FileSystem::fileExists(pathOf("f.txt")));
        QVERIFY(!FileSystem::folderExists(pathOf("f.txt")));
        QVERIFY(FileSystem::folderExists(m_dir.path()));
        QVERIFY(!FileSystem::fileExists(m_dir.path()));
        QVERIFY(!FileSystem::fileExists(pathOf("none")));
        QVERIFY(!FileSystem::folderExists(pathOf("none")));
    }

    void createFolder()
    {
        QVERIFY(FileSystem::createFolder(pathOf("ZALOHA")));
        QVERIFY(FileSystem::folderExists(pathOf("ZALOHA")));
        QVERIFY(FileSystem::createFolder(pathOf("ZALOHA")));
        QVERIFY(!FileSystem::createFolder(pathOf("no/parent")));
        TestFiles::put(pathOf("plain"), "x");
        QVERIFY(!FileSystem::createFolder(pathOf("plain")));
    }

    void copyReplacesTheTarget()
    {
        QByteArray big(300 * 1024, '\0');
        for (qsizetype i = 0; i < big.size(); ++i)
            big[i] = char(i * 7 % 251);
        TestFiles::put(pathOf("source.dbf"), big);
        TestFiles::put(pathOf("target.dbf"), "older and different");
        QVERIFY(FileSystem::copyFile(pathOf("source.dbf"), pathOf("target.dbf")));
        QCOMPARE(TestFiles::contentOf(pathOf("target.dbf")), big);
        QCOMPARE(TestFiles::contentOf(pathOf("source.dbf")), big);
    }

    void failedCopyLeavesTheTarget()
    {
        TestFiles::put(pathOf("t.dbf"), "kept");
        QVERIFY(!FileSystem::copyFile(pathOf("absent.dbf"), pathOf("t.dbf")));
        QVERIFY(!FileSystem::copyFile(m_dir.path(), pathOf("t.dbf")));
        QCOMPARE(TestFiles::contentOf(pathOf("t.dbf")), QByteArray("kept"));
        QVERIFY(!FileSystem::copyFile(pathOf("t.dbf"), pathOf("no/such/folder.dbf")));
    }

    void readsARegularFileWhole()
    {
        const QByteArray bytes = QByteArray(200 * 1024, 'a') + "end";
        TestFiles::put(pathOf("r.bin"), bytes);
        QCOMPARE(*FileSystem::readWholeFile(pathOf("r.bin")), bytes);
        QVERIFY(QFile::link(pathOf("r.bin"), pathOf("link.bin")));
        QCOMPARE(*FileSystem::readWholeFile(pathOf("link.bin")), bytes);
        QCOMPARE(*FileSystem::readWholeFile(pathOf("r.bin"), bytes.size()), bytes);
    }

    void refusesWhatIsNoRegularFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("named pipe") << "fifo" << "není to obyčejný soubor";
        QTest::newRow("named pipe with a writer") << "fifo-written" << "není to obyčejný soubor";
        QTest::newRow("link to /dev/zero") << "zero" << "není to obyčejný soubor";
        QTest::newRow("/dev/null") << "/dev/null" << "není to obyčejný soubor";
        QTest::newRow("folder") << "folder" << "není to obyčejný soubor";
        QTest::newRow("missing") << "missing" << QString::fromLocal8Bit(std::strerror(ENOENT));
        QTest::newRow("larger than the limit") << "large" << "je větší než 1 MB";
    }
    // None of them is waited on or read: a pipe without a writer would block
    // in open(), a device may never end.
    void refusesWhatIsNoRegularFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        const QString path = name.startsWith(u'/') ? name : pathOf(name);
        QFile writer;
        if (name.startsWith(u"fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        if (name == u"fifo-written") {
            writer.setFileName(path);
            QVERIFY(writer.open(QIODevice::ReadWrite));
            writer.write("data");
            writer.flush();
        }
        if (name == u"zero")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        if (name == u"folder")
            QVERIFY(QDir(m_dir.path()).mkdir(name));
        if (name == u"large")
            TestFiles::put(path, QByteArray(1024 * 1024 + 1, 'x'));
        const Result<QByteArray> read = FileSystem::readWholeFile(path, 1024 * 1024);
        QVERIFY(!read);
        QCOMPARE(read.error(), QStringLiteral("Soubor %1 nelze přečíst: %2.").arg(path, reason));
    }

    void deleteFile()
    {
        TestFiles::put(pathOf("gone.txt"), "x");
        QVERIFY(FileSystem::deleteFile(pathOf("gone.txt")));
        QVERIFY(!FileSystem::fileExists(pathOf("gone.txt")));
        QVERIFY(!FileSystem::deleteFile(pathOf("gone.txt")));
        QVERIFY(!FileSystem::deleteFile(m_dir.path()));
    }

    // A failed copy, folder or deletion names the file and gives the system's
    // reason, so that the box a caller shows can tell the user what went wrong.
    void failuresGiveTheSystemsReason_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("named");
        QTest::addColumn<int>("error");
        QTest::newRow("copy of a missing file") << "copy absent.dbf" << "absent.dbf" << ENOENT;
        QTest::newRow("copy into a missing folder") << "copy t.dbf no/such/folder.dbf" << "no/such/folder.dbf" << ENOENT;
        QTest::newRow("folder without its parent") << "folder no/parent" << "no/parent" << ENOENT;
        QTest::newRow("folder over a file") << "folder plain" << "plain" << EEXIST;
        QTest::newRow("deletion of a missing file") << "delete gone.txt" << "gone.txt" << ENOENT;
    }
    void failuresGiveTheSystemsReason()
    {
        QFETCH(QString, operation);
        QFETCH(QString, named);
        QFETCH(int, error);
        TestFiles::put(pathOf("t.dbf"), "kept");
        TestFiles::put(pathOf("plain"), "x");
        const QStringList words = operation.split(u' ');
        const Result<> done = words[0] == u"copy" ? FileSystem::copyFile(pathOf(words[1]), pathOf(words.value(2, "t.dbf")))
            : words[0] == u"folder"              ? FileSystem::createFolder(pathOf(words[1]))
                                                 : FileSystem::deleteFile(pathOf(words[1]));
        QVERIFY(!done);
        QVERIFY2(done.error().contains(pathOf(named)), qPrintable(done.error()));
        QVERIFY2(done.error().contains(QString::fromLocal8Bit(std::strerror(error))), qPrintable(done.error()));
    }
};

QTEST_MAIN(FileSystemTest)
#include "FileSystemTest.moc"
