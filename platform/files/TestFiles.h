#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <sys/mount.h>

// Reading and planting whole files in tests, beside the code under test.
namespace TestFiles {

inline QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

inline void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The name a replace in the running program gives a staged ("new") or kept
// ("old") copy beside the file `targetName`, with `random` as its random part.
inline QString ownCopy(const QString &targetName, const QString &kind, const QString &random = QStringLiteral("AbC123"))
{
    return u'.' + targetName + u'.' + QFileInfo(QCoreApplication::applicationFilePath()).fileName() + u'-' + kind
           + u'-' + random;
}

// Every entry under `folder`, links not followed, with what it is: a file's
// content (its size only beyond 1 MB), a link's target, or its kind.
inline QMap<QString, QByteArray> treeOf(const QString &folder)
{
    QMap<QString, QByteArray> tree;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        QByteArray &what = tree[entry.filePath()];
        if (entry.isSymLink())
            what = "link to " + entry.symLinkTarget().toUtf8();
        else if (entry.isDir())
            what = "folder";
        else if (!entry.isFile())
            what = "special";
        else if (entry.size() > 1024 * 1024)
            what = "size " + QByteArray::number(entry.size());
        else
            what = contentOf(entry.filePath());
    }
    return tree;
}

// A file system of its own, 64 KiB small, for tests of a full disk. Mounting
// needs root (or the right to mount); where it is refused, mounted() is false
// and the test skips.
class SmallFileSystem
{
public:
    SmallFileSystem()
    {
        m_mounted = m_folder.isValid()
                    && ::mount("tmpfs", QFile::encodeName(m_folder.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                               "size=64k")
                           == 0;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool mounted() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }

    // Fills what space is left with one file of the given name.
    void fill(const QString &name) const
    {
        QFile file(filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            while (file.write(QByteArray(4096, 'f')) > 0) {
            }
    }

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};

} // namespace TestFiles
