#pragma once

#include <QByteArray>
#include <QFile>
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
