#include "platform/files/FileSystem.h"
#include "platform/files/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

    void deleteFile()
    {
        TestFiles::put(pathOf("gone.txt"), "x");
        QVERIFY(FileSystem::deleteFile(pathOf("gone.txt")));
        QVERIFY(!FileSystem::fileExists(pathOf("gone.txt")));
        QVERIFY(!FileSystem::deleteFile(pathOf("gone.txt")));
        QVERIFY(!FileSystem::deleteFile(m_dir.path()));
    }
};

QTEST_MAIN(FileSystemTest)
#include "FileSystemTest.moc"
